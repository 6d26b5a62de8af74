#include "StromChovov.h"

#include "app/ProgramInstances.h"
#include "app/TFormHlavny.h"
#include "app/TFrameInfo.h"
#include "app/art/TarvelinIcons.h"
#include "data/DatabaseError.h"
#include "data/TDataModuleHlavny.h"
#include "reports/KodChovatela.h"
#include "reports/PripravaZostav.h"
#include "reports/TDataModuleTabulky.h"
#include "views/byk/TFrameByk.h"
#include "views/krava/TFrameKrava.h"
#include "views/zvierata/TFrameZvierata.h"
#include "widgets/DialogService.h"
#include "widgets/StatusPanelBar.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTreeWidget>

namespace {

QString s(const char* text) {
    return QString::fromUtf8(text);
}

constexpr int obrazokRole = Qt::UserRole;

/// Upper case for ASCII letters only, as the search compares ear numbers and node texts.
QString asciiVelkymi(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

/// Runs one statement of the tree build on a temporary query of the program's connection.
std::unique_ptr<Query> docasnyDotaz(Connection* spojenie, const QString& sql) {
    auto dotaz = std::make_unique<Query>(spojenie);
    dotaz->setSql({sql});
    return dotaz;
}

} // namespace

StromChovov::StromChovov(TFormHlavny& okno, ProgramInstances& instancie)
    : QObject(&okno)
    , m_okno(okno)
    , m_instancie(instancie) {}

QTreeWidgetItem* StromChovov::novyUzol(const QString& text, Obrazok obrazok) {
    auto* uzol = new QTreeWidgetItem({text});
    uzol->setData(0, obrazokRole, int(obrazok));
    uzol->setIcon(0, TarvelinIcons::tree(obrazok));
    return uzol;
}

QTreeWidgetItem* StromChovov::pridajUzol(QTreeWidgetItem* rodic, const QString& text,
                                         Obrazok obrazok) {
    QTreeWidgetItem* uzol = novyUzol(text, obrazok);
    if (rodic)
        rodic->addChild(uzol);
    else
        m_okno.TreeViewZvierata->addTopLevelItem(uzol);
    return uzol;
}

int StromChovov::obrazokUzla(const QTreeWidgetItem* uzol) {
    return uzol ? uzol->data(0, obrazokRole).toInt() : -1;
}

QString StromChovov::kodUzla(const QTreeWidgetItem* uzol) {
    const QString text = uzol->text(0);
    const qsizetype medzera = text.indexOf(QLatin1Char(' '));
    return medzera < 0 ? text : text.mid(medzera + 1);
}

void StromChovov::NaplnStrom(const QString& kod) {
    m_okno.LabelVyber->setText(s("Výber pre podnik: ") + kod);
    m_okno.StatusBarHlavny->setPanelText(0, s("Vyberám dáta pre podnik ") + kod);

    QTreeWidget* strom = m_okno.TreeViewZvierata;
    auto* priebeh = new QProgressBar(m_okno.StatusBarStrom);
    priebeh->setGeometry(0, 0, m_okno.StatusBarStrom->width(), m_okno.StatusBarStrom->height());
    priebeh->setRange(0, 0);
    priebeh->setTextVisible(false);
    {
        // The change handler must not see the nodes go one by one.
        const QSignalBlocker ticho(strom);
        strom->clear();
    }
    try {
        m_okno.StatusBarStrom->show();
        priebeh->show();
        m_pocetZvierat = 0;
        QTreeWidgetItem* koren = pridajUzol(nullptr, s("Podnik: ") + kod, Farma);
        Connection* spojenie = m_instancie.DataModuleHlavny->ADOConnectionTarvelin;
        auto chovy =
            docasnyDotaz(spojenie, s("SELECT DISTINCT substring(chovatel, 7, 2) AS chov FROM "
                                     "kravy_view WHERE substring(chovatel, 1, 6) = '") +
                                       KodChovatela::overeny(kod) + QLatin1Char('\''));
        chovy->open();
        priebeh->setRange(0, chovy->recordCount());
        for (; !chovy->eof(); chovy->next()) {
            QApplication::processEvents();
            naplnChov(koren, kod, chovy->text(s("CHOV")));
            priebeh->setValue(priebeh->value() + 1);
        }
    } catch (const std::exception& chyba) {
        DialogService::instance().error(s("Chyba: ") + QString::fromUtf8(chyba.what()));
    }
    delete priebeh;
    m_okno.StatusBarStrom->hide();
    m_okno.StatusBarHlavny->setPanelText(0, s("Počet zvierat: ") + QString::number(m_pocetZvierat));
}

void StromChovov::naplnChov(QTreeWidgetItem* koren, const QString& kod, const QString& chov) {
    Connection* spojenie = m_instancie.DataModuleHlavny->ADOConnectionTarvelin;
    QTreeWidgetItem* uzolChovu = pridajUzol(koren, s("Chov: ") + kod + chov, Farma);
    const QString kodChovu = KodChovatela::overeny(kod + chov);
    auto mastale =
        docasnyDotaz(spojenie, s("SELECT DISTINCT substring(chovatel, 9, 1) AS mastal FROM "
                                 "kravy_view WHERE substring(chovatel, 1, 8) = '") +
                                   kodChovu + QLatin1Char('\''));
    mastale->open();
    for (; !mastale->eof(); mastale->next()) {
        const QString kodMastale = KodChovatela::overeny(kodChovu + mastale->text(s("mastal")));
        QTreeWidgetItem* uzolMastale = pridajUzol(uzolChovu, kodMastale, Mastal);
        auto zvierata =
            docasnyDotaz(spojenie, s("SELECT krava_id, usnecislo, pohlavie, meno, chovatel "
                                     "FROM kravy_view WHERE chovatel = '") +
                                       kodMastale + QLatin1Char('\''));
        zvierata->open();
        // Children are handed to the barn in one go: one by one, the tree view's bookkeeping
        // grows with the number of siblings and a 10,000-cow enterprise builds several times
        // slower. Animals read before an error still reach the tree.
        QList<QTreeWidgetItem*> zvieraUzly;
        try {
            for (; !zvierata->eof(); zvierata->next()) {
                bool jeCislo = false;
                const int pohlavie = zvierata->text(s("pohlavie")).toInt(&jeCislo);
                if (!jeCislo)
                    throw DatabaseError(s("Pohlavie zvieraťa %1 nie je číslo.")
                                            .arg(zvierata->text(s("usnecislo"))));
                zvieraUzly.append(
                    novyUzol(zvierata->text(s("usnecislo")), pohlavie == 1 ? Byk : Krava));
                ++m_pocetZvierat;
            }
        } catch (...) {
            uzolMastale->addChildren(zvieraUzly);
            throw;
        }
        uzolMastale->addChildren(zvieraUzly);
    }
}

void StromChovov::TreeViewZvierataChange(QTreeWidgetItem* uzol) {
    if (!uzol)
        return;
    m_okno.showOnlyFrame(nullptr);
    switch (obrazokUzla(uzol)) {
    case Farma:
    case Mastal:
        return vyberChovu(uzol);
    case Krava:
        return vyberKravy(uzol);
    case Byk:
        return vyberByka(uzol);
    default:
        return;
    }
}

void StromChovov::vyberChovu(QTreeWidgetItem* uzol) {
    StavZostav& stav = m_okno.stavZostav;
    stav.KodVyberu = kodUzla(uzol);
    TFrameZvierata* ramec = m_okno.FrameZvierata;
    ramec->AktualnyKod = stav.KodVyberu;
    switch (ramec->viditelnaZalozka()) {
    case 0:
        ramec->NacitajZvierata(stav.KodVyberu);
        break;
    case 1:
    case 2:
        ramec->NacitajKontroly(stav.KodVyberu, 30);
        break;
    case 3:
        ramec->NacitajLaktacie(stav.KodVyberu);
        break;
    case 4:
        ramec->NacitajPrebiehajuceLaktacie(stav.KodVyberu);
        break;
    default:
        break;
    }
    PripravaZostav(*m_instancie.DataModuleTabulky, stav).PripravParametre();

    Query* hlavicka = m_instancie.DataModuleTabulky->ADOQueryHlavicka;
    QString druh;
    QString nazov;
    switch (stav.KodVyberu.size()) {
    case 6:
        druh = s("podnik");
        nazov = hlavicka->text(s("nazov_podniku"));
        break;
    case 8:
        druh = s("chov");
        break;
    case 9:
        druh = s("maštaľ");
        nazov = hlavicka->text(s("nazov_mastale"));
        break;
    default:
        break;
    }
    m_okno.LabelVyber->setText(s("Výber pre ") + druh + s(": ") + stav.KodVyberu +
                               QLatin1Char(' ') + nazov);
    ramec->show();

    Query pocet(m_instancie.DataModuleHlavny->ADOConnectionTarvelin);
    pocet.setSql({s("SELECT krava_id, usnecislo, pohlavie, meno, chovatel FROM kravy_view WHERE "
                    "substring(chovatel, 1, :pDlzka) = '") +
                  KodChovatela::overeny(stav.KodVyberu) + QLatin1Char('\'')});
    pocet.setParameter(s("pDlzka"), int(stav.KodVyberu.size()));
    pocet.open();
    m_okno.StatusBarHlavny->setPanelText(0, s("Počet zvierat: ") +
                                                QString::number(pocet.recordCount()));
}

void StromChovov::vyberKravy(QTreeWidgetItem* uzol) {
    const QString usneCislo = uzol->text(0);
    m_okno.VybraneUsneCislo = usneCislo;
    TFrameKrava* karta = m_okno.FrameKrava;
    karta->AktualneUsneCislo = usneCislo;
    switch (karta->viditelnaZalozka()) {
    case 0:
        karta->NacitajKravu(usneCislo);
        break;
    case 1:
        karta->NacitajRodokmen(usneCislo);
        break;
    case 2:
        karta->NacitajKontroly(usneCislo, 0);
        break;
    case 3:
        karta->NacitajLaktacnuKrivku(usneCislo, karta->ComboBoxPoradieLaktacie->currentIndex() + 1);
        break;
    case 4:
        karta->NacitajProdukciuCUK(usneCislo);
        break;
    default:
        break;
    }
    m_okno.LabelVyber->setText(s("Výber pre kravu: ") + usneCislo);
    karta->show();
}

void StromChovov::vyberByka(QTreeWidgetItem* uzol) {
    // Rather than leave the right side empty, a male animal shows what the database knows of it.
    const QString usneCislo = uzol->text(0);
    m_okno.VybraneUsneCislo = usneCislo;
    m_okno.FrameByk->NacitajByka(usneCislo);
    m_okno.LabelVyber->setText(s("Výber pre býka: ") + usneCislo);
    m_okno.FrameByk->show();
}

QString StromChovov::doplnUsneCislo(const QString& text) {
    if (text.size() >= 14)
        return text;
    const qsizetype nuly = 14 - text.size() - 2;
    return s("SK") + QString(std::max<qsizetype>(nuly, 0), QLatin1Char('0')) + text;
}

void StromChovov::EditHladajExit() {
    m_okno.EditHladaj->setText(doplnUsneCislo(m_okno.EditHladaj->text()));
}

void StromChovov::BitBtnHladajClick() {
    // Pressing Enter in the box does not move the focus, so complete the number here as well.
    EditHladajExit();
    const QString text = m_okno.EditHladaj->text();
    m_okno.VybraneUsneCislo = text;
    if (QTreeWidgetItem* uzol = NajdiUzol(m_okno.TreeViewZvierata, text)) {
        m_okno.TreeViewZvierata->setFocus();
        m_okno.TreeViewZvierata->setCurrentItem(uzol);
        m_okno.EditHladaj->clear();
        return;
    }
    DialogService::instance().information(s("Nenašiel som zviera s ušným číslom ") + text);
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
    const auto kod =
        DialogService::instance().inputText(s("Zmena okresu"), s("Kod okresu:"), QString());
    NaplnStrom(kod.value_or(QString()));
}
