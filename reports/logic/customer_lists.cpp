#include "reports/logic/customer_lists.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "reports/logic/number_order_scan.h"
#include "store/fixed_text.h"

#include <charconv>
#include <cinttypes>

namespace ovix {

namespace {

constexpr int kNameColumn = 8;
constexpr int kTelephoneColumn = 22;
// The alphabetical list's columns: name, road, telephone.
constexpr int kSortedNameColumn = 20;
constexpr int kSortedRoadColumn = kSortedNameColumn + 42;
constexpr int kSortedTelephoneColumn = kSortedRoadColumn + 32;

const char *listTitle(CustomerListKind kind)
{
    switch (kind) {
    case CustomerListKind::FromNumber: return "Numeric customer list: ";
    case CustomerListKind::Debtors: return "Debit / credit customer list: ";
    case CustomerListKind::InactiveSince: return "Inactive customer list: ";
    }
    return "";
}

// The date part of a time stamp: from its sixth character on.
std::string stampDate(const std::string &stamp)
{
    return stamp.size() > 5 ? stamp.substr(5) : std::string();
}

} // namespace

std::optional<int> inactiveSinceYear(std::string_view typed, const LocalTime &today,
    Messages &messages)
{
    int year = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), year);
    if (typed.empty() || error != std::errc() || end != typed.data() + typed.size() || year < 1
        || year > today.year) {
        reportProblem(messages, "Outside range");
        return std::nullopt;
    }
    return year;
}

std::optional<int> stampYear(std::string_view stamp)
{
    // "HH:MMDD/MM/YYYY": the year follows the second '/' of the date part.
    if (stamp.size() <= 5)
        return std::nullopt;
    const std::string_view date = stamp.substr(5);
    const size_t firstSlash = date.find('/');
    const size_t secondSlash
        = firstSlash == std::string_view::npos ? firstSlash : date.find('/', firstSlash + 1);
    if (secondSlash == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = date.substr(secondSlash + 1);
    int year = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), year);
    if (error != std::errc() || end == digits.data())
        return std::nullopt;
    return year;
}

bool onCustomerList(const CustomerListChoice &choice, const CustomerRecord &customer)
{
    switch (choice.kind) {
    case CustomerListKind::FromNumber: return true;
    case CustomerListKind::Debtors: return moneyCents(customer.balance) != 0;
    case CustomerListKind::InactiveSince: {
        const std::optional<int> year = stampYear(readText(customer.customer_last_used));
        return !year || *year <= choice.year;
    }
    }
    return false;
}

ListingEntry customerListEntry(CustomerListKind kind, const CustomerRecord &customer)
{
    const std::string telephone = readText(customer.telephone);
    ListingEntry entry;
    entry.push_back(
        { { 0, cformat("%" PRId64, customer.number) }, { kNameColumn, readText(customer.name) } });
    if (kind == CustomerListKind::InactiveSince) {
        entry.push_back({ { 0, readText(customer.road) }, { kTelephoneColumn, telephone } });
        entry.push_back({ { 0, stampDate(readText(customer.customer_last_used)) } });
    } else {
        entry.push_back({ { 0, readText(customer.road) } });
        entry.push_back({ { 0,
            cformat("%.2f  Tel: %s", static_cast<double>(customer.balance), telephone.c_str()) } });
    }
    entry.push_back({});
    return entry;
}

std::optional<Listing> customerListing(const CustomerListChoice &choice,
    const CustomerIndex &customers, Messages &messages)
{
    Listing listing;
    listing.title = listTitle(choice.kind);
    listing.closingLine = true;
    const std::optional<RecordIndex::Range> positions
        = customers.walkRange(choice.range.from, choice.range.to, messages);
    if (!positions)
        return std::nullopt;
    std::optional<std::vector<ListingEntry>> entries = madeInNumberOrder<ListingEntry>(customers,
        *positions, [&](const CustomerRecord &customer) -> std::optional<ListingEntry> {
            if (!onCustomerList(choice, customer))
                return std::nullopt;
            return customerListEntry(choice.kind, customer);
        });
    if (!entries) {
        reportFatal(messages, "Data file member.dat, not present.");
        return std::nullopt;
    }
    listing.entries = std::move(*entries);
    return listing;
}

Listing alphabeticalCustomerListing(const std::vector<ListFileRecord> &records)
{
    Listing listing;
    listing.title = "Alphabetical customer list: ";
    listing.closingLine = true;
    listing.entries.reserve(records.size());
    for (const ListFileRecord &record : records) {
        listing.entries.push_back({ {
            { 0, cformat("%" PRId64, record.number) },
            { kSortedNameColumn, readText(record.name) },
            { kSortedRoadColumn, readText(record.column1) },
            { kSortedTelephoneColumn, readText(record.column2) },
        } });
    }
    return listing;
}

} // namespace ovix
