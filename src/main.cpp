#include "app/SpustenieProgramu.h"
#include "data/QuitOnSignal.h"
#include "data/SlovakLocale.h"
#include "widgets/GuardedApplication.h"

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    application.setApplicationName(u"tarvelin"_s);
    // The desktop finds the window's menu entry and icon by the entry's name.
    application.setDesktopFileName(QString::fromUtf8(TARVELIN_DESKTOP_ID));
    SlovakLocale::install(application);
    // The end of the desktop session or Ctrl+C in the terminal ends the program as closing its
    // window does, so that the private server it started does not run on for nobody.
    const QuitOnSignal quitOnSignal;
    return SpustenieProgramu().spusti();
}
