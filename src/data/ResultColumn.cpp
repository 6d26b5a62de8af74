#include "ResultColumn.h"

#include "ChunkedArray.h"
#include "TemporalParts.h"
#include "TextPool.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 msecsPerDay = 86400000;
constexpr qint64 usecsPerDay = msecsPerDay * 1000;

template <typename T> T numberOrZero(std::string_view text, const char** end = nullptr) {
    T value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end)
        *end = result.ptr;
    return result.ec == std::errc() ? value : T(0);
}

/// The nearest whole number, as the database rounds a fraction into an integer column.
qint64 rounded(double value) {
    constexpr double limit = 9.2e18;
    if (std::isnan(value))
        return 0;
    return std::llround(std::clamp(value, -limit, limit));
}

/// An integer's text as the database reads it: the leading number, a fraction rounded, no
/// number at all as zero.
template <typename T> T integerOf(std::string_view text) {
    const char* end = nullptr;
    const T whole = numberOrZero<T>(text, &end);
    const bool fraction =
        end < text.data() + text.size() && (*end == '.' || *end == 'e' || *end == 'E');
    return fraction ? T(rounded(numberOrZero<double>(text))) : whole;
}

template <typename T> class IntegerColumn final : public ResultColumn {
public:
    explicit IntegerColumn(bool isUnsigned)
        : m_unsigned(isUnsigned) {}

    void appendText(std::string_view text) override {
        m_values.append(m_unsigned ? T(integerOf<quint64>(text)) : T(integerOf<qint64>(text)));
    }
    void appendInteger(qint64 value) override { m_values.append(T(value)); }
    void appendUnsigned(quint64 value) override { m_values.append(T(value)); }
    void appendDouble(double value) override { m_values.append(T(rounded(value))); }

protected:
    QVariant valueAt(std::size_t row) const override {
        if constexpr (sizeof(T) < sizeof(qint64))
            return int(m_values[row]);
        else
            return m_unsigned ? QVariant(qulonglong(m_values[row]))
                              : QVariant(qlonglong(m_values[row]));
    }
    void appendPlaceholder() override { m_values.append(0); }

private:
    ChunkedArray<T> m_values;
    bool m_unsigned;
};

class DoubleColumn final : public ResultColumn {
public:
    void appendText(std::string_view text) override { m_values.append(numberOrZero<double>(text)); }
    void appendInteger(qint64 value) override { m_values.append(double(value)); }
    void appendUnsigned(quint64 value) override { m_values.append(double(value)); }
    void appendDouble(double value) override { m_values.append(value); }

protected:
    QVariant valueAt(std::size_t row) const override { return m_values[row]; }
    void appendPlaceholder() override { m_values.append(0); }

private:
    ChunkedArray<double> m_values;
};

/// A column of dates or times, which reads a text as the database writes them.
class TemporalColumn : public ResultColumn {
public:
    void appendText(std::string_view text) final { appendTemporal(TemporalParts::parse(text)); }
};

/// Dates as day numbers; the database's zero date (and any other it accepts but no calendar
/// has) reads as an invalid QDate, as the Qt driver gave it.
class DateColumn final : public TemporalColumn {
public:
    void appendTemporal(const TemporalParts& value) override {
        const QDate date(value.year, value.month, value.day);
        m_days.append(value.kind != TemporalParts::Kind::Time && date.isValid()
                          ? qint32(date.toJulianDay())
                          : invalid);
    }

protected:
    QVariant valueAt(std::size_t row) const override {
        const qint32 day = m_days[row];
        return day == invalid ? QDate() : QDate::fromJulianDay(day);
    }
    void appendPlaceholder() override { m_days.append(invalid); }

private:
    static constexpr qint32 invalid = std::numeric_limits<qint32>::min();
    ChunkedArray<qint32> m_days;
};

/// Moments as milliseconds since the first day number, in local time as the driver read them.
class DateTimeColumn final : public TemporalColumn {
public:
    void appendTemporal(const TemporalParts& value) override {
        const QDate date(value.year, value.month, value.day);
        const QTime time(value.hour, value.minute, value.second, value.microsecond / 1000);
        const bool valid =
            value.kind != TemporalParts::Kind::Time && date.isValid() && time.isValid();
        m_moments.append(valid ? date.toJulianDay() * msecsPerDay + time.msecsSinceStartOfDay()
                               : invalid);
    }

protected:
    QVariant valueAt(std::size_t row) const override {
        const qint64 moment = m_moments[row];
        if (moment == invalid)
            return QDateTime();
        return QDateTime(QDate::fromJulianDay(moment / msecsPerDay),
                         QTime::fromMSecsSinceStartOfDay(int(moment % msecsPerDay)));
    }
    void appendPlaceholder() override { m_moments.append(invalid); }

private:
    static constexpr qint64 invalid = std::numeric_limits<qint64>::min();
    ChunkedArray<qint64> m_moments;
};

