#include "XlsxSpreadsheetApplication.h"

#include "SpreadsheetDesktopOpener.h"
#include "SpreadsheetError.h"
#include "SpreadsheetSheetName.h"
#include "XlsxFile.h"
#include "widgets/DialogService.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// The grid of the file format.
constexpr int lastRow = 1048576;
constexpr int lastColumn = 16384;
constexpr int mostFilesOfOneSecond = 1000;
// Characters a date needs beyond its format's ("d. m. yyyy" shows as "27. 12. 2018").

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
    int rows = 0;
    int columns = 0;
    for (const auto& [position, value] : workbook.cells) {
        rows = std::max(rows, position.first);
        columns = std::max(columns, position.second);
    }
    XlsxFile::write(file, workbook.sheetName, rows, columns, [&](int row, int column) {
        const auto cell = workbook.cells.find({row, column});
        return cell != workbook.cells.end() ? cell->second : SpreadsheetValue::text({});
    });
}
