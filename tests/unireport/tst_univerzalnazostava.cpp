#include "UniZostavaFixture.h"
#include "common/TestHelpers.h"
#include "data/DatabaseError.h"
#include "data/TDataModuleHlavny.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"
#include "unireport/TFormUniverzalnaZostava.h"
#include "unireport/TFormZostava.h"
#include "unireport/ZoznamPoloziek.h"
#include "widgets/DBGrid.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"
#include "widgets/ScriptedDialogService.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Podmienka {
    QString stlpec;
    QString operacia;
    QString hodnota;
    int spojenie = 0;
};

/// Records the messages shown and the statements sent in one list, to tell their order.
class ZaznamUdalosti : public ScriptedDialogService {
public:
    QStringList udalosti;

    Button message(Icon icon, const QString& text, Buttons buttons,
                   const QString& title = {}) override {
        udalosti << u"správa: "_s + text;
        return ScriptedDialogService::message(icon, text, buttons, title);
    }
};

const QColor zvyraznenie(230, 230, 255);

} // namespace

Q_DECLARE_METATYPE(Podmienka)

/// The universal report builder as a user walks through it: columns chosen and ordered, a
/// condition composed from column, operator and value, the statement shown, renamed and
/// sorted, saved and deleted, all over the fixture sources.
class TestUniverzalnaZostava final : public QObject {
    Q_OBJECT

private:
    template <typename T> T* komponent(const char* meno) {
        return findComponent<T>(m_form.get(), QString::fromLatin1(meno));
    }
    ZoznamPoloziek* zoznam(const char* meno) { return komponent<ZoznamPoloziek>(meno); }
    QString prikaz() const { return m_data->ADOQueryUniZostava->sqlText(); }
    QString memo() { return komponent<QPlainTextEdit>("MemoPodmienka")->toPlainText(); }
    void strana(int index) {
        komponent<PageControl>("PageControlUniverzalnaZostava")->setCurrentIndex(index);
    }

    void zvolStlpce(const QStringList& nazvy) {
        ZoznamPoloziek* dostupne = zoznam("ListViewStlpce");
        for (const QString& nazov : nazvy) {
            dostupne->vyberRiadok(dostupne->najdi(nazov));
            komponent<QPushButton>("BitBtnPridat")->click();
        }
    }

    void pridajPodmienku(const Podmienka& podmienka) {
        ZoznamPoloziek* stlpce = zoznam("ListViewStlpcePodmienky");
        ZoznamPoloziek* operacie = zoznam("ListViewOperacie");
        stlpce->vyberRiadok(stlpce->najdi(podmienka.stlpec));
        operacie->vyberRiadok(operacie->najdi(podmienka.operacia));
        komponent<QLineEdit>("EditHodnota")->setText(podmienka.hodnota);
        komponent<RadioGroup>("RadioGroupSpojenie")->setItemIndex(podmienka.spojenie);
        komponent<QPushButton>("BitBtnPridatPodmienku")->click();
    }

    void premenuj(int stlpec, const QString& nazov) {
        DBGrid* vystup = komponent<DBGrid>("DBGridVystup");
        QHeaderView* hlavicka = vystup->horizontalHeader();
        QTest::mouseClick(hlavicka->viewport(), Qt::LeftButton, {},
                          QPoint(hlavicka->sectionViewportPosition(stlpec) + 4, 4));
        auto* edit = komponent<QLineEdit>("EditNazovStlpca");
        edit->setText(nazov);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QVariant hodnota(const QString& sql) {
        Connection spojenie(m_db->settings());
        QSqlQuery vysledok = spojenie.execute(sql);
        return vysledok.next() ? vysledok.value(0) : QVariant();
    }

private Q_SLOTS:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>(u"univerzalnazostava"_s);
        UniZostavaFixture::vytvor(*m_db);
        m_data = std::make_unique<TDataModuleHlavny>(m_db->settings());
        m_data->pripravUcetZostav();
        m_projekt = std::make_unique<ReportProject>(m_system, m_spojenia,
                                                    QString::fromUtf8(TARVELIN_REPORTS_DIR) +
                                                        u"/TarvelinZostavy.rav"_s);
        m_prehliadac = std::make_unique<TFormZostava>(*m_data, *m_projekt);
    }

    void init() {
        m_dialogy = std::make_unique<ZaznamUdalosti>();
        m_form = std::make_unique<TFormUniverzalnaZostava>(*m_data, *m_prehliadac, u"© test"_s,
                                                           u"208123"_s);
        m_form->show();
    }

    void cleanup() {
        m_form.reset();
        QCOMPARE(m_dialogy->unusedAnswers(), 0);
        m_dialogy.reset();
    }

