#include "PripravaZostav.h"

#include "KodChovatela.h"
#include "StavZostav.h"
#include "TDataModuleTabulky.h"
#include "ZamokVyberu.h"

PripravaZostav::PripravaZostav(TDataModuleTabulky& dataModule, StavZostav& stav)
    : m_dataModule(dataModule)
    , m_stav(stav) {}

void PripravaZostav::PripravParametre() {
    if (m_stav.KodVyberu.isEmpty())
        m_stav.KodVyberu = m_stav.KodPodniku;
    Command* parametre = m_dataModule.ADOCommandParametre;
    // Another program could write its own selection between the update and the header read.
    ZamokVyberu zamok(*m_dataModule.connection());
    parametre->setCommandText(QStringLiteral("UPDATE param SET    chovatel = rpad('") +
                              KodChovatela::overeny(m_stav.KodVyberu) +
                              QStringLiteral("', 9, '0'), ") + QStringLiteral("   pocet_dcer = ") +
                              QString::number(m_stav.ZadanyPocetDcer));
    parametre->execute();
    m_dataModule.ADOQueryHlavicka->close();
    m_dataModule.ADOQueryHlavicka->open();
}
