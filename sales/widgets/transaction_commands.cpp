#include "sales/widgets/transaction_commands.h"

#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/logic/basket.h"
#include "sales/logic/item_entry.h"
#include "sales/widgets/adjustment_commands.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "sales/widgets/till_window.h"
#include "store/fixed_text.h"

namespace ovix {

namespace {

constexpr const char *kNotePrompt
    = "The note must be added before the payment method is selected. 80 character limit. It "
      "can feature on the custom receipt and invoice (Utilities, Custom receipt) .";

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

} // namespace

void connectTransactionCommands(
    TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry, Messages &messages)
{
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
