#include "PripravaZostav.h"

#include "KodChovatela.h"
#include "StavZostav.h"
#include "TDataModuleTabulky.h"
#include "ZamokVyberu.h"

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
    parametre->setCommandText(u"UPDATE param SET    chovatel = rpad('"_s +
                              KodChovatela::overeny(m_stav.KodVyberu) + u"', 9, '0'), "_s +
                              u"   pocet_dcer = "_s + QString::number(m_stav.ZadanyPocetDcer));
    parametre->executeStrict();
    m_dataModule.ADOQueryHlavicka->close();
    m_dataModule.ADOQueryHlavicka->open();
}
