#include "accounts/logic/balance_amendment.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"
#include "sales/logic/file_update.h"
#include "sales/logic/till_state.h"

#include <cerrno>
#include <cinttypes>
#include <cstdlib>

namespace ovix {

namespace {

constexpr const char *kNotANumber = "The balance must be an amount such as 120.50 or -20.00";
constexpr const char *kNotRecorded
    = "The balance was not changed and no file was changed. Amend it again when the fault "
      "is put right.";
constexpr int64_t kBalanceCentsLimit = 1000000000; // 10000000.00

} // namespace

std::string amendBalanceTitle(const CustomerRecord &customer)
{
    return toUtf8(cformat("%" PRId64 " %s, owed:", static_cast<int64_t>(customer.number),
        readText(customer.name).c_str()));
}

std::string balanceText(const CustomerRecord &customer)
{
    return cformat("%.2f", static_cast<double>(customer.balance));
}

std::optional<int64_t> typedBalanceCents(std::string_view typed)
{
    const size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    const size_t last = typed.find_last_not_of(" \t");
    const std::string text(typed.substr(first, last - first + 1));
    const size_t digitsFrom = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (text.size() == digitsFrom || text.size() > 19
        || text.find_first_not_of("0123456789.", digitsFrom) != std::string::npos
        || text.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || end != text.c_str() + text.size())
        return std::nullopt;
    const int64_t cents = moneyCents(value);
    if (cents <= -kBalanceCentsLimit || cents >= kBalanceCentsLimit)
        return std::nullopt;
    return cents;
}

std::string creditAmendmentLogBlock(
    const CustomerRecord &customer, float before, float after, const LocalTime &now)
{
    return "\r\n" + logTimePrefix(makeTimeStamp(now)) + "  Credit amendment"
        + cformat("\r\nCustomer: %" PRId64 " %s\r\n", static_cast<int64_t>(customer.number),
            readText(customer.name).c_str())
        + cformat("Before: %.2f, After: %.2f\r\n", static_cast<double>(before),
            static_cast<double>(after));
}

bool amendBalance(
    TillState &state, int64_t customerNumber, std::string_view typed, Messages &messages)
{
    const std::optional<int64_t> cents = typedBalanceCents(typed);
    if (!cents) {
        reportProblem(messages, kNotANumber);
        return false;
    }
    const std::optional<int64_t> slot = state.customers.slotOf(customerNumber);
    CustomerRecord customer {};
    if (!slot || !state.customers.readRecord(*slot, customer, messages)
        || customer.number != customerNumber) {
        reportProblem(messages, kNotRecorded);
        return false;
    }
    const float before = customer.balance;
    CustomerRecord amended = customer;
    amended.balance = static_cast<float>(static_cast<double>(*cents) / 100.0);

    FileUpdate update(state.dir, kNotRecorded);
    update.rewriteRecord(state.customers, *slot, amended);
    update.appendLogBlock(creditAmendmentLogBlock(customer, before, amended.balance, localNow()));
    if (!update.run(messages))
        return false;
    if (!update.logWritten()) {
        reportFatal(messages, "Data file: bun4.dat, not present.");
        return true;
    }
    reportInfo(messages, "Updated", "Customer");
    return true;
}

} // namespace ovix
