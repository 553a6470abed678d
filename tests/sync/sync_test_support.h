#pragma once
// Helpers for the publisher's tests: film.dat records built byte by byte at
// the offsets of the item file's layout; the FTP server is support/local_ftp_server.h.

#include "platform/clock.h"
#include "support/local_ftp_server.h"
#include "support/test_support.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <ostream>
#include <string>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &lines, std::ostream *out)
{
    *out << "{";
    for (const QString &line : lines)
        *out << "\n  \"" << line.toStdString() << '"';
    *out << " }";
}

namespace ovix::test {

inline constexpr size_t kRecordBytes = 1874;

// Offsets of the item record's fields, written out by hand.
namespace at {
inline constexpr size_t number = 0;
inline constexpr size_t description = 8;
inline constexpr size_t sku1 = 90;
inline constexpr size_t sku2 = 130;
inline constexpr size_t sku3 = 170;
inline constexpr size_t sku4 = 210;
inline constexpr size_t format = 270;
inline constexpr size_t category = 290;
inline constexpr size_t location = 350;
inline constexpr size_t orderCode = 550;
inline constexpr size_t dateAdded = 630;
inline constexpr size_t quantity = 670;
inline constexpr size_t reorderQuantity = 674;
inline constexpr size_t minimumOrder = 678;
inline constexpr size_t tax = 686;
inline constexpr size_t totalSold = 714;
inline constexpr size_t costPrice = 814;
inline constexpr size_t tradePrice = 818;
inline constexpr size_t retailPrice = 822;
inline constexpr size_t website = 882;
inline constexpr size_t notes = 1610;
inline constexpr size_t displayCategory = 1787;
inline constexpr size_t lastUsed = 1810;
} // namespace at

// A zero-filled record holding only `number`.
inline std::string blankRecord(int64_t number)
{
    std::string bytes(kRecordBytes, '\0');
    putI64(bytes, at::number, number);
    return bytes;
}

// The item used across the conversion tests: every field the stock file can
// carry set, Windows-1252 bytes in the notes.
std::string greenTeaRecord();

// Fixes the clock (and English C-locale dates) for time lines such as
// "9:07 Tue Mar 5 2024"; releaseClock() lets it run again.
void fixClock(int year, int month, int day, int hour, int minute);
inline void releaseClock()
{
    setFixedLocalTime(std::nullopt);
}

inline std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace ovix::test
