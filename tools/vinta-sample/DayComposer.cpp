#include "DayComposer.h"

#include "Cp1250.h"
#include "Money.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t kLabelBytes = 37; // amount column of the department report
constexpr std::size_t kHeaderRule = 48;

std::string u(const char *utf8)
{
    return Cp1250::fromUtf8(utf8);
}

} // namespace

DayComposer::DayComposer(const DepartmentCatalog &departments, const ProductCatalog &products,
                         char dateSeparator, Manifest &manifest)
    : departments_(departments), products_(products), sep_(dateSeparator), manifest_(manifest)
{
    zeroingHeader_ = u(".O B R O T Ó W   D Z I A Ł Ó W   Z E R U J Ą C Y");
    nonZeroingHeader_ = u(".O B R O T Ó W   D Z I A Ł Ó W   N I E Z E R U J Ą C Y");
    labels_ = {u("  Sprzedaż brutto"), u("  Obrót"), u("  Wartość sprzedaży"),
               u("    Sprzedaż"), u("  Sprzedaż"), u("  Sprz. 23.00% A, 8.00% B:")};
    caption1_ = u("Dział                       Sprzedaż brutto");
    caption2_ = u("Nazwa działu / wartość");
    nonFiscal_ = u("NIEFISKALNY");
    receiptTitle_ = u("PARAGON FISKALNY");
    dailyTitle_ = u("RAPORT FISKALNY DOBOWY");
    taxedSales_ = u("Sprzedaż opodatkowana ");
    taxedSalesShort_ = u("Sprzed. opod. PTU ");
    taxTotal_ = u("Łączna kwota PTU");
    dueTotal_ = u("Łączna należność");
    receiptCount_ = u("Liczba paragonów fiskalnych");
    cancelledCount_ = u("Liczba paragonów anulowanych");
    cancelledValue_ = u("Wartość paragonów anulowanych");
    electronicCopy_ = u("Kopia elektroniczna z dnia ");
    cash_ = u("Gotówka");
    change_ = u("Reszta");
    card_ = u("Karta płatnicza");
    cashier_ = u("Kasjer: ");
    total_ = u("Razem");
    discount_ = u("  Rabat promocyjny");
}

std::string DayComposer::padNumber(long value, int digits)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*ld", digits, value);
    return buf;
}

std::string DayComposer::clock(int minute)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", minute / 60 % 24, minute % 60);
    return buf;
}

std::string DayComposer::dateText(const CivilDate &date) const
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", date.day(), sep_, date.month(), sep_,
                  date.year());
    return buf;
}

// The report's date line keeps the date in its first 11 characters. Most
// models print "DD-MM-YYYY "; some firmware versions pad the fields with
// spaces or drop the century, so those spellings turn up now and then.
std::string DayComposer::reportDateField(const CivilDate &date, Rng &rng) const
{
    const int d = date.day();
    const int m = date.month();
    const int y = date.year();
    const char s = sep_;
    char buf[32];
    const auto r = rng.below(1000);
    if (r < 820)
        std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d ", d, s, m, s, y);
    else if (r < 880)
        std::snprintf(buf, sizeof buf, "%02d%c %02d%c%04d", d, s, m, s, y);
    else if (r < 930 && y >= 2000 && y < 2050) // two digits only where unambiguous
        std::snprintf(buf, sizeof buf, "   %02d%c%02d%c%02d", d, s, m, s, y % 100);
    else if (r < 950)
        std::snprintf(buf, sizeof buf, "%02d %c%02d%c%04d", d, s, m, s, y);
    else if (r < 970)
        std::snprintf(buf, sizeof buf, "%02d%c%02d%c %04d", d, s, m, s, y);
    else
        std::snprintf(buf, sizeof buf, "%2d%c%2d%c%04d ", d, s, m, s, y);
    return buf;
}

void DayComposer::shopHeader(const DeviceProfile &device, TextBuffer &out) const
{
    out.centered(device.shopName());
    out.centered(device.street());
    out.centered(device.city());
    out.centered(device.nipLine());
}

void DayComposer::fileHeader(const DeviceProfile &device, const CivilDate &date,
                             TextBuffer &out) const
{
    out.rule('=');
    shopHeader(device, out);
    out.centered("Kasa nr " + std::to_string(device.number()) + "   " + device.uniqueNumber());
    out.centered(electronicCopy_ + dateText(date));
    out.rule('=');
    out.blank();
}

