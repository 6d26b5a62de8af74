#include "SpustenieProgramu.h"

#include "TFormHlavny.h"
#include "TFormOAplikacii.h"
#include "TFormSplashScreen.h"
#include "VerziaProgramu.h"
#include "app/art/ProgramIcon.h"
#include "data/ConfigError.h"
#include "data/ConfigFile.h"
#include "data/TDataModuleHlavny.h"
#include "demo/DemoHerd.h"
#include "reports/TDataModuleTabulky.h"
#include "reports/dialogy/TFormHraniceOdDo.h"
#include "reports/dialogy/TFormParametreTab10.h"
#include "reports/dialogy/TFormParametreTab8.h"
#include "unireport/TFormZostava.h"
#include "widgets/DialogService.h"

#include <QApplication>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

SpustenieProgramu::SpustenieProgramu() = default;

SpustenieProgramu::~SpustenieProgramu() {
    // The main window writes the configuration as it goes; the data modules go last, since
    // the windows still hold their datasets.
    m_formHraniceOdDo.reset();
    m_formParametreTab8.reset();
    m_formZostava.reset();
    m_formParametreTab10.reset();
    m_formHlavny.reset();
    m_formOAplikacii.reset();
    m_dataModuleTabulky.reset();
    m_dataModuleHlavny.reset();
    m_databaza.release();
}

bool SpustenieProgramu::zacni() {
    try {
        VerziaProgramu::nastav(ConfigFile::read(ConfigFile::aplikacia, u"Verzia"_s));
    } catch (const ConfigError& error) {
        DialogService::instance().error(u"Chyba: "_s + QString::fromUtf8(error.what()));
        VerziaProgramu::nastav(QString());
    }

    auto splash = std::make_unique<TFormSplashScreen>();
    splash->nastavVerziu(VerziaProgramu::text());
    splash->show();
    splash->repaint();
    // One pass so that the window system maps the splash; nothing else exists yet to react.
    QApplication::processEvents();

    QApplication::setApplicationDisplayName(u"Tarvelin HD"_s);
    QApplication::setWindowIcon(ProgramIcon::icon());

    try {
        vytvorInstancie([&splash](const QString& cinnost) { splash->ukazCinnost(cinnost); });
        splash->ukazCinnost({});
    } catch (const std::exception& error) {
        splash.reset();
        DialogService::instance().error(QString::fromUtf8(error.what()));
        return false;
    }

    QThread::msleep(zdrzanieUvoduMs);
    splash->hide();
    return true;
}

void SpustenieProgramu::vytvorInstancie(const DatabaseLocation::Progress& priebeh) {
    m_databaza = DatabaseLocation::fromConfig();
    const ConnectionSettings settings = m_databaza.prepare(&DemoHerd::generateFirstStart, priebeh);

    m_dataModuleHlavny = std::make_unique<TDataModuleHlavny>(settings);
    m_instancie.DataModuleHlavny = m_dataModuleHlavny.get();
    m_formHlavny = std::make_unique<TFormHlavny>(m_instancie);
    m_instancie.FormHlavny = m_formHlavny.get();
    m_formOAplikacii = std::make_unique<TFormOAplikacii>();
    m_instancie.FormOAplikacii = m_formOAplikacii.get();
    m_dataModuleTabulky =
        std::make_unique<TDataModuleTabulky>(m_dataModuleHlavny->ADOConnectionTarvelin);
    m_instancie.DataModuleTabulky = m_dataModuleTabulky.get();
    m_dataModuleTabulky->RvSystemTabulky.setFrontEnd(m_formHlavny->rozhranieZostav());
    m_formParametreTab10 = std::make_unique<TFormParametreTab10>();
    m_instancie.FormParametreTab10 = m_formParametreTab10.get();
    m_formZostava =
        std::make_unique<TFormZostava>(*m_dataModuleHlavny, m_formHlavny->projektZostavy());
    m_instancie.FormZostava = m_formZostava.get();
    m_formParametreTab8 = std::make_unique<TFormParametreTab8>();
    m_instancie.FormParametreTab8 = m_formParametreTab8.get();
    m_formHraniceOdDo = std::make_unique<TFormHraniceOdDo>();
    m_instancie.FormHraniceOdDo = m_formHraniceOdDo.get();
}

int SpustenieProgramu::spusti() {
    if (!zacni())
        return 1;
    m_formHlavny->showMaximized();
    return QApplication::exec();
}
