#include "accounts/widgets/account_commands.h"

#include "accounts/logic/balance_amendment.h"
#include "accounts/logic/statement.h"
#include "accounts/widgets/statement_dialogs.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "print/logic/print_request.h"
#include "print/widgets/print_job.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "sales/widgets/till_window.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"

#include <memory>
#include <optional>

namespace ovix {

namespace {

std::vector<std::string> shownLines(const std::vector<std::string> &lines)
{
    std::vector<std::string> shown;
    shown.reserve(lines.size());
    for (const std::string &line : lines)
        shown.push_back(toUtf8(line));
    return shown;
}

struct AccountContext {
    TillWindow &window;
    TillState &state;
    Messages &messages;

    std::optional<CustomerRecord> chooseCustomer(const char *caption)
    {
        const int64_t number = lookUpCustomer(window.widget(), state, messages, caption);
        const std::optional<int64_t> slot
            = number > 0 ? state.customers.slotOf(number) : std::nullopt;
        CustomerRecord customer {};
        if (!slot || !state.customers.readRecord(*slot, customer, messages))
            return std::nullopt;
        return customer;
    }

    PrintRequest printRequest(const char *kind) const
    {
        PrintRequest request = documentPrintRequest(state.config, state.dir, PrintDocument::Other);
        request.kind = kind;
        return request;
    }

    void amendBalanceOf()
    {
        const std::optional<CustomerRecord> customer = chooseCustomer("Amend credit");
        if (!customer)
            return;
        const std::optional<std::string> typed
            = messages.askText("", amendBalanceTitle(*customer), balanceText(*customer));
        if (typed)
            amendBalance(state, customer->number, *typed, messages);
        window.focusItemBox();
    }

    void statement()
    {
        const std::optional<CustomerRecord> customer = chooseCustomer("Customer");
        if (!customer)
            return;
        const LocalTime now = localNow();
        const std::vector<std::string> lines = statementLines(
            customerTransactions(state.dir, customer->number,
                archiveFirstDay(state.config, now), archiveDayOf(now)),
            customer->balance);
        const CustomerRecord shown = *customer;
        StatementDialog dialog(QStringLiteral("Statement"), toUtf8(statementCaption(shown)),
            shownLines(lines), QStringLiteral("Print statement"),
            [this, shown, lines] {
                const StatementPrint statement { state.heading, state.config, shown,
                    state.config.clerkName(static_cast<int>(state.clerk())), localNow(), lines };
                runPrintJob(printRequest("statement"),
                    [&statement](PrintDevice &device, Messages &problems) {
                        printStatement(device, statement, problems);
                    },
                    messages);
            },
            window.widget());
        dialog.exec();
        window.focusItemBox();
    }

    void periodActivity()
    {
        const std::optional<CustomerRecord> customer = chooseCustomer("Customer");
        if (!customer)
            return;
        const LocalTime now = localNow();
        PeriodDialog ask(periodYears(state.config, now), now, messages, window.widget());
        if (ask.exec() != QDialog::Accepted || !ask.period())
            return;
        const Period period = *ask.period();
        const std::vector<std::string> lines = statementLines(
            customerTransactions(state.dir, customer->number, period.start, period.end),
            customer->balance);
        const std::string name = readText(customer->name);
        StatementDialog dialog(QString::fromStdString(toUtf8(periodTitle(period.start, period.end))),
            toUtf8(statementCaption(*customer)), shownLines(lines), QStringLiteral("Print"),
            [this, name, lines] {
                runPrintJob(printRequest("activity"),
                    [&](PrintDevice &device, Messages &problems) {
                        printActivityReport(device, name, lines, problems);
                    },
                    messages);
            },
            window.widget());
        dialog.exec();
        window.focusItemBox();
    }
};

} // namespace

void connectAccountCommands(TillWindow &window, TillState &state, Messages &messages)
{
    auto context = std::make_shared<AccountContext>(AccountContext { window, state, messages });
    window.registerCommand(Command::AmendBalance, [context] { context->amendBalanceOf(); });
    window.registerCommand(Command::CustomerStatement, [context] { context->statement(); });
    window.registerCommand(
        Command::CustomerPeriodActivity, [context] { context->periodActivity(); });
}

} // namespace ovix
