#include "SkupinaUdajov.h"

#include "data/Dataset.h"
#include "widgets/DBEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

/// Characters an edit box gives a field when its declaration tells nothing better.
constexpr int predvolenaSirka = 8;
constexpr int najsirsiText = 20;

int znakovPola(const FieldDef& pole) {
    if (!pole.displayFormat.isEmpty())
        return int(pole.displayFormat.size()) + 1;
    switch (pole.kind) {
    case FieldKind::Text:
    case FieldKind::FixedText:
        return std::clamp(pole.size, 2, najsirsiText);
    case FieldKind::Date:
        return 10;
    case FieldKind::DateTime:
        return 16;
    case FieldKind::SmallInt:
        return 4;
    case FieldKind::Decimal:
        return 6;
    default:
        return predvolenaSirka;
    }
}

} // namespace

SkupinaUdajov::SkupinaUdajov(const QString& popis, Dataset* zdroj, int poloziekVRiadku,
                             QWidget* parent, const QString& priponaMien)
    : QGroupBox(popis, parent)
    , m_zdroj(zdroj)
    , m_priponaMien(priponaMien)
    , m_poloziekVRiadku(poloziekVRiadku)
    , m_rozlozenie(new QGridLayout(this)) {
    m_rozlozenie->setHorizontalSpacing(10);
    m_rozlozenie->setVerticalSpacing(1);
    m_rozlozenie->setColumnStretch(poloziekVRiadku, 1);
}

QString SkupinaUdajov::menoEditu(const QString& pole) {
    QString meno = u"DBEdit"_s;
    for (const QString& cast : pole.split(u'_', Qt::SkipEmptyParts))
        meno += cast.left(1).toUpper() + cast.mid(1).toLower();
    return meno;
}

QList<DBEdit*> SkupinaUdajov::pridajPolia(const QString& popis, const QStringList& polia,
                                          const QString& meno) {
    QList<DBEdit*> edity;
    QList<QWidget*> ovladace;
    for (const QString& pole : polia) {
        auto* edit = new DBEdit(this);
        edit->setObjectName(edity.isEmpty() && !meno.isEmpty() ? meno
                                                               : menoEditu(pole) + m_priponaMien);
        edit->setFixedWidth(sirkaPola(pole));
        edit->setDataSource(m_zdroj, pole);
        edity.append(edit);
        ovladace.append(edit);
    }
    pridaj(popis, ovladace);
    return edity;
}

void SkupinaUdajov::pridaj(const QString& popis, const QList<QWidget*>& ovladace) {
    const int riadok = (m_poloziek / m_poloziekVRiadku) * 2;
    const int stlpec = m_poloziek % m_poloziekVRiadku;
    ++m_poloziek;

    auto* oznacenie = new QLabel(popis, this);
    m_rozlozenie->addWidget(oznacenie, riadok, stlpec, Qt::AlignLeft | Qt::AlignBottom);
    auto* vedla = new QHBoxLayout;
    vedla->setSpacing(3);
    for (QWidget* ovladac : ovladace)
        vedla->addWidget(ovladac);
    vedla->addStretch();
    m_rozlozenie->addLayout(vedla, riadok + 1, stlpec, Qt::AlignTop);
    if (!ovladace.isEmpty())
        oznacenie->setBuddy(ovladace.first());
}

int SkupinaUdajov::sirkaPola(const QString& pole) const {
    int znakov = predvolenaSirka;
    for (const FieldDef& deklarovane : m_zdroj->declaredFields())
        if (deklarovane.name.compare(pole, Qt::CaseInsensitive) == 0)
            znakov = znakovPola(deklarovane);
    return znakov * fontMetrics().horizontalAdvance(u'0') + 12;
}
