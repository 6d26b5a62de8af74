#pragma once

#include "SpreadsheetApplication.h"

#include <QList>
#include <QStringList>
#include <map>
#include <utility>

/// The spreadsheet program on a desktop without one to automate: it keeps the workbooks it is
/// given and, when released, writes each into an .xlsx file of its own (numbers, dates and
/// texts with the cells' number formats) and, if
/// visible, opens the file in the desktop's spreadsheet program. Where no program opens it, the
/// user is told where the file was saved. A file never replaces another one.
class XlsxSpreadsheetApplication : public SpreadsheetApplication {
public:
    /// Opens a saved file; false when no program could.
    using Opener = std::function<bool(const QString& file)>;

    explicit XlsxSpreadsheetApplication(QString folder = defaultFolder(), Opener opener = {});

    /// Documents/Tarvelin of the user.
    static QString defaultFolder();

    void setVisible(bool visible) override;
    void addWorkbook(int workbookTemplate) override;
    void setWorksheetName(int workbook, int worksheet, const QString& name) override;
    void setCell(int workbook, int worksheet, int row, int column,
                 const SpreadsheetValue& value) override;
    void release() override;

    /// The files release() wrote, in workbook order.
    const QStringList& savedFiles() const { return m_savedFiles; }

private:
    struct Workbook {
        QString sheetName;
        std::map<std::pair<int, int>, SpreadsheetValue> cells;
    };

    Workbook& worksheet(int workbook, int worksheet);
    /// Creates an empty file of a name no other file has, for the workbook to be written to.
    QString reserveFile(const QString& sheetName) const;
    void write(const Workbook& workbook, const QString& file) const;

    QString m_folder;
    Opener m_opener;
    bool m_visible = false;
    QList<Workbook> m_workbooks;
    QStringList m_savedFiles;
};
