#include "XlsxFile.h"

#include "SpreadsheetError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <xlsxwriter.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The grid of the file format.
constexpr int lastRow = 1048576;
constexpr int lastColumn = 16384;

QString shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

/// Writes the workbook into a file of the library's own making.
void writeWorkbook(const QString& fileName, const QString& sheetName, int rows, int columns,
                   const XlsxFile::Cell& cell) {
    // Rows go out as they are written, so a long list needs no memory of its own.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* xlsx = workbook_new_opt(QFile::encodeName(fileName).constData(), &options);
    if (!xlsx)
        throw SpreadsheetError(u"Súbor %1 sa nedá vytvoriť."_s.arg(shown(fileName)));
    lxw_worksheet* sheet = workbook_add_worksheet(xlsx, sheetName.toUtf8().constData());
    lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_PARAMETER_VALIDATION;
    for (int row = 1; error == LXW_NO_ERROR && row <= rows; ++row) {
        for (int column = 1; error == LXW_NO_ERROR && column <= columns; ++column) {
            // An empty text leaves the cell empty, as the program does with one typed in.
            const QString text = cell(row, column);
            if (!text.isEmpty())
                error = worksheet_write_string(sheet, lxw_row_t(row - 1), lxw_col_t(column - 1),
                                               text.toUtf8().constData(), nullptr);
        }
    }
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
    const QFileInfo target(fileName);
    QTemporaryFile draft(target.absoluteDir().filePath(u".%1-XXXXXX"_s.arg(target.fileName())));
    if (!draft.open())
        throw SpreadsheetError(
            u"Súbor %1 sa nedá vytvoriť: %2"_s.arg(shown(fileName), draft.errorString()));
    draft.close();
    writeWorkbook(draft.fileName(), sheetName, rows, columns, cell);

    if (!draft.open())
        throw SpreadsheetError(
            u"Súbor %1 sa nedá čítať: %2"_s.arg(shown(draft.fileName()), draft.errorString()));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(draft.readAll()) != draft.size() ||
        !file.commit())
        throw SpreadsheetError(
            u"Súbor %1 sa nedá zapísať: %2"_s.arg(shown(fileName), file.errorString()));
}
