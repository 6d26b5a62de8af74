#include "StromChovov.h"

#include "DotazyStromu.h"
#include "app/art/TarvelinIcons.h"
#include "data/DatabaseError.h"
#include "data/Query.h"
#include "widgets/DialogService.h"
#include "widgets/GuardedHandler.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int obrazokRole = Qt::UserRole;
/// A barn's number of animals, as the build counted them.
constexpr int pocetRole = Qt::UserRole + 1;
/// Set on a barn whose animals were not read yet.
constexpr int nenaplnenaRole = Qt::UserRole + 2;

struct MastalSPoctom {
    QString kod;
    int pocet;
};

struct ChovSMastalami {
    QString kod;
    QList<MastalSPoctom> mastale;
};

/// The rows of the grouped statement gathered by herd, in the statement's order.
QList<ChovSMastalami> chovyPodniku(Query& mastale, const QString& podnik) {
    QList<ChovSMastalami> chovy;
    for (; !mastale.eof(); mastale.next()) {
        const QString chov = podnik + mastale.text(u"CHOV"_s);
        if (chovy.isEmpty() || chovy.last().kod != chov)
            chovy.append({chov, {}});
        chovy.last().mastale.append(
            {chov + mastale.text(u"mastal"_s), mastale.value(u"pocet"_s).toInt()});
    }
    return chovy;
}

/// Upper case for ASCII letters only, as the search compares ear numbers and node texts.
QString asciiVelkymi(const QString& text) {
    QString vysledok = text;
    for (QChar& c : vysledok)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 'a' + 'A');
    return vysledok;
}

} // namespace

StromChovov::StromChovov(QTreeWidget* strom, QLineEdit* hladaj, QPushButton* hladajTlacidlo,
                         Connection* spojenie, QObject* parent)
    : QObject(parent)
    , m_strom(strom)
    , m_hladaj(hladaj)
    , m_spojenie(spojenie) {
    for (int obrazok = 0; obrazok < int(m_obrazky.size()); ++obrazok)
        m_obrazky[std::size_t(obrazok)] = TarvelinIcons::tree(obrazok);
    connect(m_strom, &QTreeWidget::currentItemChanged, this,
            guarded(this, &StromChovov::TreeViewZvierataChange));
    // However a barn is opened: a click on its sign, the keyboard, or selecting it.
    connect(m_strom, &QTreeWidget::itemExpanded, this, guarded(this, &StromChovov::naplnMastal));
    connect(m_strom, &QTreeWidget::itemClicked, this,
            guarded(this, &StromChovov::TreeViewZvierataClick));
    connect(m_strom, &QTreeWidget::itemActivated, this,
            guarded(this, &StromChovov::TreeViewZvierataClick));
    // The completion runs when the box loses the focus, as the user leaves it; editingFinished
    // would also come after Enter has run the search and emptied the box.
    m_hladaj->installEventFilter(this);
    connect(m_hladaj, &QLineEdit::returnPressed, this,
            guarded(this, &StromChovov::BitBtnHladajClick));
    connect(hladajTlacidlo, &QPushButton::clicked, this,
            guarded(this, &StromChovov::BitBtnHladajClick));
}

QTreeWidgetItem* StromChovov::novyUzol(const QString& text, Obrazok obrazok) const {
    auto* uzol = new QTreeWidgetItem({text});
    uzol->setData(0, obrazokRole, int(obrazok));
    uzol->setIcon(0, m_obrazky[std::size_t(obrazok)]);
    return uzol;
}

QTreeWidgetItem* StromChovov::pridajUzol(QTreeWidgetItem* rodic, const QString& text,
                                         Obrazok obrazok) {
    QTreeWidgetItem* uzol = novyUzol(text, obrazok);
    if (rodic)
        rodic->addChild(uzol);
    else
        m_strom->addTopLevelItem(uzol);
    return uzol;
}

int StromChovov::obrazokUzla(const QTreeWidgetItem* uzol) {
    return uzol ? uzol->data(0, obrazokRole).toInt() : -1;
}

QString StromChovov::kodUzla(const QTreeWidgetItem* uzol) {
    const QString text = uzol->text(0);
    const qsizetype medzera = text.indexOf(u' ');
    return medzera < 0 ? text : text.mid(medzera + 1);
}

