#include "accounts/logic/customer_find.h"

#include "accounts/logic/customer_search.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "store/customer_lookup.h"
#include "store/shop.h"

#include <cinttypes>

namespace ovix {

namespace {

constexpr size_t kTelephoneChars = 19;

bool searchesAsList(const Shop &shop)
{
    return shop.config.get(cfg::customerSearchAsList) != 0;
}

FoundCustomer pickFromList(
    const Shop &shop, const CustomerLookup &found, Messages &messages, const CustomerScreens &screens)
{
    std::vector<std::string> lines;
    lines.reserve(found.candidates.size());
    for (const CustomerCandidate &candidate : found.candidates)
        lines.push_back(cformat("%" PRId64 " %s,  %s", candidate.number, candidate.name.c_str(),
            candidate.road.c_str()));
    const std::optional<size_t> row = screens.pickLine(lines);
    if (!row || *row >= lines.size())
        return {};
    // The number at the start of the chosen line, looked up again.
    const CustomerLookup chosen = lookUpCustomers(shop.customers, lines[*row],
        CustomerSearchOrder::ByNumber, false, messages);
    if (!chosen.byNumber || chosen.candidates.empty())
        return {};
    return { chosen.candidates.front().number, FoundBy::List };
}

FoundCustomer stepThrough(
    const Shop &shop, const CustomerLookup &found, Messages &messages, const CustomerScreens &screens)
{
    for (const CustomerCandidate &candidate : found.candidates) {
        CustomerRecord customer {};
        if (!shop.customers.readRecord(candidate.slot, customer, messages))
            return {};
        switch (screens.showStep(customer)) {
        case CustomerStepChoice::Ok:
            return { candidate.number, FoundBy::Step };
        case CustomerStepChoice::Cancel:
            return {};
        case CustomerStepChoice::Next:
            break;
        }
    }
    reportInfo(messages, "No match found", "Finished");
    return {};
}

// Tells how a search over every customer ended once its matches were passed over.
void reportSearchEnd(const CustomerSearchResult &result, Messages &messages)
{
    switch (result.status) {
    case CustomerSearchResult::Status::NotPresent:
        reportFatal(messages, "Data file: member.dat, not present.");
        break;
    case CustomerSearchResult::Status::ReadFailed:
        reportProblem(messages, "Member.dat");
        break;
    case CustomerSearchResult::Status::Complete:
        reportInfo(messages, "No match found", "Finished");
        break;
    }
}

} // namespace

FoundCustomer lookUpCustomer(const Shop &shop, std::string_view caption, bool largeNumbersAsName,
    Messages &messages, const CustomerScreens &screens)
{
    const std::optional<std::string> typed = messages.askText(kLookUpPrompt, caption);
    if (!typed)
        return {};
    const bool asList = searchesAsList(shop);
    const CustomerLookup found = lookUpCustomers(shop.customers, fromUtf8(*typed),
        asList ? CustomerSearchOrder::ByNumber : CustomerSearchOrder::BySlot, largeNumbersAsName,
        messages);
    if (found.byNumber) {
        if (found.candidates.empty())
            return {};
        return { found.candidates.front().number, FoundBy::Number };
    }
    if (typed->empty())
        return {};
    return asList ? pickFromList(shop, found, messages, screens)
                  : stepThrough(shop, found, messages, screens);
}

FoundCustomer findCustomer(const Shop &shop, Messages &messages, const CustomerScreens &screens)
{
    const FoundCustomer found = lookUpCustomer(shop, "Find customer", true, messages, screens);
    if (found.by == FoundBy::Number || found.by == FoundBy::List)
        screens.view(found.number);
    return found;
}

FoundCustomer findThatContain(const Shop &shop, Messages &messages, const CustomerScreens &screens)
{
    const std::optional<std::string> typed = messages.askText(kFragmentPrompt, "Find that contain");
    if (!typed || typed->empty())
        return {};
    const CustomerSearchResult result
        = searchCustomersThatContain(shop.customers, fromUtf8(*typed));
    for (const CustomerMatch &match : result.matches) {
        const Answer answer = messages.ask(
            cformat("%" PRId64 ", %s", match.number, toUtf8(match.name).c_str()),
            "Search: No to continue", true);
        if (answer == Answer::Yes) {
            screens.view(match.number);
            return { match.number, FoundBy::Offered };
        }
        if (answer == Answer::Cancel)
            return { match.number, FoundBy::Offered };
    }
    reportSearchEnd(result, messages);
    return {};
}

FoundCustomer findTelephone(const Shop &shop, Messages &messages, const CustomerScreens &screens)
{
    const std::optional<std::string> typed = messages.askText(kTelephonePrompt, "Find telephone");
    if (!typed || typed->empty())
        return {};
    const std::string text = fromUtf8(*typed);
    if (text.size() > kTelephoneChars) {
        reportProblem(messages, "Limit 19 characters");
        return {};
    }
    const CustomerSearchResult result = searchCustomersByTelephone(shop.customers, text);
    for (const CustomerMatch &match : result.matches) {
        const Answer answer = messages.ask(cformat("%" PRId64 ", %s: %s", match.number,
                                               toUtf8(match.name).c_str(),
                                               toUtf8(match.telephone).c_str()),
            "Search: Yes to halt, No to continue", true);
        if (answer == Answer::Yes) {
            screens.view(match.number);
            return { match.number, FoundBy::Offered };
        }
        if (answer == Answer::Cancel)
            return {};
    }
    reportSearchEnd(result, messages);
    return {};
}

std::optional<int64_t> nextCustomerNumber(const Shop &shop, int64_t number)
{
    if (number >= kMaxRecordNumber)
        return std::nullopt;
    const RecordIndex &index = shop.customers.index();
    const size_t position = index.find(number + 1);
    if (position >= index.size())
        return std::nullopt;
    return index[position].number;
}

} // namespace ovix
