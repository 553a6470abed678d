// The typed numbers and amounts over any text: the till's leading numbers,
// the settings pages' whole and decimal numbers, the question for a whole
// number in bounds, the amount boxes typed in cents, the change shown for a
// tender, the transaction number asked for or chosen from a list, the item
// and supplier prompts, the price without tax reckoned from a typed price,
// and the money rounding every total goes through. The input's first eight bytes
// also serve as a number (an amount, bounds) where one is needed.

#include "archive_fuzz.h"
#include "inventory/logic/item_form.h"
#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/price_reckoner.h"
#include "inventory/logic/supplier_form.h"
#include "inventory/logic/supplier_maintenance.h"
#include "platform/ask_number.h"
#include "platform/c_format.h"
#include "platform/leading_number.h"
#include "platform/number_text.h"
#include "platform/scripted_messages.h"
#include "platform/whole_count.h"
#include "sales/logic/cents_entry.h"
#include "sales/logic/payment.h"
#include "sales/logic/transaction_lists.h"
#include "sales/logic/transaction_lookup.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using ovix::fuzz::must;
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The leading number worked out in 128 bits.
void checkLeadingNumber(std::string_view text)
{
    const ovix::LeadingNumber read = ovix::parseLeadingNumber(text);
    size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    __int128 value = 0;
    bool tooLarge = false;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<__int128>(kMax) + 1) {
            tooLarge = true;
            break;
        }
    }
    if (negative)
        value = -value;
    tooLarge = tooLarge || value > kMax || value < kMin;
    must(read.outOfRange == tooLarge);
    if (tooLarge)
        must(read.value == (negative ? kMin : kMax));
    else
        must(read.value == static_cast<int64_t>(value));
    // What the till writes back in a box reads as the same number.
    const ovix::LeadingNumber again = ovix::parseLeadingNumber(std::to_string(read.value));
    must(!again.outOfRange && again.value == read.value);
}

void checkWholeNumber(std::string_view text)
{
    const std::optional<int64_t> value = ovix::wholeNumber(text);
    if (!value)
        return;
    const std::string_view trimmed = ovix::trimBlanks(text);
    must(!trimmed.empty() && trimmed.front() != '+');
    must(ovix::wholeNumber(std::to_string(*value)) == value);
    const ovix::LeadingNumber leading = ovix::parseLeadingNumber(trimmed);
    must(!leading.outOfRange && leading.value == *value);
}

// A decimal number the settings take is a real amount: finite, and shown as
// "%.2f" it reads back within half a cent.
void checkDecimalNumber(std::string_view text)
{
    const std::optional<double> value = ovix::decimalNumber(text);
    if (!value)
        return;
    must(std::isfinite(*value));
    if (std::fabs(*value) < 1e15) {
        const std::optional<double> shown = ovix::decimalNumber(ovix::cformat("%.2f", *value));
        must(shown && std::fabs(*shown - *value) <= 0.005 + 1e-9);
    }
}

void checkAskedNumber(std::string_view text, int64_t low, int64_t high)
{
    ovix::ScriptedMessages messages;
    messages.textReplies.push_back(std::string(text));
    const std::optional<int64_t> asked
        = ovix::askWholeNumber(messages, "Please enter the day (1-31)", "Day", low, high);
    if (asked)
        must(*asked >= low && *asked <= high && ovix::wholeNumber(text) == asked);
}

