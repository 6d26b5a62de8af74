#pragma once

#include "core/UlozenaZostava.h"

#include <QDialog>

class DBGrid;
class QAction;
class QToolBar;
class ReportProject;
class StatusPanelBar;
class TDataModuleHlavny;

/// The viewer of a saved universal report: it runs the stored SELECT statement and shows its
/// rows with the definition's name, description and time of saving, and exports them to a
/// spreadsheet or prints them with columns laid out as wide as the grid's. One instance lives
/// from start-up to exit; each opening sets the three fields below and shows it modally, and
/// every showing reloads the definition.
class TFormZostava : public QDialog {
    Q_OBJECT
public:
    /// Prints through the main window's project of saved reports.
    TFormZostava(TDataModuleHlavny& data, ReportProject& RvProjectZostavy,
                 QWidget* parent = nullptr);
    ~TFormZostava() override;

    int IdZostavy = 0;
    QString TextCopyright;
    QString KodPodniku;
    /// The enterprise, herd or barn chosen in the tree, whose rows the definition shows; the
    /// enterprise when empty.
    QString KodVyberu;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ToolButtonExcelClick();
    void ToolButtonTlacitClick();
    void ToolButtonZavrietClick();

    QAction* tlacidlo(const char* meno, const QString& popis, const QString& obrazok,
                      const QColor& farba);

    TDataModuleHlavny& m_data;
    ReportProject& RvProjectZostavy;

    /// Nazov, Popis, Modifikovana and SqlVyraz of the definition shown.
    UlozenaZostava m_zostava;

    QToolBar* ToolBarZostava = nullptr;
    QAction* ToolButtonExcel = nullptr;
    QAction* ToolButtonTlacit = nullptr;
    QAction* ToolButtonZavriet = nullptr;
    DBGrid* DBGridZostava = nullptr;
    StatusPanelBar* StatusBarZostava = nullptr;
};