    void columnListsShowKindsAndSizes() {
        QCOMPARE(m_form->windowTitle(), u"Univerzálna zostava"_s);
        QCOMPARE(komponent<RadioGroup>("RadioGroupTypUdajov")->itemIndex(), 0);
        ZoznamPoloziek* dostupne = zoznam("ListViewStlpce");
        QStringList riadky;
        for (int riadok = 0; riadok < dostupne->rowCount(); ++riadok)
            riadky << dostupne->texty(riadok).join(u'|');
        QCOMPARE(
            riadky,
            (QStringList{"usnecislo|Znakový|15", "meno|Znakový|41", "plemeno|Znakový|3",
                         "poradie|Celočíselný|2", "mlieko_max|Celočíselný|4", "pocet|Celočíselný|8",
                         "tuk_perc|Reálny|8", "krv|Reálny|34", "datumnarodenia|Dátumový|4",
                         "vlozene|Dátumový|8", "cas|Dátumový|4", "tuk|Reálny|8"}));
        QCOMPARE(dostupne->vybranyRiadok(), 0);
        QCOMPARE(zoznam("ListViewStlpcePodmienky")->rowCount(), dostupne->rowCount());
        QVERIFY(!komponent<QPushButton>("BitBtnSpat")->isEnabled());
        QVERIFY(komponent<QPushButton>("BitBtnDalej")->isEnabled());
    }

    void choosingAndOrderingColumns() {
        zvolStlpce({u"meno"_s, u"poradie"_s, u"MENO"_s.toLower(), u"krv"_s});
        QCOMPARE(m_dialogy->udalosti, QStringList{u"správa: Stĺpec meno je už vybratý."_s});
        ZoznamPoloziek* vybrate = zoznam("ListViewVybrate");
        QCOMPARE(vybrate->rowCount(), 3);
        QCOMPARE(vybrate->texty(2), (QStringList{"krv", "Reálny", "34"}));

        auto* hore = komponent<QToolButton>("SpeedButtonHore");
        auto* dole = komponent<QToolButton>("SpeedButtonDole");
        vybrate->vyberRiadok(0);
        QVERIFY(!hore->isEnabled());
        QVERIFY(dole->isEnabled());
        dole->click();
        QCOMPARE(vybrate->nazov(1), u"meno"_s);
        QCOMPARE(vybrate->vybranyRiadok(), 1);
        dole->click();
        QCOMPARE(vybrate->vybranyRiadok(), 2);
        QVERIFY(!dole->isEnabled());
        QVERIFY(hore->isEnabled());
        hore->click();
        hore->click();
        QCOMPARE(vybrate->nazov(0), u"meno"_s);
        QCOMPARE(vybrate->vybranyRiadok(), 0);

        vybrate->vyberRiadok(1);
        komponent<QPushButton>("BitBtnOdobrat")->click();
        QCOMPARE(vybrate->rowCount(), 2);
        strana(2);
        QCOMPARE(prikaz(), u"SELECT meno, krv FROM uzkravy"_s);
        QCOMPARE(m_data->ADOQueryUniZostava->recordCount(), 4);
    }

    void nextNeedsAColumnAndPagesEnableTheButtons() {
        auto* dalej = komponent<QPushButton>("BitBtnDalej");
        auto* spat = komponent<QPushButton>("BitBtnSpat");
        dalej->click();
        QCOMPARE(m_dialogy->udalosti, QStringList{u"správa: Neboli vybraté stĺpce pre zostavu."_s});
        QCOMPARE(m_dialogy->interactions().constLast().icon, DialogService::Icon::Error);
        zvolStlpce({u"meno"_s});
        for (int i = 0; i < 3; ++i)
            dalej->click();
        QCOMPARE(komponent<PageControl>("PageControlUniverzalnaZostava")->currentIndex(), 3);
        QVERIFY(!dalej->isEnabled());
        QVERIFY(spat->isEnabled());
        for (int i = 0; i < 3; ++i)
            spat->click();
        QVERIFY(dalej->isEnabled());
        QVERIFY(!spat->isEnabled());
    }

    void anotherDataTypeStartsAfresh() {
        zvolStlpce({u"meno"_s});
        strana(1);
        pridajPodmienku({u"poradie"_s, u"="_s, u"1"_s});
        QVERIFY(!memo().isEmpty());
        strana(0);
        komponent<RadioGroup>("RadioGroupTypUdajov")->findChildren<QRadioButton*>()[2]->click();
        QCOMPARE(zoznam("ListViewVybrate")->rowCount(), 0);
        QCOMPARE(memo(), QString());
        QCOMPARE(zoznam("ListViewStlpce")->nazov(0), u"zdroj"_s);
        QCOMPARE(zoznam("ListViewStlpcePodmienky")->nazov(0), u"zdroj"_s);
    }

