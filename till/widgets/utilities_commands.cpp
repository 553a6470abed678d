#include "till/widgets/utilities_commands.h"

#include "accounts/widgets/letter_commands.h"
#include "exchange/widgets/export_command.h"
#include "exchange/widgets/import_command.h"
#include "inventory/widgets/stock_picture_dialog.h"
#include "print/widgets/barcode_labels_command.h"
#include "print/widgets/custom_receipt_dialog.h"
#include "print/widgets/invoice_design_dialog.h"
#include "print/widgets/language_dialog.h"
#include "reports/widgets/closeout_commands.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "till/logic/menu_toggles.h"
#include "till/widgets/backup_commands.h"
#include "till/widgets/configuration_sheet.h"
#include "till/widgets/operator_setup_dialog.h"
#include "till/widgets/print_heading_dialog.h"
#include "till/widgets/tax_control_dialog.h"
#include "till/widgets/user_control_dialog.h"

#include <QApplication>
#include <QWidget>

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
    window.registerCommand(Command::PurgeTransactionHistory,
        [&state, &messages] { runHistoryPurge(state, messages); });
    window.registerCommand(Command::Backup, [&state, &messages] { runBackup(state, messages); });
    // A restore ends the till as "Exit" does, but nothing of the run is
    // stored: the restored files stand as they were copied.
    window.registerCommand(Command::Restore, [&window, &state, &messages] {
        if (!runRestore(window.widget(), state, messages))
            return;
        if (!window.widget()->close())
            QApplication::quit();
    });
    // "File reset" is on the menu and does nothing.
    window.registerCommand(Command::FileReset, [] {});
    window.registerCommand(Command::Mailmerge,
        [&window, &state, &messages] { runMailmerge(window.widget(), state, messages); });
    window.registerCommand(Command::BarcodePrint,
        [&window, &state, &messages] { runBarcodeLabels(window.widget(), state, messages); });
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
    window.registerCommand(Command::Export,
        [&window, &state, &messages] { runExport(window.widget(), state, messages); });
    // After an import the till ends as "Exit" does, so that the next start
    // reads the new file and builds its index afresh.
    window.registerCommand(Command::Import, [&window, &state, &messages] {
        if (!runImport(window.widget(), state, messages))
            return;
        if (!window.widget()->close())
            QApplication::quit();
    });
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
