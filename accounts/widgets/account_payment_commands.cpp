#include "accounts/widgets/account_payment_commands.h"

#include "accounts/logic/account_payment.h"
#include "accounts/widgets/account_payment_dialog.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "sales/logic/basket.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "sales/widgets/till_window.h"
#include "store/customer_record.h"

#include <optional>

namespace ovix {

namespace {

struct PaymentContext {
    TillWindow &window;
    TillState &state;
    Basket &basket;
    ItemEntry &entry;
    Messages &messages;
    SaleDevices &devices;

    // The sale being rung up is given up, as a completed one would be.
    void clearSale()
    {
        clearBasket(basket);
        entry.saleCompleted();
    }

    void payOnAccount(int64_t number)
    {
        const std::optional<int64_t> slot = state.customers.slotOf(number);
        CustomerRecord customer {};
        if (!slot || !state.customers.readRecord(*slot, customer, messages))
            return;
        clearSale();
        const AccountPaymentView view = accountPaymentView(state, customer, localNow());
        AccountPaymentDialog dialog(view,
            [this, number](const std::string &typed, AccountPaymentMethod method) {
                return takeAccountPayment(state, number, typed, method, messages, devices);
            },
            window.widget());
        dialog.exec();
        clearSale();
        window.focusItemBox();
    }

    void balancePayment()
    {
        const int64_t number = lookUpCustomer(window.widget(), state, messages, "Customer");
        if (number > 0)
            payOnAccount(number);
    }

    void balancePayOnTransaction()
    {
        const std::optional<std::string> typed
            = messages.askText("Transaction number (Enter to list)", "Customer", "");
        if (!typed)
            return;
        const LocalTime today = localNow();
        std::optional<int32_t> number;
        if (typed->find_first_not_of(" \t") == std::string::npos) {
            const InvoiceList list = invoiceList(state.dir, state.config, today);
            if (list.tooMany) {
                reportProblem(messages, "Reduce the history on the Configuration menu",
                    "Problem, too many transactions");
                return;
            }
            InvoiceListDialog dialog(list.lines, window.widget());
            if (dialog.exec() != QDialog::Accepted)
                return;
            number = dialog.chosenNumber();
        } else {
            number = typedTransactionNumber(*typed);
        }
        if (!number)
            return;
        const std::optional<int64_t> customer
            = customerOfTransaction(state, *number, today, messages);
        if (customer)
            payOnAccount(*customer);
    }
};

} // namespace

void connectAccountPaymentCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices)
{
    auto context = std::make_shared<PaymentContext>(
        PaymentContext { window, state, basket, entry, messages, devices });
    window.registerCommand(Command::BalancePayment, [context] { context->balancePayment(); });
    window.registerCommand(
        Command::BalancePayOnTransaction, [context] { context->balancePayOnTransaction(); });
}

} // namespace ovix
