#include "TFormZostava.h"

#include "core/DotazyUniZostavy.h"
#include "core/TlacUniZostavy.h"
#include "core/VystupZostavy.h"
#include "data/CancelledByUser.h"
#include "data/DatabaseError.h"
#include "data/TDataModuleHlavny.h"
#include "views/spreadsheet/ExportujDoExcelu.h"
#include "widgets/DBGrid.h"
#include "widgets/DesignFont.h"
#include "widgets/DialogService.h"
#include "widgets/ErrorHandler.h"
#include "widgets/GuardedHandler.h"
#include "widgets/LetterIcon.h"
#include "widgets/StatusPanelBar.h"

#include <QAction>
#include <QLocale>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFormZostava::TFormZostava(TDataModuleHlavny& data, ReportProject& RvProjectZostavy,
                           QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , RvProjectZostavy(RvProjectZostavy) {
    setObjectName(u"FormZostava"_s);
    setWindowTitle(u"[Zostava]"_s);
    setFont(DesignFont::make(u"MS Sans Serif"_s, 11));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(870, 640);

    ToolBarZostava = new QToolBar(this);
    ToolBarZostava->setObjectName(u"ToolBarZostava"_s);
    ToolBarZostava->setIconSize(QSize(16, 16));
    ToolButtonExcel =
        tlacidlo("ToolButtonExcel", u"Export do MS Excel"_s, u"XL"_s, QColor(0x1d, 0x6f, 0x42));
    ToolButtonTlacit =
        tlacidlo("ToolButtonTlacit", u"Vytlačiť zostavu"_s, u"T"_s, QColor(0x1f, 0x4e, 0x9a));
    ToolBarZostava->addSeparator();
    ToolButtonZavriet =
        tlacidlo("ToolButtonZavriet", u"Zavrieť zostavu"_s, u"×"_s, QColor(0xb0, 0x20, 0x20));

    DBGridZostava = new DBGrid(this);
    DBGridZostava->setObjectName(u"DBGridZostava"_s);
    // A cell is selected, not a row: the columns are the subject here.
    DBGridZostava->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGridZostava->setDataset(m_data.ADOQueryUniZostava);

    // The last panel holds a date and a time, which 100 pixels cut off, and the first the word
    // for rows not read.
    StatusBarZostava = new StatusPanelBar({140, 200, 310, 200}, this);
    StatusBarZostava->setObjectName(u"StatusBarZostava"_s);
    StatusBarZostava->setPanelText(0, u"Záznamov:"_s);
    StatusBarZostava->setPanelText(1, u"Názov:"_s);
    StatusBarZostava->setPanelText(2, u"Popis:"_s);
    StatusBarZostava->setPanelText(3, u"Vytvorená:"_s);

    auto* rozlozenie = new QVBoxLayout(this);
    rozlozenie->setContentsMargins(0, 0, 0, 0);
    rozlozenie->setSpacing(0);
    rozlozenie->addWidget(ToolBarZostava);
    rozlozenie->addWidget(DBGridZostava, 1);
    rozlozenie->addWidget(StatusBarZostava);

    connect(ToolButtonExcel, &QAction::triggered, this,
            guarded(this, &TFormZostava::ToolButtonExcelClick));
    connect(ToolButtonTlacit, &QAction::triggered, this,
            guarded(this, &TFormZostava::ToolButtonTlacitClick));
    connect(ToolButtonZavriet, &QAction::triggered, this,
            guarded(this, &TFormZostava::ToolButtonZavrietClick));
}

TFormZostava::~TFormZostava() = default;

QAction* TFormZostava::tlacidlo(const char* meno, const QString& popis, const QString& obrazok,
                                const QColor& farba) {
    QAction* akcia = ToolBarZostava->addAction(LetterIcon::create(obrazok, farba), popis);
    akcia->setObjectName(QLatin1String(meno));
    akcia->setToolTip(popis);
    return akcia;
}

void TFormZostava::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ErrorHandler::run([this] { FormShow(); });
}

void TFormZostava::FormShow() {
    m_zostava = {};
    // Nothing to export or print until the rows are read.
    ToolButtonExcel->setEnabled(false);
    ToolButtonTlacit->setEnabled(false);
    try {
        m_zostava = DotazyUniZostavy::nacitaj(m_data, IdZostavy);

        setWindowTitle(u"["_s + m_zostava.Nazov + u"] "_s + m_zostava.Popis);
        StatusBarZostava->setPanelText(1, u"Názov: "_s + m_zostava.Nazov);
        StatusBarZostava->setPanelText(2, u"Popis: "_s + m_zostava.Popis);
        StatusBarZostava->setPanelText(3, u"Vytvorená: "_s + m_zostava.Modifikovana);

        // A read sent again on a new session (the server gave up waiting while the question
        // was open) does not ask twice.
        bool povolene = false;
        const auto pokracovat = [this, &povolene](std::size_t limit) {
            if (povolene)
                return;
            if (!DialogService::instance().confirm(
                    u"Zostava „%1“ má viac ako %2 riadkov. Načítať aj ďalšie? Veľa riadkov "
                    u"zaberie veľa pamäte a čítanie môže trvať dlho."_s.arg(
                        m_zostava.Nazov, QLocale().toString(qulonglong(limit)))))
                throw CancelledByUser();
            povolene = true;
        };
        VystupZostavy::otvor(*m_data.ADOQueryUniZostava, m_zostava, *m_data.ADOConnectionTarvelin,
                             KodVyberu.isEmpty() ? KodPodniku : KodVyberu, pokracovat);
        StatusBarZostava->setPanelText(
            0, u"Záznamov: "_s + QString::number(m_data.ADOQueryUniZostava->recordCount()));
        ToolButtonExcel->setEnabled(true);
        ToolButtonTlacit->setEnabled(true);
    } catch (const DatabaseError& error) {
        DialogService::instance().error(u"Chyba: "_s + error.message());
    } catch (const CancelledByUser&) {
        StatusBarZostava->setPanelText(0, u"Záznamov: nenačítané"_s);
    }
}

void TFormZostava::ToolButtonExcelClick() {
    ExportujDoExcelu(*m_data.ADOQueryUniZostava, m_zostava.Nazov);
}

void TFormZostava::ToolButtonTlacitClick() {
    QList<double> sirky;
    for (int stlpec = 0; stlpec < DBGridZostava->model()->columnCount(); ++stlpec)
        sirky.append(DBGridZostava->columnWidth(stlpec));
    TlacUniZostavy(RvProjectZostavy).tlac(m_zostava, KodPodniku, TextCopyright, sirky);
}

void TFormZostava::ToolButtonZavrietClick() {
    reject();
}