void DayComposer::receipt(DeviceProfile &device, const CivilDate &date, int minute, Rng &rng,
                          TextBuffer &out, DayTotals &totals) const
{
    shopHeader(device, out);
    out.leftRight(dateText(date) + " " + clock(minute),
                  "nr wydr." + padNumber(device.nextPrintNumber(), 4));
    out.centered(receiptTitle_);
    out.rule('-');

    const auto &products = products_.products();
    const auto &rates = products_.rates();
    std::array<std::int64_t, 8> gross{};
    const int items = static_cast<int>(rng.chance(150) ? rng.range(12, 34) : rng.range(3, 15));
    for (int i = 0; i < items; ++i) {
        const auto &p = products[rng.below(products.size())];
        std::string qty;
        std::int64_t value = 0;
        if (p.weighed) {
            const auto grams = rng.range(80, 2500);
            char buf[48];
            std::snprintf(buf, sizeof buf, "%lld,%03lld", static_cast<long long>(grams / 1000),
                          static_cast<long long>(grams % 1000));
            qty = buf;
            value = (p.priceCents * grams + 500) / 1000;
        } else {
            const auto count = rng.chance(800) ? 1 : rng.range(2, 6);
            qty = std::to_string(count);
            value = p.priceCents * count;
        }
        std::string right = qty + " x" + Money::format(p.priceCents, ',') + "  "
            + Money::format(value, ',') + " " + rates[static_cast<std::size_t>(p.rate)].letter;
        if (p.name.size() + right.size() + 1 > static_cast<std::size_t>(TextBuffer::kWidth)) {
            out.line(p.name);
            out.leftRight("", right);
        } else {
            out.leftRight(p.name, right);
        }
        if (value >= 500 && rng.chance(60)) {
            // Promotions print as a separate line under the item.
            const auto discount = value * rng.range(5, 30) / 100;
            out.leftRight(discount_, "-" + Money::format(discount, ',') + " "
                              + rates[static_cast<std::size_t>(p.rate)].letter);
            value -= discount;
        }
        gross[static_cast<std::size_t>(p.rate)] += value;
    }
    out.rule('-');

    std::int64_t sum = 0;
    std::int64_t tax = 0;
    for (std::size_t r = 0; r < rates.size(); ++r) {
        if (gross[r] == 0)
            continue;
        out.leftRight(taxedSales_ + rates[r].letter, Money::format(gross[r], ','));
        if (rates[r].percent >= 0) {
            const auto t = Money::taxOfGross(gross[r], rates[r].percent);
            out.leftRight(std::string("PTU ") + rates[r].letter + " " + rates[r].label,
                          Money::format(t, ','));
            tax += t;
        }
        sum += gross[r];
        totals.gross[r] += gross[r];
    }
    out.leftRight("Suma PTU", Money::format(tax, ','));
    out.leftRight("SUMA PLN", Money::format(sum, ','));
    out.rule('-');
    const auto &staff = device.cashiers();
    out.leftRight(padNumber(device.nextReceiptNumber(), 5) + " #Kasa "
                      + std::to_string(device.number()) + " " + staff[rng.below(staff.size())],
                  clock(minute));
    out.centered("{PL} " + device.uniqueNumber());
    if (rng.chance(650)) {
        static constexpr std::int64_t notes[] = {1000, 2000, 5000, 10000, 20000, 50000};
        std::int64_t paid = sum;
        for (const auto n : notes)
            if (n >= sum) {
                paid = rng.chance(300) ? sum : n;
                break;
            }
        out.leftRight(cash_, Money::format(paid, ','));
        out.leftRight(change_, Money::format(paid - sum, ','));
    } else {
        out.leftRight(card_, Money::format(sum, ','));
    }
    out.blank();
    ++totals.receipts;
}

void DayComposer::departmentName(const DepartmentCatalog::Department &dept, Rng &rng,
                                 TextBuffer &out) const
{
    // Operators retype department names on some registers, so the case and
    // the surrounding blanks differ between reports.
    const auto lead = rng.below(1000);
    if (lead < 700)
        out.spaces(2);
    else if (lead < 800)
        ;
    else if (lead < 870)
        out.spaces(4);
    else if (lead < 920)
        out.spaces(1);
    else if (lead < 960)
        out.append('\t');
    else
        out.append(" \t");

    const auto style = rng.below(1000);
    out.append(style < 860 ? dept.base : style < 920 ? dept.upper : style < 960 ? dept.lower
                                                                                : dept.title);

    const auto trail = rng.below(1000);
    if (trail >= 850 && trail < 950)
        out.spaces(static_cast<std::size_t>(1 + trail % 3));
    else if (trail >= 950)
        out.append(trail % 2 ? "\t" : " \t ");
    out.endLine();
}

