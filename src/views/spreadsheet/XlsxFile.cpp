#include "XlsxFile.h"

#include "SpreadsheetError.h"

#include "data/CheckedSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <xlsxwriter.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Characters a date column is wider than its format, for the program's padding.
constexpr double dateWidthMargin = 2;
// The grid of the file format.
constexpr int lastRow = 1048576;
constexpr int lastColumn = 16384;

QString shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

/// Whether the library wrote the workbook whole: a zip archive ends with its directory's end
/// record, which a full disk cuts off without the library noticing.
bool complete(const QString& fileName) {
    QFile written(fileName);
    if (!written.open(QIODevice::ReadOnly) || written.size() < 22 ||
        !written.seek(written.size() - 22))
        return false;
    return written.read(4) == QByteArrayLiteral("PK\x05\x06");
}

/// Writes the workbook into a file of the library's own making.
void writeWorkbook(const QString& fileName, const QString& sheetName, int rows, int columns,
                   const XlsxFile::Cell& cell) {
    // Rows go out as they are written, so a long list needs no memory of its own; the library's
    // scratch files go to the target's disk, not to a temporary folder that may be small.
    QByteArray scratch = QFile::encodeName(QFileInfo(fileName).absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch.data();
    lxw_workbook* xlsx = workbook_new_opt(QFile::encodeName(fileName).constData(), &options);
    if (!xlsx)
        throw SpreadsheetError(u"Súbor %1 sa nedá vytvoriť."_s.arg(shown(fileName)));
    lxw_worksheet* sheet = workbook_add_worksheet(xlsx, sheetName.toUtf8().constData());
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_PARAMETER_VALIDATION;
    // One format of the workbook for each number format its cells use.
    std::map<QString, lxw_format*> formats;
    const auto formatOf = [&](const QString& code) -> lxw_format* {
        if (code.isEmpty())
            return nullptr;
        auto& format = formats[code];
        if (!format) {
            format = workbook_add_format(xlsx);
            format_set_num_format(format, code.toUtf8().constData());
        }
        return format;
    };
    // A date is wider than a column of the default width, where the program would show ###.
    std::map<lxw_col_t, double> dateWidths;
    for (int row = 1; error == LXW_NO_ERROR && row <= rows; ++row) {
        for (int column = 1; error == LXW_NO_ERROR && column <= columns; ++column) {
            const SpreadsheetValue value = cell(row, column);
            // An empty text leaves the cell empty, as the program does with one typed in.
            if (value.isEmpty())
                continue;
            const lxw_row_t r = lxw_row_t(row - 1);
            const lxw_col_t c = lxw_col_t(column - 1);
            switch (value.kind()) {
            case SpreadsheetValue::Kind::Text:
                error = worksheet_write_string(sheet, r, c, value.textValue().toUtf8().constData(),
                                               nullptr);
                break;
            case SpreadsheetValue::Kind::Number:
                error = worksheet_write_number(sheet, r, c, value.numberValue(),
                                               formatOf(value.format()));
                break;
            case SpreadsheetValue::Kind::Moment: {
                const QDate date = value.momentValue().date();
                const QTime time = value.momentValue().time();
                lxw_datetime moment{date.year(),   date.month(),
                                    date.day(),    time.hour(),
                                    time.minute(), time.second() + time.msec() / 1000.0};
                error = worksheet_write_datetime(sheet, r, c, &moment, formatOf(value.format()));
                dateWidths[c] =
                    std::max(dateWidths[c], double(value.format().size()) + dateWidthMargin);
                break;
            }
            }
        }
    }
    for (auto width = dateWidths.cbegin(); error == LXW_NO_ERROR && width != dateWidths.cend();
         ++width)
        error = worksheet_set_column(sheet, width->first, width->first, width->second, nullptr);
    const lxw_error closing = workbook_close(xlsx);
    if (error == LXW_NO_ERROR)
        error = closing;
    if (error != LXW_NO_ERROR)
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: %2"_s.arg(
            shown(fileName), QString::fromUtf8(lxw_strerror(error))));
}

} // namespace

void XlsxFile::write(const QString& fileName, const QString& sheetName, int rows, int columns,
                     const Cell& cell) {
    if (rows < 0 || rows > lastRow || columns < 0 || columns > lastColumn)
        throw SpreadsheetError(u"Hárok %1 má priveľa riadkov alebo stĺpcov."_s.arg(sheetName));
    // The library writes the file by its name, so it writes a draft of the one checked save.
    CheckedSave::Draft draft(fileName);
    if (const QString problem = draft.open(); !problem.isEmpty())
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: %2"_s.arg(shown(fileName), problem));
    writeWorkbook(draft.path(), sheetName, rows, columns, cell);
    if (!complete(draft.path()))
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: súbor nie je celý zapísaný (plný "
                               u"disk?)"_s.arg(shown(fileName)));
    if (const QString problem = draft.commit(); !problem.isEmpty())
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: %2"_s.arg(shown(fileName), problem));
}