void StromChovov::NaplnStrom(const QString& kod) {
    Q_EMIT budovanieZacate(kod);
    {
        // The change handler must not see the nodes go one by one.
        const QSignalBlocker ticho(m_strom);
        m_strom->clear();
    }
    int pocetZvierat = 0;
    try {
        QTreeWidgetItem* koren = pridajUzol(nullptr, u"Podnik: "_s + kod, Farma);
        const QList<ChovSMastalami> chovy =
            chovyPodniku(*DotazyStromu::mastale(m_spojenie, kod), kod);
        Q_EMIT priebehBudovania(0, int(chovy.size()));
        for (qsizetype hotovo = 0; hotovo < chovy.size(); ++hotovo) {
            QApplication::processEvents();
            const ChovSMastalami& chov = chovy[hotovo];
            QTreeWidgetItem* uzolChovu = pridajUzol(koren, u"Chov: "_s + chov.kod, Farma);
            for (const MastalSPoctom& mastal : chov.mastale) {
                QTreeWidgetItem* uzolMastale = pridajUzol(uzolChovu, mastal.kod, Mastal);
                uzolMastale->setData(0, pocetRole, mastal.pocet);
                uzolMastale->setData(0, nenaplnenaRole, true);
                uzolMastale->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
                pocetZvierat += mastal.pocet;
            }
            Q_EMIT priebehBudovania(int(hotovo + 1), int(chovy.size()));
        }
    } catch (const std::exception& chyba) {
        DialogService::instance().error(u"Chyba: "_s + QString::fromUtf8(chyba.what()));
    }
    Q_EMIT budovanieSkoncene(pocetZvierat);
}

void StromChovov::naplnMastal(QTreeWidgetItem* uzol) {
    // A barn opened by its selection is filled after the selection's load.
    if (obrazokUzla(uzol) != Mastal || !uzol->data(0, nenaplnenaRole).toBool() ||
        uzol == m_vyberany)
        return;
    // Once only, also after an error: what was added stays and is not added twice.
    uzol->setData(0, nenaplnenaRole, false);
    // Children are handed to the barn in one go: one by one, the tree view's bookkeeping grows
    // with the number of siblings and a barn of thousands fills several times slower. Animals
    // read before an error still reach the tree.
    QList<QTreeWidgetItem*> zvieraUzly;
    try {
        for (const auto zvierata = DotazyStromu::zvierata(m_spojenie, uzol->text(0));
             !zvierata->eof(); zvierata->next()) {
            bool jeCislo = false;
            const int pohlavie = zvierata->text(u"pohlavie"_s).toInt(&jeCislo);
            if (!jeCislo)
                throw DatabaseError(
                    u"Pohlavie zvieraťa %1 nie je číslo."_s.arg(zvierata->text(u"usnecislo"_s)));
            zvieraUzly.append(
                novyUzol(zvierata->text(u"usnecislo"_s), pohlavie == 1 ? Byk : Krava));
        }
    } catch (const std::exception& chyba) {
        uzol->addChildren(zvieraUzly);
        // The server failed before the first animal: the barn is read again when next opened.
        const auto* databazy = dynamic_cast<const DatabaseError*>(&chyba);
        if (databazy && databazy->code() != 0 && zvieraUzly.isEmpty())
            uzol->setData(0, nenaplnenaRole, true);
        DialogService::instance().error(u"Chyba: "_s + QString::fromUtf8(chyba.what()));
        return;
    }
    uzol->addChildren(zvieraUzly);
    // Its animals left the herd since the build.
    if (zvieraUzly.isEmpty())
        uzol->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QList<QTreeWidgetItem*> StromChovov::uzlyMastali() const {
    // Barns are the grandchildren of the root; walking only down to them skips the animals.
    QList<QTreeWidgetItem*> mastale;
    for (int k = 0; k < m_strom->topLevelItemCount(); ++k) {
        const QTreeWidgetItem* koren = m_strom->topLevelItem(k);
        for (int c = 0; c < koren->childCount(); ++c)
            for (int m = 0; m < koren->child(c)->childCount(); ++m)
                mastale << koren->child(c)->child(m);
    }
    return mastale;
}

int StromChovov::pocetZvierat(const QString& kod) const {
    int pocet = 0;
    for (const QTreeWidgetItem* mastal : uzlyMastali())
        if (mastal->text(0).startsWith(kod))
            pocet += mastal->data(0, pocetRole).toInt();
    return pocet;
}

void StromChovov::TreeViewZvierataChange(QTreeWidgetItem* uzol, QTreeWidgetItem* predosly) {
    {
        const QScopedValueRollback vyberany(m_vyberany, uzol);
        rozbalJedenUzol(uzol, predosly);
    }
    if (uzol)
        ukazUzol(uzol);
}

void StromChovov::TreeViewZvierataClick(QTreeWidgetItem* uzol) {
    if (m_vyberOpusteny && uzol && uzol == m_strom->currentItem())
        ukazUzol(uzol);
}

void StromChovov::ukazUzol(QTreeWidgetItem* uzol) {
    m_vyberOpusteny = false;
    switch (obrazokUzla(uzol)) {
    case Farma:
        Q_EMIT vybranyKod(kodUzla(uzol));
        return;
    case Mastal:
        Q_EMIT vybranyKod(kodUzla(uzol));
        // With the server gone, the load of the selection has said so and dropped the session:
        // one outage, one message; the barn is read when it is next opened.
        if (m_spojenie->isOpen())
            naplnMastal(uzol);
        return;
    case Krava:
        Q_EMIT vybranaKrava(uzol->text(0));
        return;
    case Byk:
        Q_EMIT vybranyByk(uzol->text(0));
        return;
    default:
        return;
    }
}

QString StromChovov::doplnUsneCislo(const QString& text) {
    if (text.size() >= 14)
        return text;
    const qsizetype nuly = 14 - text.size() - 2;
    return u"SK"_s + QString(std::max<qsizetype>(nuly, 0), u'0') + text;
}

void StromChovov::EditHladajExit() {
    m_hladaj->setText(doplnUsneCislo(m_hladaj->text()));
}

bool StromChovov::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_hladaj && event->type() == QEvent::FocusOut) {
        // Another window coming to front or a context menu does not leave the box.
        const Qt::FocusReason dovod = static_cast<QFocusEvent*>(event)->reason();
        if (dovod != Qt::ActiveWindowFocusReason && dovod != Qt::PopupFocusReason)
            EditHladajExit();
    }
    return QObject::eventFilter(watched, event);
}

