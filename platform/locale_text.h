#pragma once
// Texts the desktop's language decides: the currency symbol and dates written
// the local way. They come from the default QLocale (the system's, from LANG
// and LC_ALL, unless QLocale::setDefault chose another) and are returned as
// Windows-1252 bytes, ready to be stored in the shop's files or measured.
// Numbers are never formatted here: they stay in the C locale.

#include <string>
#include <string_view>

namespace ovix {

// The locale's currency symbol in Windows-1252, at most its first 3 bytes:
// "$", "\xA3" (pound), "\x80" (euro); characters Windows-1252 lacks become '?'.
std::string localeCurrencySymbolCp1252();

// A date written with a QLocale picture such as "ddd d MMM yy",
// "dddd MMMM d yyyy" or "MMM d yyyy", in the locale's language, as
// Windows-1252. "" when the date does not exist (31 April) or `picture` is null.
std::string formatLocaleDate(int year, int month, int day, const char *picture);

// The date of a time stamp "HH:MMDD/MM/YYYY" as the user sees it: the locale's
// "ddd d MMM yy" when its day is 1-31, its month 1-12 and its year 1980 or
// later (and the date exists); otherwise the stamp's plain date part as stored
// (from its sixth character to its first NUL; "" when there is none).
std::string showStampDate(std::string_view stamp);

} // namespace ovix
