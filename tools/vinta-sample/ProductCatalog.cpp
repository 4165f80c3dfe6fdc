#include "ProductCatalog.h"

#include "Cp1250.h"

namespace {

struct Item {
    const char *name;
    int price;
    char rate;
    bool weighed;
};

const Item kItems[] = {
    {"Chleb żytni 500g", 599, 'C', false},     {"Bułka kajzerka", 69, 'C', false},
    {"Rogal maślany", 189, 'C', false},        {"Mleko 3,2% 1l", 389, 'C', false},
    {"Masło ekstra 200g", 799, 'C', false},    {"Ser żółty gouda", 3290, 'C', true},
    {"Jogurt naturalny", 249, 'C', false},     {"Śmietana 18% 400g", 559, 'C', false},
    {"Twaróg półtłusty", 479, 'C', false},     {"Jaja wiejskie L 10szt", 1199, 'C', false},
    {"Szynka wędzona", 4590, 'C', true},       {"Kiełbasa śląska", 2990, 'C', true},
    {"Pierś z kurczaka", 2390, 'C', true},     {"Schab bez kości", 2690, 'C', true},
    {"Ziemniaki", 299, 'C', true},             {"Jabłka Ligol", 449, 'C', true},
    {"Pomidory malinowe", 1290, 'C', true},    {"Ogórki gruntowe", 899, 'C', true},
    {"Cebula żółta", 349, 'C', true},          {"Banany", 599, 'C', true},
    {"Woda źródlana 1,5l", 199, 'A', false},   {"Sok jabłkowy 1l", 549, 'C', false},
    {"Napój gazowany 2l", 699, 'A', false},    {"Piwo jasne 0,5l", 429, 'A', false},
    {"Wódka czysta 0,5l", 3299, 'A', false},   {"Wino czerwone wytrawne", 2499, 'A', false},
    {"Czekolada mleczna", 549, 'B', false},    {"Cukierki krówki", 1790, 'B', true},
    {"Wafelki kakaowe", 249, 'B', false},      {"Kawa mielona 500g", 2799, 'A', false},
    {"Herbata czarna 100szt", 1299, 'A', false}, {"Cukier biały 1kg", 449, 'C', false},
    {"Mąka pszenna 1kg", 399, 'C', false},     {"Kasza gryczana 400g", 459, 'C', false},
    {"Ryż długoziarnisty", 499, 'C', false},   {"Makaron świderki", 379, 'C', false},
    {"Olej rzepakowy 1l", 899, 'C', false},    {"Płyn do naczyń", 749, 'A', false},
    {"Proszek do prania", 3299, 'A', false},   {"Papier toaletowy 8szt", 1599, 'A', false},
    {"Mydło w płynie", 699, 'A', false},       {"Pasta do zębów", 899, 'A', false},
    {"Papierosy", 1690, 'A', false},           {"Gazeta codzienna", 350, 'B', false},
    {"Śledź w oleju", 1190, 'C', false},       {"Filet z dorsza mroż.", 2999, 'C', false},
    {"Pierogi ruskie", 1490, 'C', true},       {"Lody śmietankowe", 1199, 'B', false},
    {"Orzechy włoskie", 5990, 'C', true},      {"Miód wielokwiatowy", 2890, 'C', false},
    {"Dżem truskawkowy", 789, 'C', false},     {"Karma dla kota", 299, 'B', false},
    {"Reklamówka", 100, 'A', false},           {"Zapałki", 150, 'A', false},
    {"Pączek z różą", 299, 'C', false},        {"Drożdżówka z serem", 349, 'C', false},
    {"Żurek w butelce", 599, 'C', false},      {"Musztarda sarepska", 449, 'C', false},
    {"Ketchup łagodny", 699, 'C', false},      {"Chipsy solone", 649, 'A', false},
};

} // namespace

ProductCatalog::ProductCatalog()
{
    rates_ = {
        {'A', 23, Cp1250::fromUtf8("23,00%")}, {'B', 8, Cp1250::fromUtf8("8,00%")},
        {'C', 5, Cp1250::fromUtf8("5,00%")},   {'D', 0, Cp1250::fromUtf8("0,00%")},
        {'E', -1, Cp1250::fromUtf8("zw.")},
    };
    for (const Item &item : kItems) {
        int rate = 0;
        while (rates_[static_cast<std::size_t>(rate)].letter != item.rate)
            ++rate;
        products_.push_back({Cp1250::fromUtf8(item.name), item.price, rate, item.weighed});
    }
}