    void everyDataTypeListsItsColumnsAndReturnsRows_data() {
        QTest::addColumn<int>("typ");
        for (int typ = 0; typ < TFormUniverzalnaZostava::TypyUdajov().size(); ++typ)
            QTest::newRow(qPrintable(TFormUniverzalnaZostava::TypyUdajov()[typ])) << typ;
    }

    void everyDataTypeListsItsColumnsAndReturnsRows() {
        QFETCH(int, typ);
        QCOMPARE(TFormUniverzalnaZostava::TabulkyUdajov().size(),
                 TFormUniverzalnaZostava::TypyUdajov().size());
        const QString tabulka = TFormUniverzalnaZostava::TabulkyUdajov()[typ];
        komponent<RadioGroup>("RadioGroupTypUdajov")->findChildren<QRadioButton*>()[typ]->click();
        const QString prvy = zoznam("ListViewStlpce")->nazov(0);
        zvolStlpce({prvy, u"meno"_s});
        strana(2);
        QCOMPARE(prikaz(), u"SELECT %1, meno FROM %2"_s.arg(prvy, tabulka));
        QCOMPARE(m_data->ADOQueryUniZostava->recordCount(), 4);
        if (typ > 0)
            QCOMPARE(m_data->ADOQueryUniZostava->value(0, 0).toString(), tabulka);
        QCOMPARE(m_dialogy->interactions().size(), 0);
    }

    void statementFromColumnsAndCondition_data() {
        QTest::addColumn<QList<Podmienka>>("podmienky");
        QTest::addColumn<QString>("ocakavanaPodmienka");
        QTest::addColumn<int>("riadkov");

        QTest::newRow("no condition") << QList<Podmienka>{} << QString() << 4;
        QTest::newRow("integer, no connector")
            << QList<Podmienka>{{u"mlieko_max"_s, u"="_s, u"9500"_s}} << u"  mlieko_max = 9500"_s
            << 1;
        QTest::newRow("the breeder's best cows")
            << QList<Podmienka>{{u"mlieko_max"_s, u">"_s, u"9000"_s},
                                {u"tuk_perc"_s, u">="_s, u"4,2"_s, 1}}
            << u"  mlieko_max > 9000 AND tuk_perc >= 4.2"_s << 1;
        QTest::newRow("decimal comma is a point, not a text")
            << QList<Podmienka>{{u"tuk_perc"_s, u">"_s, u"3,9"_s}} << u"  tuk_perc > 3.9"_s << 2;
        QTest::newRow("decimal point")
            << QList<Podmienka>{{u"tuk_perc"_s, u"<"_s, u"3.9"_s}} << u"  tuk_perc < 3.9"_s << 1;
        QTest::newRow("fixed decimal")
            << QList<Podmienka>{{u"krv"_s, u"="_s, u"87,5"_s}} << u"  krv = 87.5"_s << 1;
        QTest::newRow("64-bit integer")
            << QList<Podmienka>{{u"pocet"_s, u"<>"_s, u"20"_s}} << u"  pocet <> 20"_s << 3;
        QTest::newRow("small integer, or")
            << QList<Podmienka>{{u"mlieko_max"_s, u">"_s, u"10000"_s},
                                {u"poradie"_s, u"="_s, u"1"_s, 2}}
            << u"  mlieko_max > 10000 OR poradie = 1"_s << 2;
        QTest::newRow("date as written in Slovak")
            << QList<Podmienka>{{u"datumnarodenia"_s, u"="_s, u"6. 5. 2012"_s}}
            << u"  datumnarodenia = '2012-05-06'"_s << 1;
        QTest::newRow("date in the database's form")
            << QList<Podmienka>{{u"datumnarodenia"_s, u"<="_s, u"2010-01-01"_s}}
            << u"  datumnarodenia <= '2010-01-01'"_s << 1;
        QTest::newRow("date and time")
            << QList<Podmienka>{{u"vlozene"_s, u">"_s, u"1.2.2010 8:30"_s}}
            << u"  vlozene > '2010-02-01 08:30:00'"_s << 2;
        QTest::newRow("time") << QList<Podmienka>{{u"cas"_s, u"<"_s, u"8:31"_s}}
                              << u"  cas < '08:31:00'"_s << 1;
        QTest::newRow("text with a quote")
            << QList<Podmienka>{{u"meno"_s, u"="_s, u"O'Neil"_s}} << u"  meno = 'O''Neil'"_s << 1;
        QTest::newRow("text with a backslash")
            << QList<Podmienka>{{u"meno"_s, u"="_s, u"a\\b"_s}} << u"  meno = 'a\\\\b'"_s << 1;
        QTest::newRow("fixed-length text")
            << QList<Podmienka>{{u"plemeno"_s, u"="_s, u"HB"_s}} << u"  plemeno = 'HB'"_s << 2;
        QTest::newRow("like, and") << QList<Podmienka>{{u"mlieko_max"_s, u">"_s, u"9000"_s},
                                                       {u"meno"_s, u"LIKE"_s, u"%ra%"_s, 1}}
                                   << u"  mlieko_max > 9000 AND meno LIKE '%ra%'"_s << 2;
        QTest::newRow("like on a number is a pattern")
            << QList<Podmienka>{{u"mlieko_max"_s, u"LIKE"_s, u"9%"_s}}
            << u"  mlieko_max LIKE '9%'"_s << 1;
        QTest::newRow("between integers")
            << QList<Podmienka>{{u"mlieko_max"_s, u"BETWEEN"_s, u"8000 AND 10000"_s}}
            << u"  mlieko_max BETWEEN 8000 AND 10000"_s << 2;
        QTest::newRow("between decimals with commas")
            << QList<Podmienka>{{u"tuk_perc"_s, u"BETWEEN"_s, u"3,5 and 4,2"_s}}
            << u"  tuk_perc BETWEEN 3.5 AND 4.2"_s << 3;
        QTest::newRow("between dates")
            << QList<Podmienka>{{u"datumnarodenia"_s, u"BETWEEN"_s, u"1.1.2011 AND 2015-12-31"_s}}
            << u"  datumnarodenia BETWEEN '2011-01-01' AND '2015-12-31'"_s << 2;
        QTest::newRow("between texts") << QList<Podmienka>{{u"meno"_s, u"BETWEEN"_s, u"A AND M"_s}}
                                       << u"  meno BETWEEN 'A' AND 'M'"_s << 2;
    }

