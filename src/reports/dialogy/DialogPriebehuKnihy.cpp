#include "DialogPriebehuKnihy.h"

#include "reports/PolozkaKatalogu.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

DialogPriebehuKnihy::DialogPriebehuKnihy(QWidget* parent)
    : QProgressDialog(parent) {
    setObjectName(u"DialogPriebehuKnihy"_s);
    setWindowTitle(u"Kniha bonitačných zostáv"_s);
    setCancelButtonText(u"&Zrušiť"_s);
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    setMinimumWidth(460);
    setAutoReset(false);
    setAutoClose(false);
}

bool DialogPriebehuKnihy::pred(int poradie, int pocet, const PolozkaKatalogu& polozka) {
    setMaximum(pocet);
    setValue(poradie - 1);
    setLabelText(u"Pripravuje sa zostava %1 z %2:\n%3"_s.arg(poradie).arg(pocet).arg(
        polozka.popis.trimmed()));
    show();
    // The reports run on this thread: the dialog is drawn, and a click on its button heard,
    // between them.
    QCoreApplication::processEvents();
    return !wasCanceled();
}

void DialogPriebehuKnihy::koniec() {
    setValue(maximum());
    hide();
}
