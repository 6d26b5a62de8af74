#include "RecordingSpreadsheetApplication.h"

#include "SpreadsheetSheetName.h"

namespace {

QString worksheetPath(int workbook, int worksheet) {
    return QStringLiteral("Workbooks(%1).Worksheets(%2)").arg(workbook).arg(worksheet);
}

} // namespace

RecordingSpreadsheetApplication::RecordingSpreadsheetApplication(QStringList& calls)
    : m_calls(calls) {}

QString RecordingSpreadsheetApplication::quoted(const QString& text) {
    QString inner = text;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

void RecordingSpreadsheetApplication::setVisible(bool visible) {
    m_calls << QStringLiteral("Visible := %1")
                   .arg(visible ? QStringLiteral("True") : QStringLiteral("False"));
}

void RecordingSpreadsheetApplication::addWorkbook(int workbookTemplate) {
    m_calls << QStringLiteral("Workbooks.Add(%1)").arg(workbookTemplate);
}

void RecordingSpreadsheetApplication::setWorksheetName(int workbook, int worksheet,
                                                       const QString& name) {
    m_calls << worksheetPath(workbook, worksheet) + QStringLiteral(".Name := ") + quoted(name);
    SpreadsheetSheetName::check(name);
}

void RecordingSpreadsheetApplication::setCell(int workbook, int worksheet, int row, int column,
                                              const QString& value) {
    m_calls << worksheetPath(workbook, worksheet) +
                   QStringLiteral(".Cells(%1, %2) := ").arg(row).arg(column) + quoted(value);
}

void RecordingSpreadsheetApplication::release() {
    m_calls << QStringLiteral("Release");
}
