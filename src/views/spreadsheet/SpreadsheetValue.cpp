#include "SpreadsheetValue.h"

#include "data/DisplayFormat.h"
#include "data/FieldDef.h"

#include <QLocale>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

/// A date or time format of Qt ("d. M. yyyy", "H:mm:ss") in the spreadsheet program's
/// notation, where m is the month except beside hours and seconds, and h counts 24 hours.
QString spreadsheetFormat(const QString& format) {
    QString converted = format;
    converted.replace(u'M', u'm').replace(u'H', u'h');
    return converted;
}

/// A number display pattern the spreadsheet program reads alike: digits, grouping and
/// decimals only. Others (with text around the number) leave the program's general format.
QString numberFormat(const QString& pattern) {
    static const QRegularExpression digits(u"^[#0,]*(\\.[#0]*)?$"_s);
    return digits.match(pattern).hasMatch() ? pattern : QString();
}

/// The first day the spreadsheet program counts dates from.
const QDate firstSpreadsheetDay(1900, 1, 1);

} // namespace

SpreadsheetValue SpreadsheetValue::ofField(const QVariant& value, const FieldDef& field) {
    if (value.isNull())
        return text({});
    if (field.isNumeric())
        return number(value.toDouble(), numberFormat(field.displayFormat));
    const QString date = spreadsheetFormat(QLocale().dateFormat(QLocale::ShortFormat));
    if (field.kind == FieldKind::Date && value.toDate() >= firstSpreadsheetDay)
        return moment(value.toDate().startOfDay(), date);
    if (field.kind == FieldKind::DateTime && value.toDateTime().date() >= firstSpreadsheetDay) {
        // The time is shown to the second, and only where the value has one.
        const QDateTime when = value.toDateTime();
        return moment(when, when.time() == QTime(0, 0)
                                ? date
                                : date + u' ' + spreadsheetFormat(DisplayFormat::longTimeFormat()));
    }
    return text(DisplayFormat::text(value, field));
}
