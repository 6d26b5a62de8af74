#include "XlsxSpreadsheetApplication.h"

#include "SpreadsheetDesktopOpener.h"
#include "SpreadsheetError.h"
#include "SpreadsheetSheetName.h"
#include "widgets/DialogService.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <xlsxwriter.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The grid of the file format.
constexpr int lastRow = 1048576;
constexpr int lastColumn = 16384;
constexpr int mostFilesOfOneSecond = 1000;
// Characters a date needs beyond its format's ("d. m. yyyy" shows as "27. 12. 2018").
constexpr double dateWidthMargin = 3;

[[noreturn]] void badIndex() {
    throw SpreadsheetError(u"Neplatný index."_s);
}

/// The sheet name as part of a file name that every file system takes.
QString fileStem(const QString& sheetName) {
    QString stem = sheetName;
    for (QChar& c : stem)
        if (!c.isLetterOrNumber() && !u" -_()"_s.contains(c))
            c = QLatin1Char('_');
    return stem.trimmed();
}

} // namespace

XlsxSpreadsheetApplication::XlsxSpreadsheetApplication(QString folder, Opener opener)
    : m_folder(std::move(folder))
    , m_opener(opener ? std::move(opener) : Opener(&SpreadsheetDesktopOpener::open)) {}

QString XlsxSpreadsheetApplication::defaultFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return documents + u"/Tarvelin"_s;
}

void XlsxSpreadsheetApplication::setVisible(bool visible) {
    m_visible = visible;
}

void XlsxSpreadsheetApplication::addWorkbook(int workbookTemplate) {
    if (workbookTemplate != xlWBATWorksheet)
        throw SpreadsheetError(u"Šablóna zošita %1 nie je podporovaná."_s.arg(workbookTemplate));
    m_workbooks.append(Workbook{u"Hárok1"_s, {}});
}

XlsxSpreadsheetApplication::Workbook& XlsxSpreadsheetApplication::worksheet(int workbook,
                                                                            int worksheet) {
    // Each workbook holds the one worksheet its template gives.
    if (workbook < 1 || workbook > m_workbooks.size() || worksheet != 1)
        badIndex();
    return m_workbooks[workbook - 1];
}

void XlsxSpreadsheetApplication::setWorksheetName(int workbook, int worksheetIndex,
                                                  const QString& name) {
    Workbook& target = worksheet(workbook, worksheetIndex);
    SpreadsheetSheetName::check(name);
    target.sheetName = name;
}

void XlsxSpreadsheetApplication::setCell(int workbook, int worksheetIndex, int row, int column,
                                         const SpreadsheetValue& value) {
    Workbook& target = worksheet(workbook, worksheetIndex);
    if (row < 1 || row > lastRow || column < 1 || column > lastColumn)
        badIndex();
    target.cells.insert_or_assign({row, column}, value);
}

void XlsxSpreadsheetApplication::release() {
    const QList<Workbook> workbooks = std::exchange(m_workbooks, {});
    for (const Workbook& workbook : workbooks) {
        const QString file = reserveFile(workbook.sheetName);
        try {
            write(workbook, file);
        } catch (...) {
            QFile::remove(file);
            throw;
        }
        m_savedFiles.append(file);
        if (m_visible && !m_opener(file))
            DialogService::instance().information(
                u"Zošit sa nepodarilo otvoriť v tabuľkovom programe. "
                u"Je uložený v súbore\n%1"_s.arg(QDir::toNativeSeparators(file)));
    }
}

QString XlsxSpreadsheetApplication::reserveFile(const QString& sheetName) const {
    if (!QDir().mkpath(m_folder))
        throw SpreadsheetError(
            u"Priečinok %1 sa nedá vytvoriť."_s.arg(QDir::toNativeSeparators(m_folder)));
    const QString base = m_folder + QLatin1Char('/') + fileStem(sheetName) + QLatin1Char('_') +
                         QDateTime::currentDateTime().toString(u"yyyy-MM-dd_HH-mm-ss"_s);
    for (int attempt = 1; attempt <= mostFilesOfOneSecond; ++attempt) {
        const QString name = base + (attempt > 1 ? u"_%1"_s.arg(attempt) : QString()) + u".xlsx"_s;
        QFile file(name);
        // Creating the file only when it does not exist yet keeps any other file untouched,
        // also one that appears meanwhile.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return name;
        if (!file.exists())
            throw SpreadsheetError(u"Súbor %1 sa nedá vytvoriť: %2"_s.arg(
                QDir::toNativeSeparators(name), file.errorString()));
    }
    throw SpreadsheetError(u"V priečinku %1 sa nenašiel voľný názov súboru."_s.arg(
        QDir::toNativeSeparators(m_folder)));
}

void XlsxSpreadsheetApplication::write(const Workbook& workbook, const QString& file) const {
    lxw_workbook* xlsx = workbook_new(QFile::encodeName(file).constData());
    if (!xlsx)
        throw SpreadsheetError(u"Súbor %1 sa nedá vytvoriť."_s.arg(QDir::toNativeSeparators(file)));
    lxw_worksheet* sheet = workbook_add_worksheet(xlsx, workbook.sheetName.toUtf8().constData());
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
    for (auto cell = workbook.cells.cbegin();
         error == LXW_NO_ERROR && cell != workbook.cells.cend(); ++cell) {
        const SpreadsheetValue& value = cell->second;
        // An empty text leaves the cell empty, as the program does with one typed in.
        if (value.isEmpty())
            continue;
        const lxw_row_t row = lxw_row_t(cell->first.first - 1);
        const lxw_col_t column = lxw_col_t(cell->first.second - 1);
        switch (value.kind()) {
        case SpreadsheetValue::Kind::Text:
            error = worksheet_write_string(sheet, row, column,
                                           value.textValue().toUtf8().constData(), nullptr);
            break;
        case SpreadsheetValue::Kind::Number:
            error = worksheet_write_number(sheet, row, column, value.numberValue(),
                                           formatOf(value.format()));
            break;
        case SpreadsheetValue::Kind::Moment: {
            const QDate date = value.momentValue().date();
            const QTime time = value.momentValue().time();
            lxw_datetime moment{date.year(), date.month(),  date.day(),
                                time.hour(), time.minute(), time.second() + time.msec() / 1000.0};
            error = worksheet_write_datetime(sheet, row, column, &moment, formatOf(value.format()));
            dateWidths[column] =
                std::max(dateWidths[column], double(value.format().size()) + dateWidthMargin);
            break;
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
            QDir::toNativeSeparators(file), QString::fromUtf8(lxw_strerror(error))));
}
