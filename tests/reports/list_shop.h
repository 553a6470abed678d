#pragma once
// A shop for the list tests: film.dat, member.dat and mans.dat written byte by
// byte at the documented offsets, then loaded as the till loads them.

#include "platform/scripted_messages.h"
#include "store/shop.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cstdint>
#include <string>

namespace ovix::test {

inline constexpr size_t kFilmRecord = 1874;
inline constexpr size_t kMemberRecord = 2094;
inline constexpr size_t kMansRecord = 1058;

struct ListItem {
    int64_t number = 0;
    std::string description {};
    int32_t quantity = 0;
    int32_t reorder = 0;
    int32_t onOrder = 0;
    int32_t orderQuantity = 0;
    std::string orderCode {};
    float cost = 0;
    float retail = 0;
    int32_t category = 0;
    std::string location {};
    int32_t specialOrder = 0;
    int32_t sellBy[3] = { 0, 0, 0 }; // day, month, year (0 none, n = 2011 + n)
    int32_t kind = 0; // 2 = bundle
};

inline std::string filmRecord(const ListItem &item)
{
    std::string bytes(kFilmRecord, '\0');
    putI64(bytes, 0, item.number);
    putText(bytes, 8, item.description);
    putText(bytes, 350, item.location);
    putText(bytes, 550, item.orderCode);
    putI32(bytes, 670, item.quantity);
    putI32(bytes, 674, item.reorder);
    putI32(bytes, 682, item.orderQuantity);
    putI32(bytes, 694, item.onOrder);
    putF32(bytes, 814, item.cost);
    putF32(bytes, 822, item.retail);
    putI32(bytes, 1210, item.specialOrder);
    putI32(bytes, 1278, item.sellBy[0]);
    putI32(bytes, 1282, item.sellBy[1]);
    putI32(bytes, 1286, item.sellBy[2]);
    putI32(bytes, 1787, item.category);
    putI32(bytes, 1802, item.kind);
    return bytes;
}

struct ListCustomer {
    int64_t number = 0;
    std::string name {};
    std::string road {};
    std::string telephone {};
    float balance = 0;
    std::string lastUsed {}; // "HH:MMDD/MM/YYYY"
};

inline std::string memberRecord(const ListCustomer &customer)
{
    std::string bytes(kMemberRecord, '\0');
    putI64(bytes, 0, customer.number);
    putText(bytes, 8, customer.name);
    putText(bytes, 38, customer.road);
    putText(bytes, 138, customer.telephone);
    putText(bytes, 1122, customer.lastUsed);
    putF32(bytes, 1554, customer.balance);
    return bytes;
}

struct ListSupplier {
    int64_t number = 0;
    std::string name {};
    std::string road {};
    std::string town {};
    std::string telephone {};
};

inline std::string mansRecord(const ListSupplier &supplier)
{
    std::string bytes(kMansRecord, '\0');
    putI64(bytes, 0, supplier.number);
    putText(bytes, 8, supplier.name);
    putText(bytes, 66, supplier.road);
    putText(bytes, 126, supplier.town);
    putText(bytes, 166, supplier.telephone);
    return bytes;
}

// The shop "CORNER SHOP" with the files given (an empty one holds one free record).
class ListShop {
public:
    explicit ListShop(const std::string &film, const std::string &member = {},
        const std::string &mans = {})
        : shop(folder.path())
    {
        writeBytes(folder.file("film.dat"), film.empty() ? filmRecord({ -1 }) : film);
        writeBytes(folder.file("member.dat"), member.empty() ? memberRecord({ -1 }) : member);
        writeBytes(folder.file("mans.dat"), mans.empty() ? mansRecord({ -1 }) : mans);
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.items.load(quiet)) << quiet.lastText();
        EXPECT_TRUE(shop.customers.load(quiet)) << quiet.lastText();
        EXPECT_TRUE(shop.suppliers.load(quiet)) << quiet.lastText();
        shop.heading.setLine(HeadingLine::SiteName, "CORNER SHOP");
        const char *names[] = { "ALC", "BEE", "BOO", "CAN", "CAR", "COF", "DEL", "DRI", "DVD",
            "ELE", "FOO", "GAR", "GIF", "GRO", "HOM", "MAG", "TOB", "TOY" };
        for (int category = 1; category <= 18; ++category)
            shop.config.setCategoryName(category, names[category - 1]);
    }

    TempDir folder;
    Shop shop;
};

// Dates in the reports' pictures are written in US English while a test runs.
class EnglishDates : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

} // namespace ovix::test