void DayComposer::amountLine(const DeviceProfile &device, std::int64_t cents, int labelStyle,
                             TextBuffer &out) const
{
    const std::string &label = labels_[static_cast<std::size_t>(labelStyle)];
    if (labelStyle == 4) {
        // Dot leaders up to the amount column.
        out.append(label);
        out.append(' ');
        out.append(std::string(kLabelBytes - label.size() - 2, '.'));
        out.append(' ');
    } else {
        out.fixed(label, kLabelBytes);
    }
    const std::string amount = Money::format(cents, '.');
    const auto width = static_cast<std::size_t>(device.amountWidth());
    if (amount.size() < width)
        out.spaces(width - amount.size());
    out.append(amount);
    out.endLine();
}

void DayComposer::departmentReport(DeviceProfile &device, const CivilDate &date, int minute,
                                   bool zeroing, int share, Rng &rng, TextBuffer &out)
{
    // Date line: the report's date in its first 11 characters.
    std::string dateLine = reportDateField(date, rng);
    if (dateLine.back() != ' ')
        dateLine += ' ';
    dateLine += clock(minute);
    out.leftRight(dateLine, "#" + padNumber(device.nextPrintNumber(), 4));

    // Three lines of device data in the order this firmware prints them.
    const std::string uniqueLine = "      {PL} " + device.uniqueNumber();
    const std::string nonFiscalLine = "             " + nonFiscal_;
    switch (rng.below(4)) {
    case 0:
        out.line(uniqueLine);
        out.rule('-');
        out.line(nonFiscalLine);
        break;
    case 1:
        out.line(nonFiscalLine);
        out.line(uniqueLine);
        out.rule('-');
        break;
    case 2:
        out.line(cashier_ + device.cashiers()[rng.below(device.cashiers().size())]);
        out.line(uniqueLine);
        out.rule('-');
        break;
    default:
        out.rule('-');
        out.line(nonFiscalLine);
        out.line(uniqueLine);
        break;
    }

    const auto indent = rng.below(10);
    out.spaces(indent < 6 ? 2 : indent < 8 ? 4 : indent < 9 ? 0 : 1);
    out.append(zeroing ? zeroingHeader_ : nonZeroingHeader_);
    if (rng.chance(100))
        out.spaces(2);
    out.endLine();

    if (rng.chance(900)) {
        out.rule('-', kHeaderRule);
        out.line(caption1_);
    } else {
        out.line(caption2_);
        out.rule('=', kHeaderRule);
    }

    // Pick the departments first so an empty report can be avoided.
    const auto &all = departments_.departments();
    std::vector<std::size_t> listed;
    listed.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        if (rng.chance(all[i].presencePerMille))
            listed.push_back(i);
    if (listed.empty())
        listed.push_back(rng.below(all.size()));

    int labelStyle = device.amountLabel();
    if (rng.chance(40))
        labelStyle = 4;
    else if (rng.chance(20))
        labelStyle = 5;

    std::int64_t sum = 0;
    for (const std::size_t i : listed) {
        const auto &dept = all[i];
        std::int64_t cents = 0;
        const auto kind = rng.below(1000);
        if (kind < 25)
            cents = 0;
        else if (kind < 45)
            cents = -rng.range(50, 30000); // returns exceeding the day's sales
        else
            cents = dept.typicalCents * rng.range(40, 160) / 100 * share / 100 + rng.range(0, 99);
        departmentName(dept, rng, out);
        amountLine(device, cents, labelStyle, out);
        if (zeroing)
            manifest_.add(date, dept.canonical, cents);
        sum += cents;
    }

    const auto tildes = rng.below(100);
    if (tildes >= 95)
        out.spaces(2);
    out.rule('~', kHeaderRule + (tildes >= 80 ? static_cast<std::size_t>(tildes % 13 + 1) : 0));
    out.leftRight(total_, Money::format(sum, '.'));
    if (zeroing)
        out.leftRight("Zerowanie nr", padNumber(device.nextZeroingNumber(), 4));
    out.centered(nonFiscal_);
    out.leftRight(cashier_ + device.cashiers()[0], clock(minute));
    out.blank();
}

