#include "StromRodokmena.h"

#include "widgets/DBEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int generacii = 3;
constexpr int riadkovStromu = 8; // the great-grandparents, one row each

} // namespace

const QStringList& StromRodokmena::kody() {
    static const QStringList kody = {u"O"_s,   u"M"_s,   u"OO"_s,  u"MO"_s,  u"OM"_s,
                                     u"MM"_s,  u"OOO"_s, u"MOO"_s, u"OMO"_s, u"MMO"_s,
                                     u"OOM"_s, u"MOM"_s, u"OMM"_s, u"MMM"_s};
    return kody;
}

StromRodokmena::StromRodokmena(Dataset* zdroj, const QStringList& polia,
                               const QString& priponaPopisu, QWidget* parent)
    : QWidget(parent) {
    auto* mriezka = new QGridLayout(this);
    mriezka->setHorizontalSpacing(24);
    qsizetype kod = 0;
    for (int generacia = 0; generacia < generacii; ++generacia) {
        const int predkov = 2 << generacia;
        const int riadkov = riadkovStromu / predkov;
        for (int predok = 0; predok < predkov; ++predok, ++kod) {
            auto* bunka = new QWidget(this);
            auto* stlpec = new QVBoxLayout(bunka);
            stlpec->setContentsMargins(0, 0, 0, 0);
            stlpec->setSpacing(1);
            auto* edit = new DBEdit(bunka);
            edit->setObjectName(u"DBEdit"_s + kody()[kod]);
            edit->setFixedWidth(14 * fontMetrics().horizontalAdvance(u'0') + 16);
            edit->setDataSource(zdroj, polia.value(kod));
            if (kody()[kod].startsWith(u'O')) {
                edit->setToolTip(u"Dvojklikom sa otvorí karta býka"_s);
                edit->installEventFilter(this);
                m_otcovia.append(edit);
            }
            auto* popis = new QLabel(kody()[kod] + priponaPopisu, bunka);
            popis->setBuddy(edit);
            stlpec->addWidget(popis);
            stlpec->addWidget(edit);
            mriezka->addWidget(bunka, predok * riadkov, generacia, riadkov, 1, Qt::AlignVCenter);
        }
    }
    mriezka->setColumnStretch(generacii, 1);
}

bool StromRodokmena::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* otec = qobject_cast<QLineEdit*>(watched);
        if (otec && m_otcovia.contains(otec) && !otec->text().trimmed().isEmpty()) {
            Q_EMIT otecZvoleny(otec->text().trimmed());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
