// Every writer that changes the shop's files, interrupted at each of its
// writes and syncs by a crash, a failing disk and a full one (see
// support/crash_loop.h): after the next start's recovery each change is
// wholly there or wholly absent, and a failure is told.

#include "accounts/logic/balance_amendment.h"
#include "accounts/logic/customer_form.h"
#include "accounts/logic/customer_maintenance.h"
#include "inventory/logic/bundle_form.h"
#include "inventory/logic/bundle_maintenance.h"
#include "inventory/logic/item_form.h"
#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/supplier_form.h"
#include "inventory/logic/supplier_maintenance.h"
#include "reports/logic/takings_history.h"
#include "store/till_config_file.h"
#include "till/crash_loop_shop.h"

#include <gtest/gtest.h>

#include <string>

namespace ovix::test {
namespace {

using WriterCrashLoop = CrashLoopShop;
const LocalTime kDay = kCrashLoopDay;

// Deletions, amendments of customers and balances keep their change when
// only the activity log cannot take their lines, and say "Data file:
// bun4.dat, not present.".
const CrashLoopRules kLogMayLag = [] {
    CrashLoopRules rules;
    rules.logMayLagWhenTold = true;
    return rules;
}();

TEST_F(WriterCrashLoop, ItemsAddedAmendedAndDeleted)
{
    expectWhole("item added", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const int64_t number = first(state->items.index());
            const auto item = readItem(*state, number, messages);
            if (!item)
                return false;
            ItemForm form = formOfItem(*item, kDay, false);
            form.number = "987654";
            form.description = "NEW LINE";
            return storeNewItem(*state, form, messages).outcome == StoreOutcome::Stored;
        };
    });
    expectWhole("item amended", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const int64_t number = first(state->items.index());
            const auto item = readItem(*state, number, messages);
            if (!item)
                return false;
            ItemForm form = formOfItem(*item, kDay, false);
            form.description = "RENAMED";
            return storeAmendedItem(*state, number, form, messages).outcome == StoreOutcome::Stored;
        };
    });
    expectWhole("item deleted", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            return deleteItem(*state, first(state->items.index()), messages);
        };
    }, kLogMayLag);
}

TEST_F(WriterCrashLoop, CustomersAddedAmendedDeletedAndTheirBalanceAmended)
{
    expectWhole("customer added", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            CustomerForm form = newCustomerForm(*state);
            form.name = "NEW CUSTOMER";
            return storeNewCustomer(*state, form, messages) == CustomerStoreOutcome::Stored;
        };
    });
    expectWhole("customer amended", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const int64_t number = first(state->customers.index());
            const auto customer = readCustomer(*state, number, messages);
            if (!customer)
                return false;
            CustomerForm form = formOfRecord(*customer);
            form.road = "1 NEW ROAD";
            return storeAmendedCustomer(*state, number, form, messages)
                == CustomerStoreOutcome::Stored;
        };
    }, kLogMayLag);
    expectWhole("customer deleted", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            return deleteCustomer(*state, first(state->customers.index()), messages);
        };
    }, kLogMayLag);
    expectWhole("balance amended", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            return amendBalance(*state, first(state->customers.index()), "12.34", messages);
        };
    }, kLogMayLag);
}

TEST_F(WriterCrashLoop, SuppliersAddedAmendedAndDeleted)
{
    expectWhole("supplier added", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const auto supplier = readSupplier(*state, first(state->suppliers.index()), "Supplier", messages);
            if (!supplier)
                return false;
            SupplierForm form = formOfSupplier(*supplier);
            form.number = "4321";
            return storeNewSupplier(*state, form, messages);
        };
    });
    expectWhole("supplier amended", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const int64_t number = first(state->suppliers.index());
            const auto supplier = readSupplier(*state, number, "Supplier", messages);
            if (!supplier)
                return false;
            SupplierForm form = formOfSupplier(*supplier);
            form.texts[0] = "RENAMED SUPPLIER";
            return storeAmendedSupplier(*state, number, form, messages);
        };
    });
    expectWhole("supplier deleted", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            return deleteSupplier(*state, first(state->suppliers.index()), messages);
        };
    });
}

// The number of the first bundle on file, 0 when there is none.
int64_t firstBundle(const TillState &state)
{
    for (const IndexEntry &entry : state.items.index().entries()) {
        ScriptedMessages quiet;
        ItemRecord record {};
        if (entry.number > 0 && state.items.readRecord(entry.slot, record, quiet)
            && record.record_kind == kBundleRecordKind)
            return entry.number;
    }
    return 0;
}

TEST_F(WriterCrashLoop, BundlesAddedAmendedAndDeleted)
{
    ASSERT_GT(firstBundle(*load()), 0);
    expectWhole("bundle added", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            BundleForm form = newBundleForm(state->config, state->items, kDay);
            form.number = "987655";
            form.description = "NEW HAMPER";
            form.components[0].number = std::to_string(first(state->items.index()));
            form.components[1].number = std::to_string(first(state->items.index(), 1));
            return storeNewBundle(*state, form, messages).outcome == StoreOutcome::Stored;
        };
    });
    expectWhole("bundle amended", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const int64_t number = firstBundle(*state);
            const auto bundle = readItem(*state, number, messages);
            if (!bundle)
                return false;
            BundleForm form = formOfBundle(*bundle, kDay);
            form.description = "RENAMED HAMPER";
            form.components[5].number = std::to_string(first(state->items.index()));
            return storeAmendedBundle(*state, number, form, messages).outcome
                == StoreOutcome::Stored;
        };
    });
    expectWhole("bundle deleted", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            return deleteItem(*state, firstBundle(*state), messages);
        };
    }, kLogMayLag);
}

// A bitmap of 2 x 2 pixels, 24 bits each.
std::string smallBitmap()
{
    std::string bytes(70, '\0');
    const auto put = [&bytes](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 70);
    put(10, 54);
    put(14, 40);
    put(18, 2);
    put(22, 2);
    bytes[26] = 1;
    bytes[28] = 24;
    for (size_t at = 54; at < bytes.size(); ++at)
        bytes[at] = '\x5A';
    return bytes;
}

TEST_F(WriterCrashLoop, AnItemGivenAPictureOfItsOwn)
{
    // The picture comes from outside the data folder (a memory stick).
    TempDir stick;
    writeBytes(stick.file("LOGO.BMP"), smallBitmap());
    const std::string source = stick.file("LOGO.BMP");
    expectWhole("item picture", [source](std::shared_ptr<TillState> state) -> Work {
        return [state, source](ScriptedMessages &messages) {
            return attachPicture(*state, first(state->items.index(), 2), source, messages);
        };
    });
}

TEST_F(WriterCrashLoop, ACustomersCreditLimitAndTermsAmended)
{
    expectWhole("credit terms amended", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            const int64_t number = first(state->customers.index(), 1);
            const auto customer = readCustomer(*state, number, messages);
            if (!customer)
                return false;
            CustomerForm form = formOfRecord(*customer);
            form.creditLimit = "750";
            form.termsIndex = 3;
            return storeAmendedCustomer(*state, number, form, messages)
                == CustomerStoreOutcome::Stored;
        };
    }, kLogMayLag);
}

TEST_F(WriterCrashLoop, SettingsAndTakings)
{
    expectWhole("settings stored", [](std::shared_ptr<TillState> state) -> Work {
        return [state](ScriptedMessages &messages) {
            state->config.set(cfg::tillTakings, 123.45);
            return storeTillConfig(state->dir, state->config, messages, TillConfigStoreMoment::AfterStart);
        };
    });
}

} // namespace
} // namespace ovix::test
