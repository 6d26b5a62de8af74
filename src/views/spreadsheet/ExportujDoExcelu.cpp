#include "ExportujDoExcelu.h"

#include "SpreadsheetApplication.h"
#include "data/Dataset.h"
#include "data/DisplayFormat.h"
#include "widgets/DialogService.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int zosit = 1;
constexpr int harok = 1;

void ukazChybu(const QString& text) {
    DialogService::instance().error(u"Chyba: "_s + text);
}

/// The locale's long time format without the time zone, which the value does not carry.
QString dlhyFormatCasu() {
    static const QRegularExpression zona(u"\\s*t+"_s);
    return QLocale().timeFormat(QLocale::LongFormat).remove(zona).trimmed();
}

/// A date or time format of Qt ("d. M. yyyy", "H:mm:ss") in the spreadsheet program's
/// notation, where m is the month except beside hours and seconds, and h counts 24 hours.
QString formatTabulky(const QString& format) {
    QString tabulky = format;
    tabulky.replace(u'M', u'm').replace(u'H', u'h');
    return tabulky;
}

/// A number display pattern the spreadsheet program reads alike: digits, grouping and
/// decimals only. Others (with text around the number) leave the program's general format.
QString formatCisla(const QString& vzor) {
    static const QRegularExpression cislice(u"^[#0,]*(\\.[#0]*)?$"_s);
    return cislice.match(vzor).hasMatch() ? vzor : QString();
}

/// The first day the spreadsheet program counts dates from.
const QDate prvyDenTabulky(1900, 1, 1);

/// The value for its cell: numbers as numbers and dates as dates, each shown as the grid
/// shows it; any other value as the text the grid shows.
SpreadsheetValue hodnotaBunky(const QVariant& hodnota, const FieldDef& pole) {
    if (hodnota.isNull())
        return SpreadsheetValue::text({});
    if (pole.isNumeric())
        return SpreadsheetValue::number(hodnota.toDouble(), formatCisla(pole.displayFormat));
    const QLocale locale;
    const QString datum = formatTabulky(locale.dateFormat(QLocale::ShortFormat));
    if (pole.kind == FieldKind::Date && hodnota.toDate() >= prvyDenTabulky)
        return SpreadsheetValue::moment(hodnota.toDate().startOfDay(), datum);
    if (pole.kind == FieldKind::DateTime && hodnota.toDateTime().date() >= prvyDenTabulky) {
        // The time is shown to the second, and only where the value has one.
        const QDateTime okamih = hodnota.toDateTime();
        return SpreadsheetValue::moment(
            okamih,
            okamih.time() == QTime(0, 0) ? datum : datum + u' ' + formatTabulky(dlhyFormatCasu()));
    }
    return SpreadsheetValue::text(DisplayFormat::text(hodnota, pole));
}

} // namespace

void ExportujDoExcelu(Dataset& dataset, const QString& sheetName) {
    if (!dataset.isOpen()) {
        ukazChybu(u"Údaje na export nie sú načítané."_s);
        return;
    }
    try {
        const std::unique_ptr<SpreadsheetApplication> excel = SpreadsheetApplication::create();
        if (!excel) {
            DialogService::instance().error(u"Prepojenie na aplikáciu MS Excel nie je dostupné"_s);
            return;
        }
        excel->setVisible(true);
        excel->addWorkbook(SpreadsheetApplication::xlWBATWorksheet);
        excel->setWorksheetName(zosit, harok, sheetName);

        const QList<FieldDef>& polia = dataset.fields();
        for (int i = 0; i < polia.size(); ++i)
            excel->setCell(zosit, harok, 1, i + 1, SpreadsheetValue::text(polia[i].heading()));

        dataset.first();
        for (int riadok = 2; !dataset.eof(); ++riadok) {
            for (int i = 0; i < polia.size(); ++i)
                excel->setCell(zosit, harok, riadok, i + 1,
                               hodnotaBunky(dataset.value(dataset.currentRow(), i), polia[i]));
            dataset.next();
        }
        excel->release();
    } catch (const std::exception& chyba) {
        ukazChybu(QString::fromUtf8(chyba.what()));
    }
}