void DayComposer::dailyReport(DeviceProfile &device, const CivilDate &date, int minute,
                              const DayTotals &totals, TextBuffer &out) const
{
    shopHeader(device, out);
    out.leftRight(dateText(date) + " " + clock(minute),
                  "nr wydr." + padNumber(device.nextPrintNumber(), 4));
    out.centered(dailyTitle_);
    out.rule('-');
    out.leftRight("Raport dobowy nr", padNumber(device.nextDailyReport(), 4));
    const auto &rates = products_.rates();
    std::int64_t tax = 0;
    std::int64_t due = 0;
    for (std::size_t r = 0; r < rates.size(); ++r)
        out.leftRight(taxedSalesShort_ + rates[r].letter + " " + rates[r].label,
                      Money::format(totals.gross[r], ','));
    for (std::size_t r = 0; r < rates.size(); ++r) {
        due += totals.gross[r];
        if (rates[r].percent < 0)
            continue;
        const auto t = Money::taxOfGross(totals.gross[r], rates[r].percent);
        tax += t;
        out.leftRight(std::string("Kwota PTU ") + rates[r].letter + " " + rates[r].label,
                      Money::format(t, ','));
    }
    out.leftRight(taxTotal_, Money::format(tax, ','));
    out.leftRight(dueTotal_, Money::format(due, ','));
    out.leftRight(receiptCount_, std::to_string(totals.receipts));
    out.leftRight(cancelledCount_, "0");
    out.leftRight(cancelledValue_, "0,00");
    out.rule('-');
    out.leftRight("#Kasa " + std::to_string(device.number()) + " " + device.cashiers()[0],
                  clock(minute));
    out.centered("{PL} " + device.uniqueNumber());
    out.blank();
}

std::time_t DayComposer::compose(DeviceProfile &device, const CivilDate &date, int receipts,
                                 Rng &rng, TextBuffer &out)
{
    // The file is closed between 22:00:00 and 23:59:58, on an even second.
    const int closeSecond = 22 * 3600 + 2 * static_cast<int>(rng.below(3600));
    const int closeMinute = closeSecond / 60;
    const int dailyMinute = closeMinute - static_cast<int>(rng.below(2));
    const int zeroMinute = dailyMinute - static_cast<int>(rng.range(1, 4));

    // Most days end with one zeroing report; now and then the shop forgets
    // it, or a shift change adds a second one in the afternoon.
    const auto plan = rng.below(1000);
    const int zeroings = plan < 70 ? 0 : plan < 130 ? 2 : 1;
    const bool nonZeroing = rng.chance(120);

    int count = receipts;
    if (receipts >= 3) {
        // Busy days outnumber quiet ones a little.
        count += static_cast<int>(rng.range(-std::max(1, receipts / 10), std::max(1, receipts / 4)));
    }
    const int open = 6 * 60 + static_cast<int>(rng.range(0, 120));
    const int last = zeroMinute - 10;
    const int midIndex = count / 2;
    const int peekIndex = count > 0 ? static_cast<int>(rng.below(static_cast<std::uint64_t>(count))) : 0;

    fileHeader(device, date, out);
    DayTotals totals;
    int previous = open;
    for (int i = 0; i < count; ++i) {
        int minute = open + (last - open) * (2 * i + 1) / (2 * count)
            + static_cast<int>(rng.range(-4, 4));
        minute = std::clamp(minute, previous, last);
        previous = minute;
        if (zeroings == 2 && i == midIndex)
            departmentReport(device, date, minute, true, 45, rng, out);
        if (nonZeroing && i == peekIndex)
            departmentReport(device, date, minute, false, 60, rng, out);
        receipt(device, date, minute, rng, out, totals);
    }
    if (count == 0) {
        if (zeroings == 2)
            departmentReport(device, date, 14 * 60, true, 45, rng, out);
        if (nonZeroing)
            departmentReport(device, date, 15 * 60, false, 60, rng, out);
    }
    if (zeroings >= 1)
        departmentReport(device, date, zeroMinute, true, zeroings == 2 ? 55 : 100, rng, out);
    dailyReport(device, date, dailyMinute, totals, out);

    return date.localTime(closeSecond / 3600, closeSecond / 60 % 60, closeSecond % 60);
}
