#pragma once
// Finding a customer the way the clerk goes about it: the "Number / name"
// look-up with its two ways of offering the customers a name answers (the
// "Please select" list or the "FIND CUSTOMER" box one at a time, as the
// customer-search-as-list setting says), and the Yes/No/Cancel offers of
// "Find that contain" and "Find telephone".
//
// Prompts and offers go through Messages; the boxes that are more than a
// message are given as CustomerScreens, so every rule here runs without a
// window.

#include "store/customer_record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class Shop;

// What the clerk chose in the "FIND CUSTOMER" box for the customer shown.
enum class CustomerStepChoice { Next, Ok, Cancel };

struct CustomerScreens {
    // "FIND CUSTOMER": shows `customer` read-only; the clerk's choice.
    std::function<CustomerStepChoice(const CustomerRecord &customer)> showStep;
    // The "Please select" list of `lines` (Windows-1252): the chosen row,
    // nothing when cancelled.
    std::function<std::optional<size_t>(const std::vector<std::string> &lines)> pickLine;
    // The read-only "CUSTOMER" view of customer `number`, with its Next button.
    std::function<void(int64_t number)> view;
};

// How the look-up came to its customer.
enum class FoundBy {
    Nothing, // nothing chosen
    Number, // the number typed
    List, // a line of the "Please select" list
    Step, // OK in the "FIND CUSTOMER" box, which showed the customer
    Offered, // taken from a "Search: ..." offer
};

struct FoundCustomer {
    int64_t number = 0; // 0 when nothing was chosen
    FoundBy by = FoundBy::Nothing;
};

// The prompts' texts.
inline constexpr const char *kLookUpPrompt = "Number / name";
inline constexpr const char *kFragmentPrompt = "Fragment:";
inline constexpr const char *kTelephonePrompt = "Enter telephone number";

// The "Number / name" look-up under `caption`. A positive number is looked up
// directly (nothing, without a message, when it is not on file); with
// `largeNumbersAsName` a number above 10^17 is a name instead. Other text is a
// name pattern ("?" any one character, one letter all names starting with
// it): in list mode its matches are offered in customer-number order in the
// "Please select" list, else in slot order in the "FIND CUSTOMER" box, whose
// Next shows the following match and after the last "No match found"
// (caption "Finished"). Empty text or Cancel finds nothing.
FoundCustomer lookUpCustomer(const Shop &shop, std::string_view caption, bool largeNumbersAsName,
    Messages &messages, const CustomerScreens &screens);

// Customers "Find" (Ctrl+J): the look-up under "Find customer" with large
// numbers as names; a customer found by number or from the list is then
// viewed (the "FIND CUSTOMER" box was its view already).
FoundCustomer findCustomer(const Shop &shop, Messages &messages, const CustomerScreens &screens);

// "Find that contain": the prompt kFragmentPrompt (empty text or Cancel does
// nothing); each customer whose name holds the fragment (in capitals) is
// offered as "%I64d, %s" under "Search: No to continue": Yes takes and views
// it, Cancel takes it without viewing, No goes on; after the last "No match
// found" (caption "Finished").
FoundCustomer findThatContain(const Shop &shop, Messages &messages, const CustomerScreens &screens);

// "Find telephone" (Ctrl+E): the prompt kTelephonePrompt (empty text or
// Cancel does nothing; 20 characters or more: "Limit 19 characters"); each
// customer with the text in Telephone or Telephone 2 is offered as "%I64d,
// %s: %s" under "Search: Yes to halt, No to continue": Yes views it and
// stops, Cancel stops, No goes on; after the last "No match found".
FoundCustomer findTelephone(const Shop &shop, Messages &messages, const CustomerScreens &screens);

// The number of the customer after `number` in number order, or nothing at
// the end of the file: the view's Next.
std::optional<int64_t> nextCustomerNumber(const Shop &shop, int64_t number);

} // namespace ovix
