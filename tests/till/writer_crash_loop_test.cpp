// Every writer that changes the shop's files, interrupted at each of its
// writes and syncs by a crash, a failing disk and a full one (see
// support/crash_loop.h): after the next start's recovery each change is
// wholly there or wholly absent, and a failure is told.

#include "accounts/logic/balance_amendment.h"
#include "accounts/logic/customer_form.h"
#include "accounts/logic/customer_maintenance.h"
#include "inventory/logic/item_form.h"
#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/supplier_form.h"
#include "inventory/logic/supplier_maintenance.h"
#include "reports/logic/takings_history.h"
#include "store/till_config_file.h"
#include "till/crash_loop_shop.h"

#include <gtest/gtest.h>

namespace ovix::test {
namespace {

using WriterCrashLoop = CrashLoopShop;
const LocalTime kDay = kCrashLoopDay;

// Deletions, amendments of customers and balances keep their change when
// only the activity log cannot take their lines, and say "Data file:
// bun4.dat, not present.".
const CrashLoopRules kLogMayLag {true, false, {}};

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
