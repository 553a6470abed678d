#pragma once
// Finding an item the way the clerk goes about it: the prompts, the number
// look-up, the description search one match at a time or as a list, the
// Yes/No/Cancel offers of the fragment, SKU and advanced searches, and the
// find the till opens on an Enter in an empty item box.
//
// Prompts, offers and messages go through Messages; the two boxes that are
// more than a message (the "FIND INVENTORY" box and the "Please select" list)
// and the till's "Item description search" box are given as ItemSearchScreens,
// so every rule here runs without a window. A result names the item chosen
// (0 for none) and whether the clerk asked to view it; what follows is the
// command's business.

#include "inventory/logic/item_search.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class Shop;
class TillConfig;

// What the clerk chose in the "FIND INVENTORY" box for the item shown.
enum class StepChoice { Next, Ok, Cancel };

// The two searches the till offers on an Enter in an empty item box.
enum class TillSearchType { InitialCharacters, WithinDescription };

struct TillSearchRequest {
    std::string text; // as typed (Windows-1252)
    TillSearchType type = TillSearchType::InitialCharacters;
    bool keepAsDefault = false; // "Keep search type as default"
};

struct ItemSearchScreens {
    // "FIND INVENTORY": shows `item` (read-only) and returns the clerk's choice.
    std::function<StepChoice(const ItemRecord &item)> showStep;
    // A list titled `title` ("Please select") of `lines` (Windows-1252); the
    // chosen row, or nothing when cancelled.
    std::function<std::optional<size_t>(
        std::string_view title, const std::vector<std::string> &lines)>
        pickLine;
    // The till's "Item description search" box, opened with `preset` chosen;
    // nothing when cancelled.
    std::function<std::optional<TillSearchRequest>(TillSearchType preset)> askTillSearch;
};

struct FoundItem {
    int64_t number = 0; // 0: nothing chosen
    bool view = false; // the clerk asked to see it in the item view
};

// What Yes and Cancel do with the item offered in a "Search: No to continue"
// box (No always goes on to the next match).
enum class OfferAction { Select, View, Nothing };
struct OfferRules {
    OfferAction onYes = OfferAction::View;
    OfferAction onCancel = OfferAction::Select;
};

// The prompts' texts.
inline constexpr const char *kFindPrompt = "Find item number / description / fragment";
inline constexpr const char *kFindByDescriptionPrompt = "Find inventory by description";
inline constexpr const char *kItemFragmentPrompt = "Fragment:";
inline constexpr const char *kSkuOnePrompt = "Find in SKU 1:";
inline constexpr const char *kSkuFragmentPrompt = "SKU or fragment:";

// The item number that `typed` names: its leading number when that is 1 to
// 100000000000000000; nothing for any other text (a larger number, one beyond
// 64 bits, 0, a negative number or no number at all), which is searched for
// as a description instead.
std::optional<int64_t> itemNumberOf(std::string_view typed);

// Tells how a search ended once its matches were offered and passed over:
// "Data file: film.dat, not present." (caption "Fatal error") when film.dat
// could not be opened, "Film.dat" (caption "Problem") when a read failed,
// else "No match found" (caption "Finished").
void reportSearchEnd(const ItemSearchResult &result, Messages &messages);

// The "Please select" line of a match: "%I64d, %s (%d) %.2f" (number,
// description, quantity in stock, retail price), Windows-1252.
std::string selectionLine(const ItemMatch &match);

// Offers the matches in order, each as "%I64d, %s" (number, description) under
// "Search: No to continue" with Yes/No/Cancel, until the clerk takes one;
// after the last, reportSearchEnd().
FoundItem offerMatches(const ItemSearchResult &result, Messages &messages, OfferRules rules);

// The description search of `typed` (description pattern, "?" for any
// character). With `asList` the matches are shown in the "Please select" list
// and the chosen line's leading number is looked up; else they are shown one
// at a time in the "FIND INVENTORY" box, from which OK takes the item. Empty
// text does nothing. `fromList` tells which way the item was chosen.
struct DescriptionChoice {
    int64_t number = 0;
    bool fromList = false;
};
DescriptionChoice runDescriptionSearch(const ItemIndex &items, bool asList, std::string_view typed,
    Messages &messages, const ItemSearchScreens &screens);

// Inventory "Find" (F2): the prompt kFindPrompt; a number is looked up and
// viewed ("No match found", caption "Finished", when it is not on file), other
// text runs the description search, whose list choice is viewed and whose
// "FIND INVENTORY" OK is not.
FoundItem findItem(const Shop &shop, Messages &messages, const ItemSearchScreens &screens);

// Inventory "Find by description" (Ctrl+N): the prompt
// kFindByDescriptionPrompt and the description search; nothing is viewed.
int64_t findByDescription(const Shop &shop, Messages &messages, const ItemSearchScreens &screens);

// Inventory "Find that contain": the prompt kItemFragmentPrompt (empty text or
// Cancel does nothing) and the fragment search offered with `rules`.
FoundItem findThatContain(const ItemIndex &items, Messages &messages, OfferRules rules);

// "Find in SKU 1": the prompt kSkuOnePrompt (empty text or Cancel does
// nothing); matches are offered, Yes or Cancel takes the item.
int64_t findInSkuOne(const ItemIndex &items, Messages &messages);

// The advanced search of the boxes `search`: matches offered, Yes views,
// Cancel selects.
FoundItem findAdvanced(const ItemIndex &items, const AdvancedSearch &search, Messages &messages);

// Inventory "Find in SKUs" (Ctrl+S): the prompt kSkuFragmentPrompt (1 to 30
// characters, else nothing happens); the items whose SKUs contain it, in
// number order, as the list "Inventory list by format" (with `asList`) whose
// choice is viewed, or offered one at a time (Yes views, Cancel selects).
FoundItem findInSkus(
    const ItemIndex &items, bool asList, Messages &messages, const ItemSearchScreens &screens);

// The till's find on an Enter in an empty item box: "Find in SKU 1" when
// the till rings items up by SKU 1, else the "Item description search" box,
// preset with the type kept in `config` (which "Keep search type as default"
// changes), running the description search or the fragment search, whose
// Yes takes the item and whose Cancel takes none. The number to ring up, or 0.
int64_t findForTill(const ItemIndex &items, TillConfig &config, Messages &messages,
    const ItemSearchScreens &screens);

} // namespace ovix
