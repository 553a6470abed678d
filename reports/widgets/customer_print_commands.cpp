#include "reports/widgets/customer_print_commands.h"

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "reports/logic/alphabetical_files.h"
#include "reports/logic/customer_lists.h"
#include "reports/widgets/listing_printing.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"

namespace ovix {

namespace {

constexpr const char *kKind = "customers";

void printRange(QWidget *parent, TillState &state, CustomerListChoice choice,
    Messages &messages)
{
    const std::optional<NumberRange> range
        = askListingRange(parent, state, state.customers.index(), messages);
    if (!range)
        return;
    choice.range = *range;
    const std::optional<Listing> listing = customerListing(choice, state.customers, messages);
    if (listing)
        printShopListing(state, *listing, kKind, messages);
}

void printInactive(QWidget *parent, TillState &state, Messages &messages)
{
    const std::optional<std::string> typed
        = messages.askText("Enter the year (YYYY):", "Inactive since", "2000");
    if (!typed)
        return;
    const std::optional<int> year = inactiveSinceYear(*typed, localNow(), messages);
    if (!year)
        return;
    printRange(parent, state,
        { .kind = CustomerListKind::InactiveSince, .range = {}, .year = *year }, messages);
}

void printAlphabetically(TillState &state, Messages &messages)
{
    const std::optional<AlphabeticalRange> range = askAlphabeticalRange(messages, "Alphabetically");
    if (!range || !writeAlphabeticalCustomerFile(state, *range, messages))
        return;
    const auto records = readListFile(state.dir, kCustomerListFileName, messages);
    if (records)
        printShopListing(state, alphabeticalCustomerListing(*records), kKind, messages);
}

} // namespace

void connectCustomerPrintCommands(TillWindow &window, TillState &state, Messages &messages)
{
    const auto range = [&window, &state, &messages](CustomerListKind kind) {
        return [&window, &state, &messages, kind] {
            printRange(window.widget(), state, { .kind = kind, .range = {}, .year = 2000 },
                messages);
        };
    };
    window.registerCommand(Command::CustomerPrintFromNumber, range(CustomerListKind::FromNumber));
    window.registerCommand(Command::CustomerPrintAlphabetically,
        [&state, &messages] { printAlphabetically(state, messages); });
    window.registerCommand(Command::CustomerPrintDebtors, range(CustomerListKind::Debtors));
    window.registerCommand(Command::CustomerPrintInactiveSince,
        [&window, &state, &messages] { printInactive(window.widget(), state, messages); });
}

} // namespace ovix
