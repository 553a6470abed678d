#include "accounts/widgets/customer_commands.h"

#include "accounts/widgets/customer_maintenance_dialogs.h"
#include "accounts/widgets/debtor_mail_command.h"
#include "accounts/widgets/letter_commands.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"

namespace ovix {

void connectCustomerCommands(TillWindow &window, TillState &state, Messages &messages)
{
    auto command = [&window, &state, &messages](auto run) {
        return [&window, &state, &messages, run] { run(window.widget(), state, messages); };
    };
    window.registerCommand(Command::CustomerAdd, command(runAddCustomer));
    window.registerCommand(Command::CustomerAmend, command(runAmendCustomer));
    window.registerCommand(Command::CustomerDelete, command(runDeleteCustomer));
    window.registerCommand(Command::CustomerPrune, command(runPruneCustomers));
    window.registerCommand(Command::CustomerFind, command(runFindCustomer));
    window.registerCommand(Command::CustomerFindThatContain, command(runFindThatContain));
    window.registerCommand(Command::CustomerFindTelephone, command(runFindTelephone));
    window.registerCommand(Command::DebtorEmail,
        [&window, &state, &messages] { runDebtorEmail(window, state, messages); });
    window.registerCommand(Command::CustomerPrintDetails, command(runPrintCustomerDetails));
    window.registerCommand(Command::DebtorLetterOne, [&window, &state, &messages] {
        runDebtorLetter(window.widget(), state, messages, DebtorLetter::First);
    });
    window.registerCommand(Command::DebtorLetterTwo, [&window, &state, &messages] {
        runDebtorLetter(window.widget(), state, messages, DebtorLetter::Final);
    });
}

} // namespace ovix
