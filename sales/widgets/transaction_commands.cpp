#include "sales/widgets/transaction_commands.h"

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/logic/basket.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_lists.h"
#include "sales/logic/transaction_lookup.h"
#include "sales/logic/transaction_view.h"
#include "sales/widgets/adjustment_commands.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "sales/widgets/till_window.h"
#include "sales/widgets/transaction_dialog.h"
#include "sales/widgets/transaction_list_dialog.h"
#include "store/fixed_text.h"

#include <memory>

namespace ovix {

namespace {

constexpr const char *kNotePrompt
    = "The note must be added before the payment method is selected. 80 character limit. It "
      "can feature on the custom receipt and invoice (Utilities, Custom receipt) .";

// "Invoice" prints the transaction's standard invoice.
constexpr bool kInvoicesPrint = true;

void addNote(const Basket &basket, ItemEntry &entry, Messages &messages)
{
    const std::optional<std::string> note = messages.askText(kNotePrompt, "Add transaction note",
        toUtf8(readFixedText(basket.transactionNote, sizeof basket.transactionNote)));
    if (note)
        entry.setTransactionNote(fromUtf8(*note));
}

void associateCustomer(QWidget *parent, TillState &state, ItemEntry &entry, Messages &messages)
{
    const int64_t number = lookUpCustomer(parent, state, messages, "Customer");
    if (number > 0)
        entry.associateCustomer(number);
}

// The look-ups of the popup, each ending in the "Transaction" dialog.
class TransactionLookUps {
public:
    TransactionLookUps(
        TillWindow &window, TillState &state, Messages &messages, SaleDevices &devices)
        : window_(window)
        , state_(state)
        , messages_(messages)
        , devices_(devices)
    {
    }

    // Transaction `number` in the "Transaction" dialog; "Next" skips those
    // without a discount when `discountedOnly`. Nothing shows when it is not
    // found.
    void show(int64_t number, bool discountedOnly) const
    {
        TransactionHistory history(state_.dir, state_.config, localNow());
        const std::optional<FoundTransaction> found = history.find(number, messages_);
        if (!found)
            return;
        auto loaded = std::make_unique<Basket>();
        loadFoundTransaction(*loaded, *found, messages_);
        TransactionDialog::Actions actions;
        actions.next = [&]() -> std::optional<TransactionView> {
            const std::optional<FoundTransaction> next
                = history.next(loaded->transactionNumber, discountedOnly, messages_);
            if (!next)
                return std::nullopt;
            loadFoundTransaction(*loaded, *next, messages_);
            return transactionView(*loaded, state_.config);
        };
        actions.print = [&](PrintDocument document) {
            reprintTransaction(*loaded, document, state_.config, devices_);
        };
        TransactionDialog dialog(transactionView(*loaded, state_.config), std::move(actions),
            kInvoicesPrint, window_.widget());
        dialog.exec();
    }

    void list(const TransactionListRequest &request) const
    {
        const std::optional<TransactionList> list
            = listTransactions(state_.dir, state_.config, localNow(), request, messages_);
        if (!list)
            return;
        TransactionListDialog dialog(*list, window_.widget());
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (const std::optional<int64_t> number = dialog.chosenNumber())
            show(*number, request.kind == TransactionListKind::Discounted);
    }

    void listPeriod(TransactionListKind kind, const char *caption) const
    {
        if (const std::optional<TransactionListRequest> request
            = askTransactionListPeriod(kind, caption, messages_))
            list(*request);
    }

    void display() const
    {
        const std::optional<int64_t> number = askTransactionNumber(messages_);
        if (!number)
            return;
        if (*number == 0)
            list({ TransactionListKind::All });
        else
            show(*number, false);
    }

    void reprintLast() const
    {
        show(lastTransactionNumber(state_.config), false);
    }

private:
    TillWindow &window_;
    TillState &state_;
    Messages &messages_;
    SaleDevices &devices_;
};

} // namespace

void connectTransactionCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices)
{
    auto lookUps = std::make_shared<TransactionLookUps>(window, state, messages, devices);
    window.registerCommand(
        Command::FindTransaction, [lookUps] { lookUps->list({ TransactionListKind::All }); });
    window.registerCommand(Command::DisplayTransaction, [lookUps] { lookUps->display(); });
    window.registerCommand(Command::TransactionsInDay,
        [lookUps] { lookUps->listPeriod(TransactionListKind::Day, "In specific day"); });
    window.registerCommand(Command::TransactionsInMonth,
        [lookUps] { lookUps->listPeriod(TransactionListKind::Month, "In specific month"); });
    window.registerCommand(Command::TransactionsInYear,
        [lookUps] { lookUps->listPeriod(TransactionListKind::Year, "In specific year"); });
    window.registerCommand(Command::TransactionsDiscounted,
        [lookUps] { lookUps->list({ TransactionListKind::Discounted }); });
    window.registerCommand(Command::ReprintLastReceipt, [lookUps] { lookUps->reprintLast(); });
    window.registerCommand(Command::AddDiscount, [&window, &state, &basket, &entry, &messages] {
        openDiscount(window, state, basket, entry, messages);
    });
    window.registerCommand(
        Command::AddNote, [&basket, &entry, &messages] { addNote(basket, entry, messages); });
    window.registerCommand(Command::AssociateCustomer, [&window, &state, &entry, &messages] {
        associateCustomer(window.widget(), state, entry, messages);
    });
}

} // namespace ovix
