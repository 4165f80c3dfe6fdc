#pragma once

#include "CivilDate.h"
#include "DepartmentCatalog.h"
#include "DeviceProfile.h"
#include "Manifest.h"
#include "ProductCatalog.h"
#include "Rng.h"
#include "TextBuffer.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

// Composes one register's electronic copy for one day: file header,
// receipts, department reports and the daily fiscal report, in CP1250.
class DayComposer {
public:
    DayComposer(const DepartmentCatalog &departments, const ProductCatalog &products,
                char dateSeparator, Manifest &manifest);

    // Fills `out` and returns the local time the register closed the file.
    std::time_t compose(DeviceProfile &device, const CivilDate &date, int receipts, Rng &rng,
                        TextBuffer &out);

private:
    struct DayTotals {
        std::array<std::int64_t, 8> gross{};
        long receipts = 0;
    };

    void fileHeader(const DeviceProfile &device, const CivilDate &date, TextBuffer &out) const;
    void shopHeader(const DeviceProfile &device, TextBuffer &out) const;
    void receipt(DeviceProfile &device, const CivilDate &date, int minute, Rng &rng,
                 TextBuffer &out, DayTotals &totals) const;
    void departmentReport(DeviceProfile &device, const CivilDate &date, int minute,
                          bool zeroing, int share, Rng &rng, TextBuffer &out);
    void departmentName(const DepartmentCatalog::Department &dept, Rng &rng,
                        TextBuffer &out) const;
    void amountLine(const DeviceProfile &device, std::int64_t cents, int labelStyle,
                    TextBuffer &out) const;
    void dailyReport(DeviceProfile &device, const CivilDate &date, int minute,
                     const DayTotals &totals, TextBuffer &out) const;

    std::string dateText(const CivilDate &date) const;
    std::string reportDateField(const CivilDate &date, Rng &rng) const;
    static std::string clock(int minute);
    static std::string padNumber(long value, int digits);

    const DepartmentCatalog &departments_;
    const ProductCatalog &products_;
    char sep_;
    Manifest &manifest_;

    // Fixed texts, converted to CP1250 once.
    std::string zeroingHeader_;
    std::string nonZeroingHeader_;
    std::array<std::string, 6> labels_;
    std::string caption1_;
    std::string caption2_;
    std::string nonFiscal_;
    std::string receiptTitle_;
    std::string dailyTitle_;
    std::string taxedSales_;
    std::string taxedSalesShort_;
    std::string taxTotal_;
    std::string dueTotal_;
    std::string receiptCount_;
    std::string cancelledCount_;
    std::string cancelledValue_;
    std::string electronicCopy_;
    std::string cash_;
    std::string change_;
    std::string card_;
    std::string cashier_;
    std::string total_;
    std::string discount_;
};
