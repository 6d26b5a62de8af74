#include "app/SpustenieProgramu.h"
#include "data/SlovakLocale.h"
#include "widgets/GuardedApplication.h"

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    application.setApplicationName(u"tarvelin"_s);
    // The desktop finds the window's menu entry and icon by the entry's name.
    application.setDesktopFileName(QString::fromUtf8(TARVELIN_DESKTOP_ID));
    SlovakLocale::install(application);
    return SpustenieProgramu().spusti();
}
