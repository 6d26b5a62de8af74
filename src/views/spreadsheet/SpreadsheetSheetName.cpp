#include "SpreadsheetSheetName.h"

#include "SpreadsheetError.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype longestName = 31;

const QString forbidden = u":\\/?*[]"_s;
const QChar apostrophe = QLatin1Char('\'');

bool isValid(const QString& name) {
    if (name.isEmpty() || name.size() > longestName || name.startsWith(apostrophe) ||
        name.endsWith(apostrophe))
        return false;
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) { return forbidden.contains(c); });
}

} // namespace

void SpreadsheetSheetName::check(const QString& name) {
    if (!isValid(name))
        throw SpreadsheetError(u"Zadali ste neplatný názov hárka alebo grafu. Skontrolujte, či:\n"
                               u"• názov nemá viac ako 31 znakov,\n"
                               u"• názov neobsahuje žiadny z týchto znakov: : \\ / ? * [ alebo ],\n"
                               u"• názov nezačína ani nekončí apostrofom,\n"
                               u"• ste názov nenechali prázdny."_s);
}

QString SpreadsheetSheetName::fitted(const QString& name) {
    QString fitting = name;
    for (QChar& c : fitting)
        if (forbidden.contains(c))
            c = QLatin1Char('_');
    while (fitting.startsWith(apostrophe))
        fitting.remove(0, 1);
    fitting.truncate(longestName);
    while (fitting.endsWith(apostrophe))
        fitting.chop(1);
    return fitting.isEmpty() ? u"Hárok1"_s : fitting;
}
