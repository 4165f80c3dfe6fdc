#include "SystemRegionalSettings.h"

#include <QLocale>

namespace vinta {
namespace {

std::string FirstSeparator(const QString& format, const char* fallback)
{
    for (const QChar c : format)
        if (!c.isLetterOrNumber() && !c.isSpace())
            return QString(c).toStdString();
    return fallback;
}

// Digits after the decimal mark in the locale's own currency text.
int CurrencyDecimals(const QString& oneUnit, const QString& decimalPoint)
{
    const qsizetype dot = oneUnit.indexOf(decimalPoint);
    if (dot < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = dot + decimalPoint.size(); i < oneUnit.size() && oneUnit[i].isDigit(); ++i)
        ++digits;
    return digits;
}

} // namespace

TRegionalSettings RegionalSettingsFromLocale(const QLocale& locale)
{
    TRegionalSettings s;
    s.dateSeparator = FirstSeparator(locale.dateFormat(QLocale::ShortFormat), "-");
    s.timeSeparator = FirstSeparator(locale.timeFormat(QLocale::ShortFormat), ":");
    s.decimalSeparator = locale.decimalPoint().toStdString();
    s.negativeSign = locale.negativeSign().toStdString();
    s.thousandSeparator = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
                              ? std::string()
                              : locale.groupSeparator().toStdString();

    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    s.currencySymbol = symbol.toStdString();
    const QString oneUnit = locale.toCurrencyString(1.0);
    s.currencyDecimals = CurrencyDecimals(oneUnit, locale.decimalPoint());
    const bool prefix = !symbol.isEmpty() && oneUnit.startsWith(symbol);
    const bool spaced = !symbol.isEmpty() &&
                        (prefix ? oneUnit.size() > symbol.size() && oneUnit[symbol.size()].isSpace()
                                : oneUnit.size() > symbol.size() &&
                                      oneUnit[oneUnit.size() - symbol.size() - 1].isSpace());
    // Positive forms 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"; the sign then leads the whole text:
    // 1 "-$1", 5 "-1$", 9 "-$ 1", 8 "-1 $".
    if (prefix) {
        s.currencyFormat = spaced ? 2 : 0;
        s.negativeCurrencyFormat = spaced ? 9 : 1;
    } else {
        s.currencyFormat = spaced ? 3 : 1;
        s.negativeCurrencyFormat = spaced ? 8 : 5;
    }
    return s;
}

TRegionalSettings SystemRegionalSettings()
{
    return RegionalSettingsFromLocale(QLocale::system());
}

} // namespace vinta
