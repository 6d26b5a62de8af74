#include "SpreadsheetSheetName.h"

#include "SpreadsheetError.h"

#include <algorithm>

namespace {

constexpr qsizetype longestName = 31;

bool isValid(const QString& name) {
    static const QString forbidden = QStringLiteral(":\\/?*[]");
    const QChar apostrophe = QLatin1Char('\'');
    if (name.isEmpty() || name.size() > longestName || name.startsWith(apostrophe) ||
        name.endsWith(apostrophe))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return forbidden.contains(c); });
}

} // namespace

void SpreadsheetSheetName::check(const QString& name) {
    if (!isValid(name))
        throw SpreadsheetError(
            QStringLiteral("Zadali ste neplatný názov hárka alebo grafu. Skontrolujte, či:\n"
                           "• názov nemá viac ako 31 znakov,\n"
                           "• názov neobsahuje žiadny z týchto znakov: : \\ / ? * [ alebo ],\n"
                           "• názov nezačína ani nekončí apostrofom,\n"
                           "• ste názov nenechali prázdny."));
}
