#include "app/SpustenieProgramu.h"
#include "data/SlovakLocale.h"
#include "widgets/GuardedApplication.h"

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    application.setApplicationName(u"tarvelin"_s);
    SlovakLocale::install(application);
    return SpustenieProgramu().spusti();
}
