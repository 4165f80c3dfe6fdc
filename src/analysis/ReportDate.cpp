#include "ReportDate.h"

#include "Failure.h"

#include <algorithm>

namespace vinta {
namespace {

class TDateScanner {
public:
    TDateScanner(std::string_view text, char separator) : text_(text), separator_(separator) {}

    void SkipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    // A run of digits after blanks. The value saturates: anything above 9999 is no part of a
    // date, however many digits it has.
    bool Number(int& value, std::size_t& digits)
    {
        SkipBlanks();
        const std::size_t start = pos_;
        value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = std::min(value * 10 + (text_[pos_] - '0'), 100000);
            ++pos_;
        }
        digits = pos_ - start;
        return digits > 0;
    }

    bool Separator()
    {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == separator_ && separator_ != 0) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool AtEnd() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
};

} // namespace

std::optional<TDateTime> TryStrToReportDate(std::string_view text, char separator, int currentYear)
{
    TDateScanner scan(text, separator);
    int day = 0, month = 0, year = 0;
    std::size_t dayDigits = 0, monthDigits = 0, yearDigits = 0;
    if (!scan.Number(day, dayDigits) || !scan.Separator() || !scan.Number(month, monthDigits))
        return std::nullopt;
    if (scan.Separator()) {
        if (!scan.Number(year, yearDigits))
            return std::nullopt;
        if (yearDigits <= 2) {
            const int centuryBase = currentYear - 50;
            year += centuryBase / 100 * 100;
            if (year < centuryBase)
                year += 100;
        }
    } else {
        year = currentYear;
    }
    scan.Separator();
    scan.SkipBlanks();
    if (!scan.AtEnd() || !IsValidDate(year, month, day))
        return std::nullopt;
    return static_cast<TDateTime>(DayNumber(year, month, day));
}

TDateTime StrToReportDate(std::string_view text, char separator, int currentYear)
{
    if (const auto date = TryStrToReportDate(text, separator, currentYear))
        return *date;
    throw EConvertError::InvalidDate(text);
}

} // namespace vinta