    void statementFromColumnsAndCondition() {
        QFETCH(QList<Podmienka>, podmienky);
        QFETCH(QString, ocakavanaPodmienka);
        QFETCH(int, riadkov);
        zvolStlpce({u"usnecislo"_s, u"meno"_s});
        komponent<QPushButton>("BitBtnDalej")->click();
        QCOMPARE(zoznam("ListViewOperacie")->vybranyRiadok(), 0);
        for (const Podmienka& podmienka : podmienky)
            pridajPodmienku(podmienka);
        QCOMPARE(memo(), ocakavanaPodmienka);
        komponent<QPushButton>("BitBtnDalej")->click();
        const QString zaklad = u"SELECT usnecislo, meno FROM uzkravy"_s;
        QCOMPARE(prikaz(), ocakavanaPodmienka.isEmpty()
                               ? zaklad
                               : zaklad + u" WHERE "_s + ocakavanaPodmienka);
        QCOMPARE(m_dialogy->interactions().size(), 0);
        QCOMPARE(m_data->ADOQueryUniZostava->recordCount(), riadkov);
        auto* triedenie = komponent<QComboBox>("ComboBoxTriedenie");
        QCOMPARE(triedenie->count(), 2);
        QCOMPARE(triedenie->currentIndex(), -1);
    }

    void refusedCondition_data() {
        QTest::addColumn<Podmienka>("podmienka");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("no value") << Podmienka{u"meno"_s, u"="_s, QString()}
                                  << u"Nezadaná hodnota výrazu."_s;
        QTest::newRow("no column")
            << Podmienka{QString(), u"="_s, u"1"_s} << u"Nebol vybratý stĺpec pre výraz."_s;
        QTest::newRow("nothing chosen, the last check speaks")
            << Podmienka{QString(), QString(), QString()} << u"Nobol vybratý operátor výrazu."_s;
        QTest::newRow("word for a number")
            << Podmienka{u"mlieko_max"_s, u">"_s, u"veľa"_s} << u"Hodnota „veľa“ nie je číslo."_s;
        QTest::newRow("two commas")
            << Podmienka{u"tuk_perc"_s, u"="_s, u"4,2,1"_s} << u"Hodnota „4,2,1“ nie je číslo."_s;
        QTest::newRow("number with SQL") << Podmienka{u"mlieko_max"_s, u"="_s, u"1 OR 1=1"_s}
                                         << u"Hodnota „1 OR 1=1“ nie je číslo."_s;
        QTest::newRow("no such day")
            << Podmienka{u"datumnarodenia"_s, u"="_s, u"32.1.2010"_s}
            << u"Hodnota „32.1.2010“ nie je dátum (napríklad 31.1.2010 alebo 2010-01-31)."_s;
        QTest::newRow("no such hour") << Podmienka{u"cas"_s, u"="_s, u"25:00"_s}
                                      << u"Hodnota „25:00“ nie je čas (napríklad 8:30)."_s;
        QTest::newRow("between one value")
            << Podmienka{u"mlieko_max"_s, u"BETWEEN"_s, u"1 5"_s}
            << u"Pre operátor BETWEEN zadajte dve hodnoty spojené slovom AND, napríklad 1 AND 5."_s;
        QTest::newRow("between one text")
            << Podmienka{u"meno"_s, u"BETWEEN"_s, u"A"_s}
            << u"Pre operátor BETWEEN zadajte dve hodnoty spojené slovom AND, napríklad 1 AND 5."_s;
        QTest::newRow("between a word") << Podmienka{u"mlieko_max"_s, u"BETWEEN"_s, u"1 AND x"_s}
                                        << u"Hodnota „x“ nie je číslo."_s;
    }

