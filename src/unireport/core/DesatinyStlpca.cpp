#include "DesatinyStlpca.h"

#include "data/FieldDef.h"

#include <QRegularExpression>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Pravidlo {
    QRegularExpression nazov;
    QString vzor;
};

QRegularExpression nazov(const QString& vzor) {
    return QRegularExpression(u"^(?:"_s + vzor + u")$"_s,
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

QString DesatinyStlpca::vzor(const FieldDef& pole) {
    if (pole.kind != FieldKind::Float && pole.kind != FieldKind::Decimal)
        return {};
    // A sum or a rounded figure the database gives without decimals stays whole.
    if (pole.kind == FieldKind::Decimal && pole.scale == 0)
        return u"0"_s;
    // The first rule whose name fits; a test day's figures come before a lactation's.
    static const std::array<Pravidlo, 7> pravidla{{
        {nazov(u".*perc.*|tuk_prepocitane"_s), u"0.00"_s},
        {nazov(u"mlieko|mlieko_prepocitane|denna_dojivost"_s), u"0.00"_s},
        {nazov(u".*mlieko.*|M(100|200|305)"_s), u"0"_s},
        {nazov(u".*(tuk|biel|laktoza).*|[TB](100|200|305)"_s), u"0.00"_s},
        {nazov(u"bun_elementy|bunky_.*|hmotnost.*|index_perzistencie|index_celkovy|pocet_.*"_s),
         u"0"_s},
        {nazov(u"index_laktacie|mocovina|linearne_skore|vek.*|krv\\d|priemerne_poradie"_s),
         u"0.0"_s},
        {nazov(u".*"_s), u"0.00"_s},
    }};
    for (const Pravidlo& pravidlo : pravidla)
        if (pravidlo.nazov.match(pole.name).hasMatch())
            return pravidlo.vzor;
    return {};
}
