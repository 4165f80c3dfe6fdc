#include "DepartmentCatalog.h"

#include "Cp1250.h"

#include <cstdio>
#include <set>
#include <stdexcept>

namespace {

const char *const kNames[] = {
    "Pieczywo",           "Nabiał",              "Mięso i wędliny",     "Słodycze",
    "Warzywa i owoce",    "Napoje",              "Alkohol",             "Chemia gospodarcza",
    "Używki",             "Ryby",                "Mrożonki",            "Żywność różna",
    "Kawa i herbata",     "Garmaż",              "Przyprawy",           "Artykuły sypkie",
    "Konserwy",           "Soki i nektary",      "Piwo",                "Wina",
    "Drób",               "Jaja",                "Sery żółte",          "Przetwory owocowe",
    "Dania gotowe",       "Zabawki",             "Prasa",               "Artykuły papiernicze",
    "Środki czystości",   "Karma dla zwierząt",  "Ciasta i ciastka",    "Lody",
    "Orzechy i bakalie",  "Zdrowa żywność",      "Gospodarstwo domowe", "Kosmetyki",
    "Wody źródlane",      "Pierniki toruńskie",  "Artykuły dla niemowląt", "Świeże zioła",
    "Miód i dżemy",       "Łakocie",             "Przekąski słone",     "Opakowania zwrotne",
};

// Words for the numbered departments beyond the list above.
const char *const kWords[] = {
    "Łakocie",   "Różności",  "Wędliny",  "Pieczywo",  "Napoje",    "Drogeria",
    "Sezonowe",  "Promocja",  "Ogród",    "Żywność",   "Chemia",    "Słodycze",
    "Mrożonki",  "Nabiał",    "Owoce",    "Warzywa",   "Świeże",    "Dań gotowych",
    "Źródlane",  "Używki",    "Gęsina",   "Ryby",      "Sypkie",    "Przyprawy",
};

} // namespace

DepartmentCatalog::DepartmentCatalog(int count, std::uint64_t seed)
{
    Rng rng = Rng::derive(seed, 0xDE9A, 0);
    const int listed = static_cast<int>(sizeof kNames / sizeof kNames[0]);
    const int words = static_cast<int>(sizeof kWords / sizeof kWords[0]);
    const int digits = count > 9999 ? 5 : count > 999 ? 4 : 3;
    std::set<std::string> seen;

    departments_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Department d;
        if (i < listed) {
            d.canonical = kNames[i];
        } else {
            char buf[96];
            std::snprintf(buf, sizeof buf, "Dział %0*d %s", digits, i + 1,
                          kWords[(i * 7 + i / words) % words]);
            d.canonical = buf;
        }
        d.base = Cp1250::fromUtf8(d.canonical);
        d.upper = Cp1250::toUpper(d.base);
        d.lower = Cp1250::toLower(d.base);
        d.title = Cp1250::toTitle(d.base);
        if (!seen.insert(d.upper).second)
            throw std::logic_error("department names collide: " + d.canonical);

        // Most departments sell nearly every day; every ninth or so is a
        // seasonal one that appears only in a few reports.
        if (rng.chance(110))
            d.presencePerMille = static_cast<unsigned>(rng.range(30, 200));
        else
            d.presencePerMille = static_cast<unsigned>(rng.range(880, 1000));
        d.typicalCents = rng.range(2000, 450000);
        departments_.push_back(std::move(d));
    }
}
