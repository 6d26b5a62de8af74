#pragma once

#include "FieldDef.h"

#include <QVariant>
#include <memory>
#include <string_view>
#include <vector>

struct TemporalParts;

/// One column of a result held in memory compactly, in the form its field's kind asks for
/// (numbers as numbers, dates as day numbers, texts each kept once), with a mask of its NULLs.
/// A cell becomes a QVariant only when it is read.
///
/// The reader appends every row's cell in the form it has; the column converts it to its own
/// kind as the database would (a number's text to the number, a fraction to the nearest whole
/// number, anything to its text).
class ResultColumn {
public:
    /// A column for values of the field's kind. A 64-bit integer column from an unsigned source
    /// reads its values as unsigned.
    static std::unique_ptr<ResultColumn> create(FieldKind kind, bool unsignedSource = false);
    virtual ~ResultColumn() = default;

    /// Rows are appended in order; row is the number of the row being appended.
    void appendNull(std::size_t row);
    virtual void appendText(std::string_view text) = 0;
    virtual void appendInteger(qint64 value);
    virtual void appendUnsigned(quint64 value);
    virtual void appendDouble(double value);
    virtual void appendTemporal(const TemporalParts& value);

    bool isNull(std::size_t row) const {
        const std::size_t word = row / 64;
        return word < m_nulls.size() && (m_nulls[word] >> (row % 64) & 1) != 0;
    }
    /// The cell as the field's kind reads it; an invalid QVariant for NULL.
    QVariant value(std::size_t row) const { return isNull(row) ? QVariant() : valueAt(row); }

protected:
    virtual QVariant valueAt(std::size_t row) const = 0;
    /// Keeps the rows aligned where a NULL stands.
    virtual void appendPlaceholder() = 0;

private:
    /// One bit per row, allocated up to the last NULL only.
    std::vector<quint64> m_nulls;
};
