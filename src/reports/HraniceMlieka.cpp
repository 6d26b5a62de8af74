#include "HraniceMlieka.h"

#include "ChybaVstupu.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

double kilogramy(const QString& text) {
    if (text.trimmed().isEmpty())
        throw ChybaVstupu(u"Chýba hranica mlieka: zadajte nezáporné číslo v kg."_s);
    QString cislo = text;
    cislo.remove(u' ').remove(QChar(0x00A0)).remove(QChar(0x202F)).replace(u',', u'.');
    bool ok = false;
    const double hodnota = cislo.toDouble(&ok);
    if (!ok || !std::isfinite(hodnota) || hodnota < 0)
        throw ChybaVstupu(
            u"Neplatná hranica mlieka %1: čaká sa nezáporné číslo v kg."_s.arg(text.trimmed()));
    return hodnota;
}

} // namespace

HraniceMlieka HraniceMlieka::zo(const QString& dolnaText, const QString& hornaText) {
    HraniceMlieka hranice{dolnaText, hornaText, kilogramy(dolnaText), kilogramy(hornaText)};
    if (hranice.dolna > hranice.horna)
        throw ChybaVstupu(u"Dolná hranica mlieka je vyššia ako horná."_s);
    return hranice;
}