// The amount boxes: digits only, at most 19 of the first 19 characters; the
// cents the one number they make; the amount the same cents.
void checkCentsEntry(std::string_view text)
{
    const std::string digits = ovix::centsEntryDigits(text);
    must(digits.size() <= ovix::kAmountEntryWidth);
    size_t from = 0;
    for (char digit : digits) {
        must(digit >= '0' && digit <= '9');
        from = text.find(digit, from);
        must(from != std::string_view::npos);
        ++from;
    }
    const std::string read = ovix::centsEntryDigits(text.substr(0, ovix::kAmountEntryWidth));
    const std::optional<int64_t> cents = ovix::centsEntryCents(text);
    const std::optional<double> amount = ovix::centsEntryAmount(text);
    must(cents.has_value() == !read.empty() && amount.has_value() == !read.empty());
    if (!cents)
        return;
    __int128 value = 0;
    for (char digit : read)
        value = value * 10 + (digit - '0');
    must(*cents == (value > kMax ? kMax : static_cast<int64_t>(value)));
    must(*amount >= 0 && std::isfinite(*amount));
    if (*cents < 1000000000000LL) {
        must(ovix::moneyCents(*amount) == *cents);
        must(ovix::wholeCents(*amount) == *cents);
        // Shown again as the till shows it, the amount is typed back the same.
        must(ovix::centsEntryCents(ovix::centsText(*cents)) == cents);
    }
}

// Whole cents, their text and the money rounding, for any number of cents
// and any double.
void checkCents(int64_t cents, double amount)
{
    const std::string text = ovix::centsText(cents);
    must(text != "-0.00" && text.size() >= 4 && text[text.size() - 3] == '.');
    // Any amount that fits the box is typed back as the same cents.
    if (text.size() <= ovix::kAmountEntryWidth)
        must(ovix::centsEntryCents(text) == (cents < 0 ? -cents : cents));
    if (cents > -1000000000000LL && cents < 1000000000000LL) {
        const double asAmount = static_cast<double>(cents) / 100.0;
        must(ovix::wholeCents(asAmount) == cents);
        must(ovix::moneyCents(asAmount) == cents);
        must(ovix::moneyCents(ovix::roundMoney(asAmount)) == cents);
        if (cents > -100000 && cents < 100000)
            must(ovix::moneyCents(static_cast<float>(asAmount)) == cents);
    }
    if (std::isfinite(amount)) {
        const double rounded = ovix::roundMoney(amount);
        must(std::fabs(rounded - amount) <= 0.005 + std::fabs(amount) * 1e-15);
        const int64_t whole = ovix::moneyCents(amount);
        must(whole >= -90000000000000000LL && whole <= 90000000000000000LL);
    } else {
        must(amount == amount || ovix::moneyCents(amount) == 0);
    }
    if (!(std::fabs(amount) > std::numeric_limits<float>::max())) {
        const float count = static_cast<float>(amount);
        const int whole = ovix::wholeCount(count);
        if (!std::isfinite(count) || std::fabs(count) >= 2147483647.0f)
            must(whole == 0);
        else
            must(std::fabs(static_cast<double>(whole) - count) <= 0.5);
    }
    must(ovix::clampedToInt(cents) == std::max<int64_t>(std::min<int64_t>(cents, INT32_MAX),
                                                        INT32_MIN));
}

// The tender: enough exactly when the typed cents reach the cents due, and
// then the change is their difference.
void checkChange(double due, std::string_view typed)
{
    if (!std::isfinite(due) || std::fabs(due) > 1e9)
        return;
    const ovix::ChangeDisplay shown = ovix::changeDisplay(due, typed);
    const std::optional<int64_t> cents = ovix::centsEntryCents(typed);
    if (!cents) {
        must(!shown.enough && shown.text.empty());
        return;
    }
    if (*cents >= 1000000000000LL)
        return;
    const int64_t dueCents = ovix::wholeCents(due);
    must(shown.enough == (*cents >= dueCents));
    if (shown.enough)
        must(shown.text == ovix::centsText(*cents - dueCents));
    else
        must(shown.text.empty());
}

