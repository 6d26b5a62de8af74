#include "app/SpustenieProgramu.h"
#include "widgets/GuardedApplication.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    application.setApplicationName(u"tarvelin"_s);
    // Dates and numbers read as a Slovak breeder writes them, whatever the desktop's language.
    QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
    return SpustenieProgramu().spusti();
}