    void refusedCondition() {
        QFETCH(Podmienka, podmienka);
        QFETCH(QString, sprava);
        strana(1);
        pridajPodmienku({u"poradie"_s, u"="_s, u"3"_s});
        const QString predtym = memo();
        pridajPodmienku(podmienka);
        QCOMPARE(m_dialogy->udalosti, QStringList{u"správa: "_s + sprava});
        QCOMPARE(m_dialogy->interactions().constLast().icon, DialogService::Icon::Error);
        QCOMPARE(memo(), predtym);
    }

    void renamingAndSortingKeepOneAliasAndOneOrder() {
        zvolStlpce({u"usnecislo"_s, u"mlieko_max"_s});
        strana(2);
        auto* edit = komponent<QLineEdit>("EditNazovStlpca");
        DBGrid* vystup = komponent<DBGrid>("DBGridVystup");
        QCOMPARE(edit->text(), u"usnecislo"_s);
        QCOMPARE(vystup->columnColor(0), zvyraznenie);

        struct Krok {
            std::function<void()> akcia;
            QString prikaz;
            int prveMlieko = 0; ///< 0 when the order is the table's
        };
        const QList<Krok> kroky = {
            {[&] { premenuj(0, u"Číslo"_s); },
             u"SELECT usnecislo AS 'Číslo', mlieko_max FROM uzkravy"_s},
            {[&] { premenuj(0, u"Kód"_s); },
             u"SELECT usnecislo AS 'Kód', mlieko_max FROM uzkravy"_s},
            {[&] { premenuj(1, u"X"_s); },
             u"SELECT usnecislo AS 'Kód', mlieko_max AS 'X' FROM uzkravy"_s},
            {[&] { komponent<QComboBox>("ComboBoxTriedenie")->setCurrentIndex(1); },
             u"SELECT usnecislo AS 'Kód', mlieko_max AS 'X' FROM uzkravy ORDER BY mlieko_max, "
             u"usnecislo"_s,
             6000},
            {[&] { komponent<QComboBox>("ComboBoxSmer")->setCurrentIndex(1); },
             u"SELECT usnecislo AS 'Kód', mlieko_max AS 'X' FROM uzkravy ORDER BY mlieko_max DESC, "
             u"usnecislo"_s,
             12000},
            {[&] { komponent<QComboBox>("ComboBoxSmer")->setCurrentIndex(0); },
             u"SELECT usnecislo AS 'Kód', mlieko_max AS 'X' FROM uzkravy ORDER BY mlieko_max ASC, "
             u"usnecislo"_s,
             6000},
            {[&] { premenuj(0, u"O'Neil \\ 1, 2"_s); },
             u"SELECT usnecislo AS 'O''Neil \\\\ 1, 2', mlieko_max AS 'X' FROM uzkravy ORDER BY "
             u"mlieko_max ASC, usnecislo"_s},
            {[&] { premenuj(1, u"Mlieko"_s); },
             u"SELECT usnecislo AS 'O''Neil \\\\ 1, 2', mlieko_max AS 'Mlieko' FROM uzkravy ORDER "
             u"BY mlieko_max ASC, usnecislo"_s},
            {[&] {
                 strana(1);
                 strana(2);
             },
             u"SELECT usnecislo, mlieko_max FROM uzkravy"_s},
            {[&] { premenuj(1, u"mlieko_max"_s); },
             u"SELECT usnecislo, mlieko_max AS 'mlieko_max' FROM uzkravy"_s},
        };
        for (const Krok& krok : kroky) {
            krok.akcia();
            QCOMPARE(prikaz(), krok.prikaz);
            QVERIFY(m_data->ADOQueryUniZostava->isOpen());
            if (krok.prveMlieko)
                QCOMPARE(m_data->ADOQueryUniZostava->value(0, 1).toInt(), krok.prveMlieko);
        }
        QCOMPARE(m_dialogy->interactions().size(), 0);
        QCOMPARE(m_data->ADOQueryUniZostava->fields()[0].name, u"usnecislo"_s);
        QCOMPARE(edit->text(), u"mlieko_max"_s);
        QCOMPARE(vystup->columnColor(1), zvyraznenie);
        QCOMPARE(vystup->columnColor(0), QColor());
    }

