#include "sync_test_support.h"

#include <QLocale>

namespace ovix::test {

std::string greenTeaRecord()
{
    std::string bytes = blankRecord(1042);
    putText(bytes, at::description, "GREEN TEA");
    putText(bytes, at::sku1, "5012345678900");
    putText(bytes, at::sku2, "GT-01");
    putText(bytes, at::sku4, "LOOSE");
    putText(bytes, at::format, "100G");
    putText(bytes, at::category, "DRINKS");
    putText(bytes, at::location, "SHELF 3");
    putText(bytes, at::orderCode, "SUP-77");
    putText(bytes, at::dateAdded, "05/03/2024");
    putI32(bytes, at::quantity, 12);
    putI32(bytes, at::reorderQuantity, 4);
    putI32(bytes, at::minimumOrder, 6);
    putI32(bytes, at::tax, 2);
    putI32(bytes, at::totalSold, 37);
    putF32(bytes, at::costPrice, 1.5f);
    putF32(bytes, at::tradePrice, 2.25f);
    putF32(bytes, at::retailPrice, 3.99f);
    putText(bytes, at::website, "www.shop.test/tea");
    putText(bytes, at::notes,
        "Caf\xE9 blend \x80"
        "5");
    putI32(bytes, at::displayCategory, 7);
    putText(bytes, at::lastUsed, "14:3005/03/2024");
    return bytes;
}

void fixClock(int year, int month, int day, int hour, int minute)
{
    QLocale::setDefault(QLocale::c());
    LocalTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    setFixedLocalTime(time);
}

} // namespace ovix::test
