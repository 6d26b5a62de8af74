#pragma once

#include <QString>

/// A field as the report engine sees it: a name and the kind of its values.
struct ReportField {
    enum class Kind { Text, Integer, Float, Date, DateTime, Boolean };

    QString name;
    Kind kind = Kind::Text;

    bool isNumeric() const { return kind == Kind::Integer || kind == Kind::Float; }

    /// The names used in project files ("text", "integer"...).
    static QString kindName(Kind kind);
    /// False when the text names no kind.
    static bool parseKind(const QString& text, Kind& kind);

    friend bool operator==(const ReportField&, const ReportField&) = default;
};
