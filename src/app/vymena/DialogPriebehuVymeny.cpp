#include "DialogPriebehuVymeny.h"

#include "exchange/ChybaVymeny.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// The bar counts in thousandths, since a file's bytes do not fit an int.
constexpr int kDielov = 1000;

} // namespace

DialogPriebehuVymeny::DialogPriebehuVymeny(const QString& titul, QWidget* parent)
    : QProgressDialog(parent) {
    setObjectName(u"DialogPriebehuVymeny"_s);
    setWindowTitle(titul);
    setCancelButtonText(u"&Zrušiť"_s);
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(0);
    setMinimumWidth(420);
    setAutoReset(false);
    setAutoClose(false);
    setRange(0, 0);
}

PriebehVymeny DialogPriebehuVymeny::priebeh() {
    return [this](const QString& krok, qint64 hotovo, qint64 celkom) {
        hlas(krok, hotovo, celkom);
    };
}

void DialogPriebehuVymeny::hlas(const QString& krok, qint64 hotovo, qint64 celkom) {
    setLabelText(krok);
    if (celkom > 0) {
        setRange(0, kDielov);
        setValue(int(hotovo * kDielov / celkom));
    } else {
        // A step whose length nobody knows shows the bar busy.
        setRange(0, 0);
    }
    if (!isVisible())
        show();
    QCoreApplication::processEvents();
    if (wasCanceled())
        throw ZrusenaVymena(u"Prenos dát bol zrušený."_s);
}
