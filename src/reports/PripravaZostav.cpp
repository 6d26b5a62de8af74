#include "PripravaZostav.h"

#include "KodChovatela.h"
#include "StavZostav.h"
#include "TDataModuleTabulky.h"
#include "ZamokVyberu.h"
#include "data/Command.h"

using namespace Qt::Literals::StringLiterals;

PripravaZostav::PripravaZostav(TDataModuleTabulky& dataModule, StavZostav& stav, QString praca)
    : m_dataModule(dataModule)
    , m_stav(stav)
    , m_praca(std::move(praca)) {}

void PripravaZostav::PripravParametre() {
    if (m_stav.KodVyberu.isEmpty())
        m_stav.KodVyberu = m_stav.KodPodniku;
    Command* parametre = m_dataModule.ADOCommandParametre;
    // Another program could write its own selection between the update and the header read.
    ZamokVyberu zamok(*m_dataModule.connection(),
                      m_praca.isEmpty() ? u"Výber %1"_s.arg(m_stav.KodVyberu) : m_praca);
    zapisVyber(*parametre, m_stav.KodVyberu, m_stav.ZadanyPocetDcer);
    m_dataModule.ADOQueryHlavicka->close();
    m_dataModule.ADOQueryHlavicka->open();
}

void PripravaZostav::zapisVyber(Command& parametre, const QString& kodVyberu,
                                std::optional<int> pocetDcer) {
    QString prikaz = u"UPDATE param SET    chovatel = rpad('"_s + KodChovatela::overeny(kodVyberu) +
                     u"', 9, '0')"_s;
    if (pocetDcer)
        prikaz += u",    pocet_dcer = "_s + QString::number(*pocetDcer);
    parametre.setCommandText(prikaz);
    parametre.executeStrict();
}
