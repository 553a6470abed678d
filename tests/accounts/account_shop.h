#pragma once
// The sale shop with two account customers, for the account payment,
// amendment and statement tests: 7 SMITH owes 30.00, 8 JONES owes nothing.

#include "till/sale_fixture.h"

#include "platform/file.h"
#include "store/fixed_text.h"

#include <cstring>

namespace ovix::test {

struct AccountShop : SaleShop {
    AccountShop()
    {
        addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        smithSlot = addCustomer(7, "SMITH", 30.00f);
        addCustomer(8, "JONES", 0.00f);
        CustomerRecord smith = customer(7);
        writeText(smith.road, "1 MILL LANE");
        writeText(smith.town, "OLDTOWN");
        writeText(smith.postcode, "OT1 2AB");
        writeText(smith.customer_last_used, "09:1502/03/2026");
        smith.credit_limit = 100.0f;
        smith.tax = 0;
        smith.terms = 4;
        ScriptedMessages quiet;
        EXPECT_TRUE(state.customers.writeRecord(smithSlot, smith, quiet));
        state.config.set(cfg::nextTransactionNumber, 41);
        state.config.set(cfg::todayTransactionCount, 6);
        std::string error;
        EXPECT_TRUE(storeTillConfig(state.dir, state.config, &error)) << error;
        writeBytes(temp.file("bun4.dat"), "\r\n09:00 05/03/2026  Switched on.\r\n");
    }

    CustomerRecord customer(int64_t number) const
    {
        CustomerRecord record {};
        ScriptedMessages quiet;
        const std::optional<int64_t> slot = state.customers.slotOf(number);
        EXPECT_TRUE(slot && state.customers.readRecord(*slot, record, quiet));
        return record;
    }

    // How often `text` occurs in the activity log.
    size_t logCount(std::string_view text) const
    {
        const std::string log = file("bun4.dat");
        size_t count = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }

    int64_t smithSlot = -1;
};

} // namespace ovix::test
