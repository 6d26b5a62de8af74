// tarvelin-completion-writer: fills the bash completion of tarvelin-report with the codes of the
// report catalogue and the entries of the best-cows order, so that Tab offers exactly what the
// runner accepts. A build helper; not installed.

#include "data/CheckedSave.h"
#include "reports/KatalogZostav.h"
#include "reports/NajlepsieKravy.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        err << u"Použitie: tarvelin-completion-writer <šablóna> <výstup>"_s << Qt::endl;
        return 2;
    }
    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        err << u"%1: %2"_s.arg(source.fileName(), source.errorString()) << Qt::endl;
        return 1;
    }
    QStringList codes;
    for (const PolozkaKatalogu& polozka : KatalogZostav::polozky())
        if (polozka.jeZostava())
            codes << polozka.kod;
    QStringList orders;
    for (std::size_t i = 0; i < NajlepsieKravy::zoradenia().size(); ++i)
        orders << QString::number(i);
    const QString text = QString::fromUtf8(source.readAll())
                             .replace(u"@TARVELIN_REPORT_CODES@"_s, codes.join(u' '))
                             .replace(u"@TARVELIN_REPORT_ORDERS@"_s, orders.join(u' '));

    if (const QString problem = CheckedSave::writeWhole(arguments[2], text.toUtf8());
        !problem.isEmpty()) {
        err << u"%1: %2"_s.arg(arguments[2], problem) << Qt::endl;
        return 1;
    }
    return 0;
}
