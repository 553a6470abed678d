#include "inventory/logic/item_find.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/leading_number.h"
#include "platform/messages.h"
#include "store/shop.h"
#include "store/till_config.h"

#include <cinttypes>

namespace ovix {

namespace {

constexpr const char *kFindCaption = "Find inventory";
constexpr const char *kOfferCaption = "Search: No to continue";
constexpr const char *kSkuListTitle = "Inventory list by format";

bool searchesAsList(const TillConfig &config)
{
    return config.get(cfg::itemSearchAsList) != 0;
}

// What the clerk typed at a prompt, as Windows-1252; nothing when cancelled.
std::optional<std::string> prompt(Messages &messages, const char *text, const char *caption)
{
    std::optional<std::string> typed = messages.askText(text, caption);
    if (!typed)
        return std::nullopt;
    return fromUtf8(*typed);
}

FoundItem actOn(OfferAction action, int64_t number)
{
    switch (action) {
    case OfferAction::View:
        return { number, true };
    case OfferAction::Select:
        return { number, false };
    case OfferAction::Nothing:
        break;
    }
    return {};
}

// The failures that leave nothing to offer: told at once, true when told.
bool reportUnreadable(const ItemSearchResult &result, Messages &messages)
{
    if (result.status == ItemSearchResult::Status::Complete)
        return false;
    reportSearchEnd(result, messages);
    return true;
}

// The matches shown in a list: the chosen line's leading number, when it is
// on file; 0 when the list was cancelled.
int64_t pickFromList(const ItemIndex &items, const ItemSearchResult &result, std::string_view title,
    Messages &messages, const ItemSearchScreens &screens)
{
    if (reportUnreadable(result, messages))
        return 0;
    if (result.matches.empty()) {
        reportSearchEnd(result, messages);
        return 0;
    }
    std::vector<std::string> lines;
    lines.reserve(result.matches.size());
    for (const ItemMatch &match : result.matches)
        lines.push_back(selectionLine(match));
    const std::optional<size_t> row = screens.pickLine(title, lines);
    if (!row || *row >= lines.size())
        return 0;
    const std::optional<int64_t> number = itemNumberOf(lines[*row]);
    if (!number || !items.slotOf(*number))
        return 0;
    return *number;
}

int64_t stepThrough(const ItemIndex &items, const ItemSearchResult &result, Messages &messages,
    const ItemSearchScreens &screens)
{
    if (result.status == ItemSearchResult::Status::NotPresent) {
        reportSearchEnd(result, messages);
        return 0;
    }
    for (const ItemMatch &match : result.matches) {
        ItemRecord item {};
        if (!items.readRecord(match.slot, item, messages))
            return 0;
        switch (screens.showStep(item)) {
        case StepChoice::Ok:
            return item.number;
        case StepChoice::Cancel:
            return 0;
        case StepChoice::Next:
            break;
        }
    }
    reportSearchEnd(result, messages);
    return 0;
}

} // namespace

std::optional<int64_t> itemNumberOf(std::string_view typed)
{
    const LeadingNumber parsed = parseLeadingNumber(typed);
    if (parsed.outOfRange || parsed.value < 1 || parsed.value > kMaxRecordNumber)
        return std::nullopt;
    return parsed.value;
}

void reportSearchEnd(const ItemSearchResult &result, Messages &messages)
{
    switch (result.status) {
    case ItemSearchResult::Status::NotPresent:
        reportFatal(messages, "Data file: film.dat, not present.");
        break;
    case ItemSearchResult::Status::ReadFailed:
        reportProblem(messages, "Film.dat");
        break;
    case ItemSearchResult::Status::Complete:
        reportInfo(messages, "No match found", "Finished");
        break;
    }
}

std::string selectionLine(const ItemMatch &match)
{
    return cformat("%" PRId64 ", %s (%d) %.2f", match.number, match.description.c_str(),
        match.quantity, static_cast<double>(match.retailPrice));
}

FoundItem offerMatches(const ItemSearchResult &result, Messages &messages, OfferRules rules)
{
    if (result.status == ItemSearchResult::Status::NotPresent) {
        reportSearchEnd(result, messages);
        return {};
    }
    for (const ItemMatch &match : result.matches) {
        const std::string text
            = cformat("%" PRId64 ", %s", match.number, toUtf8(match.description).c_str());
        switch (messages.ask(text, kOfferCaption, true)) {
        case Answer::Yes:
        case Answer::Ok:
            return actOn(rules.onYes, match.number);
        case Answer::Cancel:
            return actOn(rules.onCancel, match.number);
        case Answer::No:
            break;
        }
    }
    reportSearchEnd(result, messages);
    return {};
}

DescriptionChoice runDescriptionSearch(const ItemIndex &items, bool asList, std::string_view typed,
    Messages &messages, const ItemSearchScreens &screens)
{
    if (typed.empty())
        return {};
    const ItemSearchResult result = searchByDescription(items, typed);
    if (asList)
        return { pickFromList(items, result, "Please select", messages, screens), true };
    return { stepThrough(items, result, messages, screens), false };
}

FoundItem findItem(const Shop &shop, Messages &messages, const ItemSearchScreens &screens)
{
    const std::optional<std::string> typed = prompt(messages, kFindPrompt, kFindCaption);
    if (!typed)
        return {};
    if (const std::optional<int64_t> number = itemNumberOf(*typed)) {
        if (!shop.items.slotOf(*number)) {
            reportInfo(messages, "No match found", "Finished");
            return {};
        }
        return { *number, true };
    }
    const DescriptionChoice choice
        = runDescriptionSearch(shop.items, searchesAsList(shop.config), *typed, messages, screens);
    return { choice.number, choice.number != 0 && choice.fromList };
}

int64_t findByDescription(const Shop &shop, Messages &messages, const ItemSearchScreens &screens)
{
    const std::optional<std::string> typed
        = prompt(messages, kFindByDescriptionPrompt, kFindCaption);
    if (!typed)
        return 0;
    return runDescriptionSearch(shop.items, searchesAsList(shop.config), *typed, messages, screens)
        .number;
}

FoundItem findThatContain(const ItemIndex &items, Messages &messages, OfferRules rules)
{
    const std::optional<std::string> typed
        = prompt(messages, kItemFragmentPrompt, "Find that contain");
    if (!typed || typed->empty())
        return {};
    return offerMatches(searchThatContain(items, *typed), messages, rules);
}

int64_t findInSkuOne(const ItemIndex &items, Messages &messages)
{
    const std::optional<std::string> typed = prompt(messages, kSkuOnePrompt, "Find in SKU 1");
    if (!typed || typed->empty())
        return 0;
    const OfferRules rules { OfferAction::Select, OfferAction::Select };
    return offerMatches(searchSkuOne(items, *typed), messages, rules).number;
}

FoundItem findAdvanced(const ItemIndex &items, const AdvancedSearch &search, Messages &messages)
{
    return offerMatches(searchAdvanced(items, search), messages, OfferRules {});
}

FoundItem findInSkus(
    const ItemIndex &items, bool asList, Messages &messages, const ItemSearchScreens &screens)
{
    const std::optional<std::string> typed = prompt(messages, kSkuFragmentPrompt, "Find in SKUs");
    if (!typed || typed->empty() || typed->size() > kSkuFragmentWidth)
        return {};
    const ItemSearchResult result = searchInSkus(items, *typed);
    if (!asList)
        return offerMatches(result, messages, OfferRules {});
    const int64_t number = pickFromList(items, result, kSkuListTitle, messages, screens);
    return { number, number != 0 };
}

int64_t findForTill(const ItemIndex &items, TillConfig &config, Messages &messages,
    const ItemSearchScreens &screens)
{
    if (config.get(cfg::skuOneEntry) != 0)
        return findInSkuOne(items, messages);
    const TillSearchType preset = config.get(cfg::tillSearchWithin) == 2
        ? TillSearchType::WithinDescription
        : TillSearchType::InitialCharacters;
    const std::optional<TillSearchRequest> request = screens.askTillSearch(preset);
    if (!request)
        return 0;
    if (request->keepAsDefault)
        config.set(
            cfg::tillSearchWithin, request->type == TillSearchType::WithinDescription ? 2 : 0);
    const std::string &text = request->text;
    if (text.empty())
        return 0;
    if (request->type == TillSearchType::InitialCharacters)
        return runDescriptionSearch(items, searchesAsList(config), text, messages, screens).number;
    const OfferRules rules { OfferAction::Select, OfferAction::Nothing };
    return offerMatches(searchThatContain(items, text), messages, rules).number;
}

} // namespace ovix
