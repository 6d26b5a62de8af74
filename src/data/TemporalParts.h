#pragma once

#include <string>
#include <string_view>

/// A date, a date and time, or a time of day (or a duration: the database's TIME reaches
/// ±838 hours) as the database writes it, part by part. Zero parts stand for the database's
/// zero date, which no calendar date matches.
struct TemporalParts {
    enum class Kind { Date, DateTime, Time };

    Kind kind = Kind::Date;
    bool negative = false;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int microsecond = 0;

    /// Reads the database's text form: "2006-03-30", "2006-03-30 14:05:00[.123456]",
    /// "[-]838:59:59[.123456]". Unreadable parts stay zero.
    static TemporalParts parse(std::string_view text);
    /// The database's text form of the parts.
    std::string text() const;
};
