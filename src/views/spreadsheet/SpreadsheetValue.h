#pragma once

#include <QDateTime>
#include <QString>

struct FieldDef;
class QVariant;

/// What one cell of a worksheet receives: a number, a moment (a date, or a date and time) or
/// a text, so that the spreadsheet program can sum, sort and filter what it was given. Numbers
/// and moments carry the number format the cell shows them in, in the spreadsheet program's
/// own notation ("0.00", "d. m. yyyy"); an empty format leaves the program's general one.
class SpreadsheetValue {
public:
    enum class Kind { Text, Number, Moment };

    static SpreadsheetValue text(const QString& text) {
        SpreadsheetValue value(Kind::Text);
        value.m_text = text;
        return value;
    }
    static SpreadsheetValue number(double number, const QString& format = {}) {
        SpreadsheetValue value(Kind::Number);
        value.m_number = number;
        value.m_format = format;
        return value;
    }
    static SpreadsheetValue moment(const QDateTime& moment, const QString& format) {
        SpreadsheetValue value(Kind::Moment);
        value.m_moment = moment;
        value.m_format = format;
        return value;
    }

    /// A dataset's value for its cell: numbers as numbers and dates as dates, each in the format
    /// the grid shows it in; any other value as the text the grid shows.
    static SpreadsheetValue ofField(const QVariant& value, const FieldDef& field);

    Kind kind() const { return m_kind; }
    const QString& textValue() const { return m_text; }
    double numberValue() const { return m_number; }
    const QDateTime& momentValue() const { return m_moment; }
    const QString& format() const { return m_format; }
    /// An empty text: the cell stays empty.
    bool isEmpty() const { return m_kind == Kind::Text && m_text.isEmpty(); }

private:
    explicit SpreadsheetValue(Kind kind)
        : m_kind(kind) {}

    Kind m_kind;
    QString m_text;
    double m_number = 0;
    QDateTime m_moment;
    QString m_format;
};
