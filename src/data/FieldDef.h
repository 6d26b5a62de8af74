#pragma once

#include <QString>

/// The kinds of column a dataset can declare; they decide conversion and display.
enum class FieldKind {
    Integer,       ///< 32 bits
    SmallInt,      ///< 8 or 16 bits
    AutoIncrement, ///< 32 bits, numbered by the database
    LargeInt,      ///< 64 bits
    Text,
    FixedText,
    Decimal,
    Float,
    Date,
    DateTime,
    Time, ///< a time of day, or the database's duration of up to ±838 hours
    Other ///< an undeclared column of a kind the program does not interpret
};

/// One field of a dataset: either declared at design time or taken from a query's result.
struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::Other;
    /// Characters of a text field, digits of a decimal; for a result's own field the width the
    /// database gives the column (digits of an integer, characters of a date...).
    int size = 0;
    int scale = 0; ///< digits after the point of a decimal
    QString displayFormat;
    QString title; ///< grid heading; the name when empty
    bool hidden = false;
    bool readOnly = false;

    static FieldDef make(const QString& name, FieldKind kind, int size = 0, int scale = 0) {
        FieldDef f;
        f.name = name;
        f.kind = kind;
        f.size = size;
        f.scale = scale;
        return f;
    }
    static FieldDef integer(const QString& name) { return make(name, FieldKind::Integer); }
    static FieldDef smallInt(const QString& name) { return make(name, FieldKind::SmallInt); }
    static FieldDef largeInt(const QString& name) { return make(name, FieldKind::LargeInt); }
    static FieldDef autoIncrement(const QString& name) {
        return make(name, FieldKind::AutoIncrement);
    }
    static FieldDef text(const QString& name, int size) {
        return make(name, FieldKind::Text, size);
    }
    static FieldDef fixedText(const QString& name, int size) {
        return make(name, FieldKind::FixedText, size);
    }
    static FieldDef decimal(const QString& name, int precision, int scale) {
        return make(name, FieldKind::Decimal, precision, scale);
    }
    static FieldDef floating(const QString& name) { return make(name, FieldKind::Float); }
    static FieldDef date(const QString& name) { return make(name, FieldKind::Date); }
    static FieldDef dateTime(const QString& name) { return make(name, FieldKind::DateTime); }
    static FieldDef time(const QString& name) { return make(name, FieldKind::Time); }

    FieldDef shown(const QString& pattern) const {
        FieldDef f = *this;
        f.displayFormat = pattern;
        return f;
    }
    FieldDef titled(const QString& heading) const {
        FieldDef f = *this;
        f.title = heading;
        return f;
    }
    FieldDef asHidden() const {
        FieldDef f = *this;
        f.hidden = true;
        return f;
    }
    FieldDef asReadOnly() const {
        FieldDef f = *this;
        f.readOnly = true;
        return f;
    }

    bool isNumeric() const {
        return kind == FieldKind::Integer || kind == FieldKind::SmallInt ||
               kind == FieldKind::AutoIncrement || kind == FieldKind::LargeInt ||
               kind == FieldKind::Decimal || kind == FieldKind::Float;
    }
    bool isText() const { return kind == FieldKind::Text || kind == FieldKind::FixedText; }
    QString heading() const { return title.isEmpty() ? name : title; }
};