void checkTransactionNumbers(std::string_view text)
{
    const std::optional<int64_t> typed = ovix::lookUpNumberTyped(text);
    if (typed) {
        must(*typed >= ovix::kLowestLookUpNumber && *typed <= ovix::kHighestLookUpNumber);
        must(ovix::wholeNumber(text) == typed);
    }
    const std::optional<int64_t> listed = ovix::transactionNumberOfListLine(text);
    if (listed)
        must(*listed >= ovix::kLowestLookUpNumber && *listed <= ovix::kHighestLookUpNumber);
    if (typed && text.find(' ') == std::string_view::npos)
        must(listed == typed);
    if (listed) {
        const std::string line = ovix::cformat("%d on day %d of month %d, %d",
            static_cast<int>(*listed), 5, 3, 2026);
        must(ovix::transactionNumberOfListLine(line) == listed);
        must(ovix::lookUpNumberTyped(std::to_string(*listed)) == listed);
    }
}

// Cents of a "%.2f" text, or -1 when it is none.
int64_t centsOfText(const std::string &text)
{
    const size_t point = text.find('.');
    if (point == std::string::npos || point == 0 || text.size() - point != 3)
        return -1;
    const std::optional<int64_t> whole = ovix::wholeNumber(text.substr(0, point));
    const std::optional<int64_t> part = ovix::wholeNumber(text.substr(point + 1));
    if (!whole || !part || *whole < 0 || *part < 0)
        return -1;
    return *whole * 100 + *part;
}

// The price without tax, times one plus the rate, is the typed price within
// half a cent's worth of the rounding.
void checkPriceReckoner(std::string_view text, int64_t rateOne, int64_t rateTwo, int ticks)
{
    const std::string plain = ovix::priceWithoutTax(text, false, false, rateOne, rateTwo);
    if (plain == "0.0")
        return;
    const int64_t typed = centsOfText(plain);
    must(typed > 0);
    const bool one = ticks & 1;
    const bool two = ticks & 2;
    const auto clamp = [](int64_t rate) {
        return rate > 0 ? std::min<int64_t>(rate, 1000000000) : 0;
    };
    const int64_t rate = (one ? clamp(rateOne) : 0) + (two ? clamp(rateTwo) : 0);
    const int64_t without = centsOfText(ovix::priceWithoutTax(text, one, two, rateOne, rateTwo));
    must(without >= 0 && without <= typed);
    const __int128 back = static_cast<__int128>(without) * (10000 + rate);
    const __int128 wanted = static_cast<__int128>(typed) * 10000;
    const __int128 apart = back > wanted ? back - wanted : wanted - back;
    must(apart * 2 <= 10000 + rate);
}

void checkPrompts(std::string_view text)
{
    const ovix::ItemPromptAnswer item = ovix::readItemPrompt(text);
    must(item.number == 0 || item.description.empty());
    if (item.number != 0) {
        must(item.number >= 1 && item.number <= ovix::kMaxRecordNumber);
        must(ovix::wholeNumber(text) == item.number);
    } else if (ovix::trimBlanks(text).empty()) {
        must(item.description.empty());
    } else {
        must(item.description == text);
    }
    const std::optional<int64_t> supplier = ovix::supplierPromptNumber(text);
    if (supplier) {
        const ovix::LeadingNumber leading
            = ovix::parseLeadingNumber(text.substr(0, ovix::kSupplierNumberWidth));
        must(*supplier > 0 && !leading.outOfRange && leading.value == *supplier);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    int64_t number = 0;
    double amount = 0;
    if (size >= 8) {
        std::memcpy(&number, data, 8);
        std::memcpy(&amount, data, 8);
    }
    checkLeadingNumber(text);
    checkWholeNumber(text);
    checkDecimalNumber(text);
    const int64_t low = number % 1000;
    checkAskedNumber(size >= 8 ? text.substr(8) : text, low, low + (number >> 40 & 0xFFFF));
    checkCentsEntry(text);
    checkCents(number, amount);
    checkChange(amount, size >= 8 ? text.substr(8) : text);
    checkTransactionNumbers(text);
    checkPrompts(text);
    if (size >= 8)
        checkPriceReckoner(text.substr(8), number >> 32, number & 0xFFFFFF, data[0] & 3);
    return 0;
}