void StromChovov::BitBtnHladajClick() {
    // Pressing Enter in the box does not move the focus, so complete the number here as well.
    EditHladajExit();
    const QString text = m_hladaj->text();
    Q_EMIT hladaneUsneCislo(text);
    if (QTreeWidgetItem* uzol = najdiUzol(text)) {
        m_strom->setFocus();
        m_strom->setCurrentItem(uzol);
        m_strom->scrollToItem(uzol);
        m_hladaj->clear();
        return;
    }
    // Sires and culled cows have no node; the database still knows them.
    const DotazyStromu::ZvieraMimoStromu zviera =
        DotazyStromu::zvieraMimoStromu(m_spojenie, asciiVelkymi(text));
    if (zviera.druh != DotazyStromu::Druh::Ziadne) {
        m_hladaj->clear();
        vyberOpusteny();
        if (zviera.druh == DotazyStromu::Druh::Byk)
            Q_EMIT vybranyByk(zviera.usneCislo);
        else
            Q_EMIT vybranaKrava(zviera.usneCislo);
        return;
    }
    DialogService::instance().information(u"Nenašiel som zviera s ušným číslom "_s + text);
}

bool StromChovov::vyberUzol(const QString& text) {
    QTreeWidgetItem* uzol = najdiUzol(text);
    if (uzol)
        m_strom->setCurrentItem(uzol);
    return uzol;
}

QTreeWidgetItem* StromChovov::najdiUzol(const QString& text) {
    if (QTreeWidgetItem* uzol = NajdiUzol(m_strom, text))
        return uzol;
    const QString mastal = DotazyStromu::mastalZvierata(m_spojenie, asciiVelkymi(text));
    if (mastal.isEmpty())
        return nullptr;
    // Only a barn not filled yet can be missing the animal; texts of filled ones were searched.
    for (QTreeWidgetItem* uzol : uzlyMastali()) {
        if (uzol->text(0) == mastal && uzol->data(0, nenaplnenaRole).toBool()) {
            naplnMastal(uzol);
            return NajdiUzol(m_strom, text);
        }
    }
    return nullptr;
}

QTreeWidgetItem* StromChovov::NajdiUzol(QTreeWidget* strom, const QString& text) {
    const QString hladany = asciiVelkymi(text);
    for (QTreeWidgetItemIterator it(strom); *it; ++it)
        if (asciiVelkymi((*it)->text(0)) == hladany)
            return *it;
    return nullptr;
}

void StromChovov::rozbalJedenUzol(QTreeWidgetItem* vybrany, QTreeWidgetItem* predosly) {
    // Single-expand: the branch selected before closes unless the new node lies inside it.
    for (QTreeWidgetItem* uzol = predosly; uzol; uzol = uzol->parent()) {
        bool jePredkom = false;
        for (QTreeWidgetItem* p = vybrany; p && !jePredkom; p = p->parent())
            jePredkom = p == uzol;
        if (!jePredkom)
            uzol->setExpanded(false);
    }
    if (vybrany)
        vybrany->setExpanded(true);
}

void StromChovov::MenuItemZmenitOkresClick() {
    const auto kod = DialogService::instance().inputText(u"Zmena okresu"_s, u"Kod okresu:"_s, {});
    NaplnStrom(kod.value_or(QString()));
}
