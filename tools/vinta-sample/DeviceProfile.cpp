#include "DeviceProfile.h"

#include "Cp1250.h"
#include "Rng.h"

#include <cstdio>

namespace {

const char *const kShops[] = {
    "Sklep Spożywczy \"Pod Lipą\"",   "Delikatesy \"Złoty Kłos\"",
    "PHU \"Żabka-Łąka\" s.c.",        "Sklep \"Świeżość\" Sp. z o.o.",
    "Market \"Wiśniówka\"",           "Spożywczo-Przemysłowy \"Gęś\"",
    "Sklep \"U Józefa\"",             "Delikatesy \"Źródełko\"",
};

const char *const kStreets[] = {
    "ul. Główna",  "ul. Świętokrzyska", "ul. Łąkowa",    "ul. Żeromskiego",
    "ul. Słoneczna", "al. Niepodległości", "ul. Kościuszki", "ul. Źródlana",
};

const char *const kCities[] = {
    "00-950 Warszawa", "90-001 Łódź", "30-110 Kraków",  "80-180 Gdańsk",
    "50-340 Wrocław",  "61-896 Poznań", "87-100 Toruń", "40-012 Katowice",
};

const char *const kCashiers[] = {
    "Anna",  "Małgorzata", "Łukasz", "Grażyna", "Józef", "Bożena",
    "Paweł", "Jolanta",    "Ewa",    "Sławomir", "Krzyś", "Agnieszka",
};

template <typename T, std::size_t N>
const T &pick(Rng &rng, const T (&list)[N])
{
    return list[rng.below(N)];
}

std::string makeNip(Rng &rng)
{
    // A NIP with a valid check digit, as any real register would print.
    static constexpr int weights[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    for (;;) {
        int digits[10];
        int sum = 0;
        digits[0] = static_cast<int>(rng.range(1, 9));
        for (int i = 1; i < 9; ++i)
            digits[i] = static_cast<int>(rng.below(10));
        for (int i = 0; i < 9; ++i)
            sum += digits[i] * weights[i];
        digits[9] = sum % 11;
        if (digits[9] == 10)
            continue;
        char buf[32];
        std::snprintf(buf, sizeof buf, "NIP %d%d%d-%d%d%d-%d%d-%d%d", digits[0], digits[1],
                      digits[2], digits[3], digits[4], digits[5], digits[6], digits[7],
                      digits[8], digits[9]);
        return buf;
    }
}

} // namespace

DeviceProfile::DeviceProfile(int number, std::uint64_t seed) : number_(number)
{
    Rng rng = Rng::derive(seed, 0xDE71CE, static_cast<std::uint64_t>(number));

    char unique[16];
    std::snprintf(unique, sizeof unique, "%c%c%c%08llu",
                  static_cast<char>('A' + rng.below(26)), static_cast<char>('A' + rng.below(26)),
                  static_cast<char>('A' + rng.below(26)),
                  static_cast<unsigned long long>(rng.below(100000000)));
    unique_ = unique;
    folder_ = "Kasa_" + std::to_string(number) + "_" + unique_;

    nip_ = makeNip(rng);
    shop_ = Cp1250::fromUtf8(pick(rng, kShops));
    char street[96];
    std::snprintf(street, sizeof street, "%s %d", pick(rng, kStreets),
                  static_cast<int>(rng.range(1, 120)));
    street_ = Cp1250::fromUtf8(street);
    city_ = Cp1250::fromUtf8(pick(rng, kCities));

    const int staff = static_cast<int>(rng.range(2, 4));
    for (int i = 0; i < staff; ++i)
        cashiers_.push_back(Cp1250::fromUtf8(pick(rng, kCashiers)));

    amountLabel_ = static_cast<int>(rng.below(4));
    static constexpr int widths[] = {0, 10, 12, 12, 14};
    amountWidth_ = widths[rng.below(5)];

    // Registers are not new at the start of the archive.
    print_ = static_cast<long>(rng.range(0, 9000));
    receipt_ = static_cast<long>(rng.range(0, 90000));
    daily_ = static_cast<long>(rng.range(0, 1500));
    zeroing_ = static_cast<long>(rng.range(0, 1500));
}
