#include "till/widgets/sale_screen_commands.h"

#include "platform/cp1252.h"
#include "print/logic/till_drawer.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/adjustment_commands.h"
#include "sales/widgets/non_inventory_dialog.h"
#include "sales/widgets/refund_commands.h"
#include "sales/widgets/till_window.h"
#include "till/widgets/quick_select_buttons.h"
#include "till/widgets/sale_screen.h"

#include <QListWidget>
#include <QPlainTextEdit>

namespace ovix {

namespace {

// The item box's text as if Enter had been typed after it: an empty box asks
// for the find dialog, anything else is rung up.
void addItemFromBox(SaleScreen &screen)
{
    QPlainTextEdit *box = screen.itemBox();
    QString text = box->toPlainText();
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    if (lineBreak >= 0)
        text.truncate(lineBreak);
    const ItemBoxOutcome outcome = screen.itemEntry().itemBoxEntered(fromQString(text) + "\n");
    screen.clearItemBox();
    if (outcome == ItemBoxOutcome::OpenFind)
        screen.findAndAddItem();
    box->setFocus();
}

void addNonInventoryLine(SaleScreen &screen, const TillState &state)
{
    ItemEntry &entry = screen.itemEntry();
    const std::optional<NonInventorySale> sale = askNonInventorySale(&screen, entry, state.config);
    if (sale)
        entry.addNonInventoryLine(sale->description, sale->price, sale->taxOne, sale->taxTwo);
}

} // namespace

void connectSaleScreenCommands(TillWindow &window, SaleScreen &screen, TillState &state,
    Messages &messages, SaleDevices &devices, CardRefundLink cardRefunds)
{
    ItemEntry &entry = screen.itemEntry();
    window.registerCommand(Command::AddItem, [&screen] { addItemFromBox(screen); });
    window.registerCommand(Command::PriceByWeight, [&window, &screen, &state, &messages] {
        openAdjustByWeight(window, state, screen.basket(), screen.itemEntry(), screen, messages);
    });
    window.registerCommand(
        Command::NonInventorySale, [&screen, &state] { addNonInventoryLine(screen, state); });
    window.registerCommand(Command::VoidLine,
        [&screen, &entry] { entry.voidLine(screen.basketList()->currentRow()); });
    window.registerCommand(Command::EmptyBasket, [&entry] { entry.emptyBasket(); });
    window.registerCommand(Command::OpenDrawer,
        [&state, &messages] { openDrawerWithoutSale(state, messages); });
    window.registerCommand(Command::ToggleTrade, [&entry] { entry.toggleTradePrices(); });
    window.registerCommand(Command::RepeatLast,
        [&screen, &entry] { entry.repeatLast(fromQString(screen.itemBox()->toPlainText())); });
    window.registerCommand(Command::RefundBasket,
        [&window, &screen, &state, &messages, &devices, card = std::move(cardRefunds)] {
            refundFromTill(window.widget(), state, screen.basket(), screen.itemEntry(), messages,
                devices, card);
        });
    window.registerCommand(Command::AdjustPrice, [&window, &screen, &state, &messages] {
        openAdjustPrice(window, state, screen.basket(), screen.itemEntry(), screen, messages);
    });
    QuickSelectPanel &quick = screen.quickSelect();
    window.registerCommand(Command::ScrollBack, [&quick] { quick.scrollBack(); });
    window.registerCommand(Command::ScrollForwards, [&quick] { quick.scrollForward(); });
    window.registerCommand(Command::PreviousCategory, [&quick] { quick.previousCategory(); });
    window.registerCommand(Command::NextCategory, [&quick] { quick.nextCategory(); });
}

} // namespace ovix
