#include "RecordingSpreadsheetApplication.h"

#include "SpreadsheetSheetName.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString worksheetPath(int workbook, int worksheet) {
    return u"Workbooks(%1).Worksheets(%2)"_s.arg(workbook).arg(worksheet);
}

} // namespace

RecordingSpreadsheetApplication::RecordingSpreadsheetApplication(QStringList& calls)
    : m_calls(calls) {}

QString RecordingSpreadsheetApplication::quoted(const QString& text) {
    QString inner = text;
    inner.replace(QLatin1Char('\''), u"''"_s);
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

void RecordingSpreadsheetApplication::setVisible(bool visible) {
    m_calls << u"Visible := %1"_s.arg(visible ? u"True"_s : u"False"_s);
}

void RecordingSpreadsheetApplication::addWorkbook(int workbookTemplate) {
    m_calls << u"Workbooks.Add(%1)"_s.arg(workbookTemplate);
}

void RecordingSpreadsheetApplication::setWorksheetName(int workbook, int worksheet,
                                                       const QString& name) {
    m_calls << worksheetPath(workbook, worksheet) + u".Name := "_s + quoted(name);
    SpreadsheetSheetName::check(name);
}

QString RecordingSpreadsheetApplication::written(const SpreadsheetValue& value) {
    QString shown;
    switch (value.kind()) {
    case SpreadsheetValue::Kind::Text:
        return quoted(value.textValue());
    case SpreadsheetValue::Kind::Number:
        shown = QString::number(value.numberValue(), 'g', 15);
        break;
    case SpreadsheetValue::Kind::Moment: {
        const QDateTime& moment = value.momentValue();
        shown = moment.time() == QTime(0, 0) ? moment.toString(u"#yyyy-MM-dd#"_s)
                                             : moment.toString(u"#yyyy-MM-dd HH:mm:ss#"_s);
        break;
    }
    }
    return value.format().isEmpty() ? shown : shown + u" ["_s + value.format() + u']';
}

void RecordingSpreadsheetApplication::setCell(int workbook, int worksheet, int row, int column,
                                              const SpreadsheetValue& value) {
    m_calls << worksheetPath(workbook, worksheet) + u".Cells(%1, %2) := "_s.arg(row).arg(column) +
                   written(value);
}

void RecordingSpreadsheetApplication::release() {
    m_calls << u"Release"_s;
}
