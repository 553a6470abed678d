#include "platform/locale_text.h"

#include "platform/cp1252.h"

#include <QDate>
#include <QLocale>

namespace ovix {

std::string localeCurrencySymbolCp1252()
{
    std::string symbol = fromQString(QLocale().currencySymbol());
    if (symbol.size() > 3)
        symbol.resize(3);
    return symbol;
}

std::string formatLocaleDate(int year, int month, int day, const char *picture)
{
    const QDate date(year, month, day);
    if (!picture || !date.isValid())
        return {};
    return fromQString(QLocale().toString(date, QString::fromUtf8(picture)));
}

// Reads the decimal digits at `at` (at least one, at most `maxDigits`) and
// moves past them; false when there is no digit.
static bool readNumber(std::string_view text, size_t &at, size_t maxDigits, int &value)
{
    size_t start = at;
    value = 0;
    while (at < text.size() && at - start < maxDigits && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + (text[at++] - '0');
    return at > start;
}

std::string showStampDate(std::string_view stamp)
{
    stamp = stamp.substr(0, stamp.find('\0'));
    if (stamp.size() <= 5)
        return {};
    const std::string_view plain = stamp.substr(5);
    size_t at = 0;
    int day = 0;
    int month = 0;
    int year = 0;
    bool parsed = readNumber(plain, at, 2, day) && at < plain.size() && plain[at++] == '/'
        && readNumber(plain, at, 2, month) && at < plain.size() && plain[at++] == '/'
        && readNumber(plain, at, 4, year) && at == plain.size();
    if (parsed && day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1980) {
        std::string shown = formatLocaleDate(year, month, day, "ddd d MMM yy");
        if (!shown.empty())
            return shown;
    }
    return std::string(plain);
}

} // namespace ovix
