#include "TemporalParts.h"

#include <charconv>
#include <cstdio>

namespace {

/// Reads the digits at position, moves past them and the one separator after them.
int number(std::string_view text, std::size_t& position) {
    int value = 0;
    const char* begin = text.data() + std::min(position, text.size());
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    position += std::size_t(end - begin) + 1;
    return error == std::errc() ? value : 0;
}

/// Fraction digits as microseconds: ".5" is half a second.
int microseconds(std::string_view digits) {
    int value = 0;
    int scale = 100000;
    for (char c : digits.substr(0, 6)) {
        if (c < '0' || c > '9')
            break;
        value += (c - '0') * scale;
        scale /= 10;
    }
    return value;
}

} // namespace

TemporalParts TemporalParts::parse(std::string_view text) {
    TemporalParts parts;
    std::size_t position = 0;
    const bool hasDate = text.size() >= 10 && text[4] == '-';
    if (hasDate) {
        parts.year = number(text, position);
        parts.month = number(text, position);
        parts.day = number(text, position);
        parts.kind = text.size() > 10 ? Kind::DateTime : Kind::Date;
        if (parts.kind == Kind::Date)
            return parts;
    } else {
        parts.kind = Kind::Time;
        parts.negative = !text.empty() && text[0] == '-';
        position = parts.negative ? 1 : 0;
    }
    parts.hour = number(text, position);
    parts.minute = number(text, position);
    parts.second = number(text, position);
    if (position <= text.size() && text[position - 1] == '.')
        parts.microsecond = microseconds(text.substr(position));
    return parts;
}

std::string TemporalParts::text() const {
    char buffer[48];
    int length = 0;
    if (kind != Kind::Time)
        length = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    if (kind == Kind::DateTime)
        buffer[length++] = ' ';
    if (kind != Kind::Date)
        length += std::snprintf(buffer + length, sizeof buffer - std::size_t(length),
                                "%s%02d:%02d:%02d", negative ? "-" : "", hour, minute, second);
    if (kind != Kind::Date && microsecond != 0)
        length += std::snprintf(buffer + length, sizeof buffer - std::size_t(length), ".%06d",
                                microsecond);
    return {buffer, std::size_t(length)};
}
