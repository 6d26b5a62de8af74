#include "XlsxFile.h"

#include "SpreadsheetError.h"

#include "data/CheckedSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <unistd.h>
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

/// What the system said of a file it could not write, in the user's words.
QString systemReason(int error) {
    switch (error) {
    case ENOSPC:
        return u"na disku nie je miesto"_s;
    case EDQUOT:
        return u"prekročená kvóta miesta na disku"_s;
    case EACCES:
    case EPERM:
        return u"chýba právo zapisovať do priečinka"_s;
    case EROFS:
        return u"disk je len na čítanie"_s;
    case EFBIG:
        return u"súbor by bol väčší, ako systém dovolí"_s;
    case EIO:
        return u"chyba pri zápise na disk"_s;
    default:
        return {};
    }
}

/// Why the library could not write the workbook, in the user's words; error is the system's
/// error number right after the failure.
QString workbookReason(lxw_error failure, int error) {
    switch (failure) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return u"nedostatok pamäte"_s;
    case LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED:
    case LXW_ERROR_INVALID_SHEETNAME_CHARACTER:
    case LXW_ERROR_SHEETNAME_START_END_APOSTROPHE:
    case LXW_ERROR_SHEETNAME_ALREADY_USED:
        return u"názov hárka nie je platný"_s;
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return u"text bunky je dlhší ako 32 767 znakov, koľko bunka zošita unesie"_s;
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE: {
        const QString reason = systemReason(error);
        return reason.isEmpty() ? u"zápis súboru zlyhal"_s : reason;
    }
    default:
        return u"knižnica zošitov odmietla údaje (chyba %1)"_s.arg(int(failure));
    }
}

/// The library reports its failures on the standard error output too, in English and with its
/// own source files named; the program says what failed itself, so those lines are dropped
/// while the library works.
class LibraryOutputDropped {
public:
    LibraryOutputDropped() {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_saved >= 0 && sink >= 0)
            ::dup2(sink, STDERR_FILENO);
        if (sink >= 0)
            ::close(sink);
    }
    ~LibraryOutputDropped() {
        std::fflush(stderr);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
        }
    }
    LibraryOutputDropped(const LibraryOutputDropped&) = delete;
    LibraryOutputDropped& operator=(const LibraryOutputDropped&) = delete;

private:
    int m_saved = -1;
};

/// Writes the workbook into a file of the library's own making; messages name shownName, the
/// file the user asked for.
void writeWorkbook(const QString& shownName, const QString& fileName, const QString& sheetName,
                   int rows, int columns, const XlsxFile::Cell& cell) {
    const LibraryOutputDropped quiet;
    // Rows go out as they are written, so a long list needs no memory of its own; the library's
    // scratch files go to the target's disk, not to a temporary folder that may be small.
    QByteArray scratch = QFile::encodeName(QFileInfo(fileName).absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch.data();
    errno = 0;
    lxw_workbook* xlsx = workbook_new_opt(QFile::encodeName(fileName).constData(), &options);
    if (!xlsx)
        throw SpreadsheetError(u"Súbor %1 sa nedá vytvoriť: %2."_s.arg(
            shown(shownName), workbookReason(LXW_ERROR_CREATING_XLSX_FILE, errno)));
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
    errno = 0;
    const lxw_error closing = workbook_close(xlsx);
    const int systemError = errno;
    if (error == LXW_NO_ERROR)
        error = closing;
    if (error != LXW_NO_ERROR)
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: %2."_s.arg(
            shown(shownName), workbookReason(error, systemError)));
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
    writeWorkbook(fileName, draft.path(), sheetName, rows, columns, cell);
    if (!complete(draft.path()))
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: súbor nie je celý zapísaný (plný "
                               u"disk?)"_s.arg(shown(fileName)));
    if (const QString problem = draft.commit(); !problem.isEmpty())
        throw SpreadsheetError(u"Súbor %1 sa nedá zapísať: %2"_s.arg(shown(fileName), problem));
}
