#pragma once
// A shop for the customer tests: the new data set's free member.dat record in
// slot 0, customers added straight through the index, the clock held at
// kSaleTime, and member.dat read back as bytes.

#include "store/record_files.h"
#include "till/sale_fixture.h"

#include <cstring>
#include <string>

namespace ovix::test {

// Offsets of member.dat's fields, typed from the layout rather than the struct.
namespace member {
inline constexpr size_t kNumber = 0;
inline constexpr size_t kName = 8;
inline constexpr size_t kRoad = 38;
inline constexpr size_t kArea = 68;
inline constexpr size_t kTown = 98;
inline constexpr size_t kPostcode = 128;
inline constexpr size_t kTelephone = 138;
inline constexpr size_t kExtension = 158;
inline constexpr size_t kTelephone2 = 178;
inline constexpr size_t kFax = 198;
inline constexpr size_t kShipping1 = 218;
inline constexpr size_t kShipping2 = 278;
inline constexpr size_t kShipping3 = 308;
inline constexpr size_t kShipping4 = 338;
inline constexpr size_t kShipping5 = 368;
inline constexpr size_t kContact = 392;
inline constexpr size_t kNotes = 452;
inline constexpr size_t kGroup = 652;
inline constexpr size_t kComment = 676;
inline constexpr size_t kCreditCard = 706;
inline constexpr size_t kCreditCard2 = 746;
inline constexpr size_t kCreditCardExpiry = 826;
inline constexpr size_t kCreditCard2Expiry = 846;
inline constexpr size_t kTerms = 1006;
inline constexpr size_t kLastTransaction = 1010;
inline constexpr size_t kComment2 = 1014;
inline constexpr size_t kEmail = 1054;
inline constexpr size_t kTotalPurchases = 1094;
inline constexpr size_t kOrigination = 1110;
inline constexpr size_t kLastUsed = 1122;
inline constexpr size_t kLastPayment = 1138;
inline constexpr size_t kLoanTable1 = 1154;
inline constexpr size_t kBalance = 1554;
inline constexpr size_t kCreditLimit = 1558;
inline constexpr size_t kTransactions = 1578;
inline constexpr size_t kTax = 1582;
inline constexpr size_t kItemsOnLoan = 1590;
inline constexpr size_t kLoanDue = 1910;
inline constexpr size_t kImportMark = 2090;
} // namespace member

struct TestCustomer {
    int64_t number = 0;
    const char *name = "";
    float balance = 0;
    const char *telephone = "";
    const char *telephone2 = "";
    int64_t tax = 1;
    const char *lastUsed = "";
    const char *road = "";
};

struct CustomerShop : SaleShop {
    FixedClock clock { kSaleTime };

    int64_t add(const TestCustomer &customer)
    {
        CustomerRecord record {};
        record.number = customer.number;
        writeText(record.name, customer.name);
        writeText(record.road, customer.road);
        writeText(record.telephone, customer.telephone);
        writeText(record.telephone2, customer.telephone2);
        writeText(record.customer_last_used, customer.lastUsed);
        record.balance = customer.balance;
        record.tax = customer.tax;
        record.group = 1;
        record.terms = 1;
        ScriptedMessages quiet;
        const std::optional<int64_t> slot = state.customers.insert(record, quiet);
        EXPECT_TRUE(slot.has_value()) << quiet.lastText();
        return slot.value_or(-1);
    }
    std::string file(const char *name) const
    {
        return temp.file(name);
    }
    std::string memberFile() const
    {
        return readBytes(file("member.dat"));
    }
    std::string slot(int64_t at) const
    {
        return slotBytes(memberFile(), static_cast<size_t>(at), kCustomerBytes);
    }
    std::string log() const
    {
        return readBytes(file("bun4.dat"));
    }
    ScriptedMessages messages;
};

} // namespace ovix::test
