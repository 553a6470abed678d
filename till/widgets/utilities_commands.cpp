#include "till/widgets/utilities_commands.h"

#include "inventory/widgets/stock_picture_dialog.h"
#include "print/widgets/custom_receipt_dialog.h"
#include "print/widgets/invoice_design_dialog.h"
#include "print/widgets/language_dialog.h"
#include "reports/widgets/closeout_commands.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "till/logic/menu_toggles.h"
#include "till/widgets/configuration_sheet.h"
#include "till/widgets/operator_setup_dialog.h"
#include "till/widgets/print_heading_dialog.h"
#include "till/widgets/tax_control_dialog.h"
#include "till/widgets/user_control_dialog.h"

namespace ovix {

void connectUtilitiesCommands(TillWindow &window, TillState &state, Messages &messages,
    std::function<void()> stockPicturesChanged)
{
    window.registerCommand(Command::Configuration,
        [&window, &state, &messages] { runConfigurationSheet(window.widget(), state, &messages); });
    window.registerCommand(
        Command::TaxSetup, [&window, &state] { runTaxControl(window.widget(), state.config); });
    window.registerCommand(Command::StorePrintHeading,
        [&window, &state] { runPrintHeading(window.widget(), state.heading); });
    window.registerCommand(
        Command::TakingsAmendment, [&state, &messages] { runTakingsAmendment(state, messages); });
    window.registerCommand(
        Command::PettyCashPayment, [&state, &messages] { runPettyCashPayment(state, messages); });
    // "File reset" is on the menu and does nothing.
    window.registerCommand(Command::FileReset, [] {});
    window.registerCommand(Command::CustomReceipt,
        [&window, &state, &messages] { runCustomReceiptDialog(window.widget(), state, messages); });
    window.registerCommand(Command::CustomizeLanguage,
        [&window, &state] { runLanguageCustomization(window.widget(), state); });
    window.registerCommand(
        Command::Invoices, [&window, &state] { runInvoiceDesignDialog(window.widget(), state); });
    window.registerCommand(Command::OperatorSetup,
        [&window, &state, &messages] { runOperatorSetup(window.widget(), state, messages); });
    window.registerCommand(
        Command::UserControl, [&window, &state] { runUserControl(window.widget(), state); });
    // The window sets the check marks after each command and reads the
    // tooltip setting each time a tip is about to show.
    window.registerCommand(Command::SoundEffects, [&state] { toggleSoundEffects(state.config); });
    window.registerCommand(Command::ButtonTips, [&state] { toggleButtonTips(state.config); });
    window.registerCommand(Command::ChangeInbuiltStockPicture,
        [&window, &state, &messages, changed = std::move(stockPicturesChanged)] {
            changeStockPicture(window.widget(), state.dir, messages);
            if (changed)
                changed();
        });
    window.registerCommand(Command::HiResPicture, [&state] { toggleHiResPicture(state.config); });
}

} // namespace ovix