/// Times as signed microseconds: a time of day reads as a QTime, a duration beyond one day (or
/// below zero), which QTime cannot hold, as the database's text.
class TimeColumn final : public TemporalColumn {
public:
    void appendTemporal(const TemporalParts& value) override {
        if (value.kind == TemporalParts::Kind::Date)
            return m_microseconds.append(0);
        const qint64 magnitude =
            ((qint64(value.hour) * 60 + value.minute) * 60 + value.second) * 1000000 +
            value.microsecond;
        m_microseconds.append(value.negative ? -magnitude : magnitude);
    }

protected:
    QVariant valueAt(std::size_t row) const override {
        const qint64 microseconds = m_microseconds[row];
        if (microseconds >= 0 && microseconds < usecsPerDay)
            return QTime::fromMSecsSinceStartOfDay(int(microseconds / 1000));
        const qint64 magnitude = std::abs(microseconds);
        TemporalParts parts;
        parts.kind = TemporalParts::Kind::Time;
        parts.negative = microseconds < 0;
        parts.hour = int(magnitude / 3600000000);
        parts.minute = int(magnitude / 60000000 % 60);
        parts.second = int(magnitude / 1000000 % 60);
        parts.microsecond = int(magnitude % 1000000);
        return QString::fromStdString(parts.text());
    }
    void appendPlaceholder() override { m_microseconds.append(0); }

private:
    ChunkedArray<qint64> m_microseconds;
};

/// Texts (or, for binary columns, bytes) each kept once; a cell holds the number of its text.
class TextColumn final : public ResultColumn {
public:
    explicit TextColumn(bool binary)
        : m_binary(binary) {}

    void appendText(std::string_view text) override { m_cells.append(m_pool.add(text)); }

protected:
    QVariant valueAt(std::size_t row) const override {
        const std::string_view text = m_pool.text(m_cells[row]);
        if (m_binary)
            return QByteArray(text.data(), qsizetype(text.size()));
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    void appendPlaceholder() override { m_cells.append(0); }

private:
    TextPool m_pool;
    ChunkedArray<quint32> m_cells;
    bool m_binary;
};

/// A number as text, the shortest that reads back as the same number.
template <typename T> void appendNumberText(ResultColumn& column, T value) {
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    column.appendText({text, std::size_t(result.ptr - text)});
}

} // namespace

std::unique_ptr<ResultColumn> ResultColumn::create(FieldKind kind, bool unsignedSource) {
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::AutoIncrement:
        return std::make_unique<IntegerColumn<qint32>>(false);
    case FieldKind::LargeInt:
        return std::make_unique<IntegerColumn<qint64>>(unsignedSource);
    case FieldKind::Decimal:
    case FieldKind::Float:
        return std::make_unique<DoubleColumn>();
    case FieldKind::Date:
        return std::make_unique<DateColumn>();
    case FieldKind::DateTime:
        return std::make_unique<DateTimeColumn>();
    case FieldKind::Time:
        return std::make_unique<TimeColumn>();
    case FieldKind::Text:
    case FieldKind::FixedText:
        return std::make_unique<TextColumn>(false);
    case FieldKind::Other:
        break;
    }
    return std::make_unique<TextColumn>(true);
}

void ResultColumn::appendNull(std::size_t row) {
    const std::size_t word = row / 64;
    if (word >= m_nulls.size())
        m_nulls.resize(word + 1);
    m_nulls[word] |= quint64(1) << (row % 64);
    appendPlaceholder();
}

void ResultColumn::appendInteger(qint64 value) {
    appendNumberText(*this, value);
}

void ResultColumn::appendUnsigned(quint64 value) {
    appendNumberText(*this, value);
}

void ResultColumn::appendDouble(double value) {
    appendNumberText(*this, value);
}

void ResultColumn::appendTemporal(const TemporalParts& value) {
    appendText(value.text());
}
