<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Priečinok</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Jednotka</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Vybrať farbu z obrazovky</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Úloha</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Riadenie úlohy</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Naplánovaná tlač:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Údaje na vyúčtovanie:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Priorita úlohy:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Oddeľovacie strany</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Na konci:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Na začiatku:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Tlačiť hneď</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Podržať bez obmedzenia</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Cez deň (06:00 až 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>V noci (18:00 až 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druhá zmena (16:00 až 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tretia zmena (00:00 až 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Cez víkend (sobota a nedeľa)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>V zadanom čase</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Žiadna</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Štandardná</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Neutajovaná</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Dôverná</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Vyhradená</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Tajná</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Prísne tajná</translation>
    </message>
</context>
<context>
    <name>QImageWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznáma chyba</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Page Layout</source>
        <translation>Rozloženie strán</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Poradie strán:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Strán na hárok:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastná</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Envelope C5</source>
        <translation>Obálka C5</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Obálka US 10</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Obálka DL</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Obálka B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Obálka B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Obálka B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Obálka C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Obálka C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Obálka C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Obálka C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Obálka C4</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Obálka C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Obálka C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Obálka C7</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Obálka US 9</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Obálka US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Obálka US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Obálka US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Obálka Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Obálka Personal</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Obálka Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Obálka Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Obálka Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Obálka Italian</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Obálka Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Obálka Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Obálka PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Obálka PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Obálka PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Obálka PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Obálka PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Obálka PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Obálka PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Obálka PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Obálka PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Obálka PRC 10</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Pohľadnica</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dvojitá pohľadnica</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architektonický A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architektonický B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architektonický C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architektonický D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architektonický E</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Skladaný americký (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Skladaný nemecký (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Skladaný nemecký Legal (8,5 x 13 in)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>All Pages</source>
        <translation>Všetky strany</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Nepárne strany</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Párne strany</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Zľava doprava, zhora nadol</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Zľava doprava, zdola nahor</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Sprava doľava, zdola nahor</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Sprava doľava, zhora nadol</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Zdola nahor, zľava doprava</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Zdola nahor, sprava doľava</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Zhora nadol, zľava doprava</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Zhora nadol, sprava doľava</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Vlastnosti tlačiarne</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Možnosti úlohy</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Rozšírené</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Niektoré voľby si navzájom odporujú. Opravte ich, prosím.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Strany</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Zadajte strany alebo rozsahy strán oddelené čiarkami; rozsah sú dve čísla spojené pomlčkou. Napríklad 3,5-7,9 vytlačí strany 3, 5, 6, 7 a 9.</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Tlačiť:</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Obojstranná tlač</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnutá</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Väzba na dlhšej strane</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Väzba na kratšej strane</translation>
    </message>
</context>
</TS>
