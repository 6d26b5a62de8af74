#include "ReportField.h"

#include <array>
#include <utility>

namespace {
const std::array<std::pair<ReportField::Kind, const char*>, 6> kindNames{{
    {ReportField::Kind::Text, "text"},
    {ReportField::Kind::Integer, "integer"},
    {ReportField::Kind::Float, "float"},
    {ReportField::Kind::Date, "date"},
    {ReportField::Kind::DateTime, "datetime"},
    {ReportField::Kind::Boolean, "boolean"},
}};
} // namespace

QString ReportField::kindName(Kind kind) {
    for (const auto& [k, name] : kindNames)
        if (k == kind)
            return QString::fromLatin1(name);
    return {};
}

bool ReportField::parseKind(const QString& text, Kind& kind) {
    for (const auto& [k, name] : kindNames) {
        if (text == QLatin1String(name)) {
            kind = k;
            return true;
        }
    }
    return false;
}
