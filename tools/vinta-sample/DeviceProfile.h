#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One fiscal register: its identity, the shop it stands in, its printing
// habits, and the running numbers that continue from day to day.
class DeviceProfile {
public:
    DeviceProfile(int number, std::uint64_t seed);

    int number() const { return number_; }
    const std::string &uniqueNumber() const { return unique_; } // e.g. ABC12345678
    const std::string &folder() const { return folder_; }       // Kasa_1_ABC12345678
    const std::string &nipLine() const { return nip_; }         // CP1250 from here on
    const std::string &shopName() const { return shop_; }
    const std::string &street() const { return street_; }
    const std::string &city() const { return city_; }
    const std::vector<std::string> &cashiers() const { return cashiers_; }

    // How this model prints the department amount lines.
    int amountLabel() const { return amountLabel_; }
    int amountWidth() const { return amountWidth_; }

    // Running counters, advanced as the days are printed in order.
    long nextPrintNumber() { return ++print_ % 10000; }
    long nextReceiptNumber() { return ++receipt_ % 100000; }
    long nextDailyReport() { return ++daily_; }
    long nextZeroingNumber() { return ++zeroing_; }

private:
    int number_;
    std::string unique_;
    std::string folder_;
    std::string nip_;
    std::string shop_;
    std::string street_;
    std::string city_;
    std::vector<std::string> cashiers_;
    int amountLabel_;
    int amountWidth_;
    long print_;
    long receipt_;
    long daily_;
    long zeroing_;
};