    // The sort list names the columns as the output shows them, and sorts by the column.
    void sortListShowsTheCaptions() {
        zvolStlpce({u"usnecislo"_s, u"mlieko_max"_s});
        strana(2);
        premenuj(1, u"Mlieko kg"_s);
        auto* triedenie = komponent<QComboBox>("ComboBoxTriedenie");
        QCOMPARE(triedenie->itemText(0), u"usnecislo"_s);
        QCOMPARE(triedenie->itemText(1), u"Mlieko kg"_s);
        triedenie->setCurrentIndex(1);
        QCOMPARE(prikaz(), u"SELECT usnecislo, mlieko_max AS 'Mlieko kg' FROM uzkravy ORDER BY "
                           u"mlieko_max, usnecislo"_s);
    }

    void renamingPicksTheColumnNotItsNameInAnother() {
        zvolStlpce({u"tuk_perc"_s, u"tuk"_s});
        strana(2);
        premenuj(1, u"Tuk kg"_s);
        QCOMPARE(prikaz(), u"SELECT tuk_perc, tuk AS 'Tuk kg' FROM uzkravy"_s);
    }

    void leavingTheNameEditGivesTheAlias() {
        zvolStlpce({u"meno"_s, u"poradie"_s});
        strana(2);
        QApplication::setActiveWindow(m_form.get());
        auto* edit = komponent<QLineEdit>("EditNazovStlpca");
        edit->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return edit->hasFocus(); }));
        komponent<QComboBox>("ComboBoxTriedenie")->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return !edit->hasFocus(); }));
        QCOMPARE(prikaz(), u"SELECT meno AS 'meno', poradie FROM uzkravy"_s);
    }

    void titleClickChoosesTheColumnAndRunsNothing() {
        zvolStlpce({u"meno"_s, u"poradie"_s, u"krv"_s});
        strana(2);
        const QString pred = prikaz();
        QSignalSpy odoslane(m_data->ADOConnectionUniZostava, &Connection::statementSent);
        DBGrid* vystup = komponent<DBGrid>("DBGridVystup");
        QHeaderView* hlavicka = vystup->horizontalHeader();
        QTest::mouseClick(hlavicka->viewport(), Qt::LeftButton, {},
                          QPoint(hlavicka->sectionViewportPosition(2) + 4, 4));
        QCOMPARE(komponent<QLineEdit>("EditNazovStlpca")->text(), u"krv"_s);
        QCOMPARE(vystup->columnColor(2), zvyraznenie);
        QCOMPARE(vystup->columnColor(0), QColor());
        QCOMPARE(prikaz(), pred);
        QCOMPARE(odoslane.size(), 0);
    }

    void failedRunShowsTheErrorAndKeepsTheChoice() {
        zvolStlpce({u"meno"_s});
        strana(1);
        komponent<QPlainTextEdit>("MemoPodmienka")->setPlainText(u"neexistuje = 1"_s);
        strana(2);
        QCOMPARE(m_dialogy->interactions().size(), 1);
        QVERIFY(m_dialogy->interactions()[0].text.contains(u"neexistuje"_s));
        QVERIFY(!m_data->ADOQueryUniZostava->isOpen());
        QCOMPARE(zoznam("ListViewVybrate")->rowCount(), 1);
        QCOMPARE(memo(), u"neexistuje = 1"_s);
    }

    // The breeder reads first, in Slovak, what went wrong; the server's words follow.
    void readingAccountRefusesWhatIsNotReading_data() {
        QTest::addColumn<QString>("podmienka");
        QTest::addColumn<QString>("uvod");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("update after the condition")
            << u"1 = 1; UPDATE uz_vzorka SET mlieko_max = 0"_s
            << u"Príkaz nie je správne zapísaný"_s << u"SQL syntax"_s;
        QTest::newRow("a table that is no source")
            << u"usnecislo IN (SELECT usnecislo FROM uz_vzorka)"_s
            << u"Zostava smie čítať len tieto zdroje: uzkravy, uzjalovice, uzbyky, uzkontroly, "
               u"uzpreblaktacie, uzlaktacie, uzmocovina, uztdm, uztab1ab, zuvyrkravy, uzitkrav. "
               u"Tabuľku uz_vzorka čítať nesmie."_s
            << u"SELECT command denied to user 'tarvelin_zostavy_"_s;
        QTest::newRow("the saved definitions")
            << u"meno IN (SELECT nazov FROM sys_zostavy)"_s
            << u"Zostava smie čítať len tieto zdroje: "_s
            << u"SELECT command denied to user 'tarvelin_zostavy_"_s;
    }

    void readingAccountRefusesWhatIsNotReading() {
        QFETCH(QString, podmienka);
        QFETCH(QString, uvod);
        QFETCH(QString, sprava);
        zvolStlpce({u"meno"_s});
        strana(1);
        komponent<QPlainTextEdit>("MemoPodmienka")->setPlainText(podmienka);
        strana(2);
        QCOMPARE(m_dialogy->interactions().size(), 1);
        const QString text = m_dialogy->interactions()[0].text;
        QVERIFY2(text.startsWith(uvod), qPrintable(text));
        QVERIFY2(text.contains(u"\n\nSpráva servera (chyba "_s), qPrintable(text));
        QVERIFY2(text.contains(sprava), qPrintable(text));
        QCOMPARE(hodnota(u"SELECT SUM(mlieko_max) FROM uz_vzorka"_s).toInt(), 36300);
    }

    void readingAccountMayNotWrite() {
        const QString chyba = failureOf([&] {
            m_data->ADOConnectionUniZostava->execute(u"UPDATE uzkravy SET mlieko_max = 0"_s);
        });
        QVERIFY2(chyba.contains(u"UPDATE command denied to user 'tarvelin_zostavy_"_s),
                 qPrintable(chyba));
        QCOMPARE(hodnota(u"SELECT SUM(mlieko_max) FROM uz_vzorka"_s).toInt(), 36300);
    }

    void savingStoresTheTextsAsTyped() {
        zvolStlpce({u"meno"_s});
        strana(1);
        pridajPodmienku({u"meno"_s, u"="_s, u"O'Neil \\ x"_s});
        strana(2);
        strana(3);
        const QString nazov = u"Najlepšie kravy 'A' \\ B"_s;
        const QString popis = u"tuk ≥ 4,2 % \\'"_s;
        komponent<QLineEdit>("EditNazovVyberu")->setText(nazov);
        komponent<QLineEdit>("EditPopisVyberu")->setText(popis);
        QSignalSpy odoslane(m_data->ADOConnectionTarvelin, &Connection::statementSent);
        komponent<QPushButton>("BitBtnUlozitVyber")->click();
        QCOMPARE(m_dialogy->udalosti, QStringList{u"správa: Výber bol uložený."_s});
        QCOMPARE(m_dialogy->interactions()[0].icon, DialogService::Icon::Information);
        QCOMPARE(odoslane[0][0].toString(),
                 u"INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) VALUES (:Nazov, "
                 u":Popis, :SqlVyraz, now())"_s);

        const QString ulozeny = u"SELECT meno FROM uzkravy WHERE   meno = 'O''Neil \\\\ x'"_s;
        QCOMPARE(hodnota(u"SELECT CONCAT(nazov, '|', popis, '|', sqlvyraz) FROM sys_zostavy"_s)
                     .toString(),
                 nazov + u'|' + popis + u'|' + ulozeny);
        // The list is read again, here and in the main window's drop-down.
        Query* zostavy = m_data->ADOQueryUniZostavy;
        QCOMPARE(zostavy->recordCount(), 1);
        QCOMPARE(zostavy->text(u"nazov"_s), nazov);
        QCOMPARE(komponent<DBGrid>("DBGridVybery")->model()->rowCount(), 1);

        // What was stored runs again as it ran here.
        m_dialogy->answerModal(QDialog::Rejected);
        komponent<QPushButton>("BitBtnVytvorenieZostavy")->click();
        QCOMPARE(m_dialogy->interactions().constLast().objectName, u"FormZostava"_s);
        QCOMPARE(m_prehliadac->windowTitle(), u"["_s + nazov + u"] "_s + popis);
        QCOMPARE(m_data->ADOQueryUniZostava->recordCount(), 0);
        m_db->exec(u"DELETE FROM sys_zostavy"_s);
        m_data->ADOQueryUniZostavy->reopen();
    }

    void savedListNeedsAMoveBeforeOpeningOrDeleting() {
        m_db->exec(u"INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) VALUES "
                   u"('Kravy', 'všetky', 'SELECT meno FROM uzkravy', now())"_s);
        m_data->ADOQueryUniZostavy->reopen();
        m_form = std::make_unique<TFormUniverzalnaZostava>(*m_data, *m_prehliadac, u"© test"_s,
                                                           u"208123"_s);
        m_form->show();
        strana(3);
        komponent<QPushButton>("BitBtnVytvorenieZostavy")->click();
        komponent<QPushButton>("BitBtnVymazanieZostavy")->click();
        QCOMPARE(m_dialogy->interactions().size(), 0);

        // The only row is already the current one; clicking it chooses it.
        DBGrid* vybery = komponent<DBGrid>("DBGridVybery");
        QTest::mouseClick(vybery->viewport(), Qt::LeftButton, {},
                          vybery->visualRect(vybery->model()->index(0, 1)).center());
        m_dialogy->answerModal(QDialog::Rejected);
        komponent<QPushButton>("BitBtnVytvorenieZostavy")->click();
        QCOMPARE(m_prehliadac->IdZostavy, hodnota(u"SELECT zostava_id FROM sys_zostavy"_s).toInt());
        QCOMPARE(m_prehliadac->TextCopyright, u"© test"_s);
        QCOMPARE(m_prehliadac->KodPodniku, u"208123"_s);
        QCOMPARE(m_prehliadac->windowTitle(), u"[Kravy] všetky"_s);
        // The output query is shared: the builder now shows what the viewer ran.
        QCOMPARE(prikaz(), u"SELECT meno FROM uzkravy"_s);
        m_db->exec(u"DELETE FROM sys_zostavy"_s);
        m_data->ADOQueryUniZostavy->reopen();
    }

    void deletingAsksCommitsAndThenSaysSo() {
        m_db->exec(u"INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) VALUES "
                   u"('Bez mena', '', 'SELECT 1', now()), ('Kravy', '', 'SELECT 2', now())"_s);
        m_data->ADOQueryUniZostavy->reopen();
        strana(3);
        Query* zostavy = m_data->ADOQueryUniZostavy;
        zostavy->setCurrentRow(1);
        const int id = zostavy->value(u"zostava_id"_s).toInt();

        m_dialogy->answerButton(DialogService::No);
        komponent<QPushButton>("BitBtnVymazanieZostavy")->click();
        QCOMPARE(m_dialogy->udalosti, QStringList{u"správa: Naozaj zmazať zostavu „Kravy“?"_s});
        QCOMPARE(m_dialogy->interactions()[0].icon, DialogService::Icon::Question);
        QCOMPARE(hodnota(u"SELECT COUNT(*) FROM sys_zostavy"_s).toInt(), 2);

        m_dialogy->udalosti.clear();
        connect(m_data->ADOConnectionTarvelin, &Connection::statementSent, m_form.get(),
                [&](const QString& sql) { m_dialogy->udalosti << sql; });
        m_dialogy->answerButton(DialogService::Yes);
        komponent<QPushButton>("BitBtnVymazanieZostavy")->click();
        QCOMPARE(m_dialogy->udalosti.mid(0, 5),
                 (QStringList{u"správa: Naozaj zmazať zostavu „Kravy“?"_s, u"START TRANSACTION"_s,
                              u"DELETE FROM sys_zostavy WHERE zostava_id = %1"_s.arg(id),
                              u"COMMIT"_s, u"správa: Zostava je zmazaná"_s}));
        QCOMPARE(m_dialogy->interactions().constLast().icon, DialogService::Icon::Information);
        QCOMPARE(hodnota(u"SELECT COUNT(*) FROM sys_zostavy"_s).toInt(), 1);
        QCOMPARE(zostavy->recordCount(), 1);
        QCOMPARE(zostavy->text(u"nazov"_s), u"Bez mena"_s);
        m_db->exec(u"DELETE FROM sys_zostavy"_s);
        m_data->ADOQueryUniZostavy->reopen();
    }

    void missingSourceIsNamedAsMissing() {
        m_db->exec(u"DROP VIEW uzitkrav"_s);
        komponent<RadioGroup>("RadioGroupTypUdajov")->findChildren<QRadioButton*>()[10]->click();
        m_db->exec(u"CREATE VIEW uzitkrav AS SELECT * FROM uz_vzorka"_s);
        QCOMPARE(m_dialogy->udalosti,
                 QStringList{u"správa: Tabuľka uzitkrav v databáze neexistuje."_s});
        QCOMPARE(zoznam("ListViewStlpce")->rowCount(), 0);
        QCOMPARE(zoznam("ListViewStlpcePodmienky")->rowCount(), 0);
    }

    void cleanupTestCase() {
        m_prehliadac.reset();
        m_projekt.reset();
        m_data.reset();
        m_db.reset();
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TDataModuleHlavny> m_data;
    ReportSystem m_system;
    ReportConnections m_spojenia;
    std::unique_ptr<ReportProject> m_projekt;
    std::unique_ptr<TFormZostava> m_prehliadac;
    std::unique_ptr<ZaznamUdalosti> m_dialogy;
    std::unique_ptr<TFormUniverzalnaZostava> m_form;
};

QTEST_MAIN(TestUniverzalnaZostava)
#include "tst_univerzalnazostava.moc"
