#include "KodyVymeny.h"

#include <algorithm>
#include <array>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace KodyVymeny {

namespace {

/// Culling reasons 01 to 09 in ADE's words; 07 (died) is a death, not a departure.
struct Vyradenie {
    const char* kod;
    const char* dovod;
    const char* druh;
};
constexpr std::array<Vyradenie, 9> kVyradenia{{
    {"01", "Fertility", "Slaughter"},
    {"02", "Mastitis", "Slaughter"},
    {"03", "LegOrClaw", "Slaughter"},
    {"04", "Production", "Slaughter"},
    {"05", "Health", "Slaughter"},
    {"06", "Other", "Slaughter"},
    {"07", "Health", "Other"},
    {"08", "Sale", "Sale"},
    {"09", "Age", "Slaughter"},
}};

// In the order of kDovodyOdchodu: the code a departure reason stands for.
constexpr std::array<const char*, 17> kKodyDovodov{"09", "08", "06", "08", "06", "03",
                                                   "05", "05", "02", "01", "05", "04",
                                                   "04", "06", "06", "06", "06"};

const Vyradenie* vyradenie(const QString& kod) {
    const auto najdene = std::find_if(kVyradenia.begin(), kVyradenia.end(),
                                      [&](const auto& v) { return kod == QLatin1String(v.kod); });
    return najdene == kVyradenia.end() ? nullptr : &*najdene;
}

template <typename Zoznam> const char* polozka(const Zoznam& zoznam, int index) {
    return index >= 0 && index < int(zoznam.size()) ? *std::next(zoznam.begin(), index) : nullptr;
}

} // namespace

const PopisZbierky& popis(Zbierka zbierka) {
    return *std::find_if(std::begin(kZbierky), std::end(kZbierky),
                         [zbierka](const PopisZbierky& p) { return p.zbierka == zbierka; });
}

const PopisZbierky* zbierka(const QString& nazov) {
    const auto najdene =
        std::find_if(std::begin(kZbierky), std::end(kZbierky),
                     [&](const PopisZbierky& p) { return nazov == QLatin1String(p.nazov); });
    return najdene == std::end(kZbierky) ? nullptr : najdene;
}

bool jeTypom(const QString& resourceType, const char* typZdroja) {
    const QString plny = QString::fromLatin1(typZdroja);
    if (resourceType == plny)
        return true;
    // The catalogue's short name: the full name without "icar" and "Resource" (and "Event"
    // kept), after a prefix "icar:" or a URI.
    QString meno = resourceType.section(u'/', -1).section(u':', -1);
    if (!meno.startsWith(u"icar"_s) && !meno.isEmpty())
        meno = u"icar"_s + meno[0].toUpper() + meno.mid(1);
    if (!meno.endsWith(u"Resource"_s))
        meno += u"Resource"_s;
    QString bezUdalosti = plny;
    bezUdalosti.remove(u"Event"_s);
    return meno == plny || meno == bezUdalosti ||
           (plny == u"icarAnimalCoreResource"_s && meno == u"icarAnimalResource"_s);
}

QString pohlavie(int indexPohlavia) {
    switch (indexPohlavia) {
    case 0:
    case 1:
        return u"2"_s;
    case 2:
    case 3:
    case 4:
        return u"1"_s;
    default:
        return {};
    }
}

QString priebehPorodu(int indexIcar) {
    static constexpr std::array<const char*, 5> kody{"1", "2", "3", "3", "4"};
    return QString::fromLatin1(polozka(kody, indexIcar));
}

const char* priebehPoroduIcar(const QString& kod) {
    static constexpr std::array<int, 4> stupne{0, 1, 2, 4};
    const int index = kod.toInt() - 1;
    return kod.size() == 1 && index >= 0 && index < int(stupne.size())
               ? polozka(kPriebehyPorodu, stupne[size_t(index)])
               : nullptr;
}

QString dovodVyradenia(int indexDovodu) {
    return QString::fromLatin1(polozka(kKodyDovodov, indexDovodu));
}

const char* dovodOdchodu(const QString& kod) {
    const Vyradenie* v = vyradenie(kod);
    return v ? v->dovod : "Other";
}

const char* druhOdchodu(const QString& kod) {
    const Vyradenie* v = vyradenie(kod);
    return v ? v->druh : "Other";
}

QString typKontroly(int indexProtokolu) {
    static constexpr std::array<const char*, 3> typy{"A", "B", "C"};
    return QString::fromLatin1(polozka(typy, indexProtokolu));
}

const char* protokol(const QString& typ) {
    return typ.size() == 1 ? polozka(kProtokoly, typ[0].unicode() - u'A') : nullptr;
}

QString dennaDoba(int indexCasu) {
    static constexpr std::array<const char*, 3> doby{"", "R", "V"};
    const QString doba = QString::fromLatin1(polozka(doby, indexCasu));
    return doba.isEmpty() ? QString() : doba;
}

const char* casVzorky(const QString& dennaDoba) {
    if (dennaDoba == u"R"_s)
        return "Morning";
    if (dennaDoba == u"V"_s)
        return "Evening";
    return nullptr;
}

} // namespace KodyVymeny
