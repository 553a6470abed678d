#pragma once
// The "Number / name" customer look-up: a positive number is a customer
// number, any other text a name pattern. The look-up returns the customers
// that answer; choosing one of several (the selection list or the step-by-step
// find box) is the caller's dialog.

#include "store/customer_record.h"
#include "store/record_kinds.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;

struct CustomerCandidate {
    int64_t number = 0;
    int64_t slot = 0;
    std::string name; // Windows-1252
    std::string road; // Windows-1252
};

// Order of the matches of a name search: slot order for the step-by-step
// find box, customer-number order for the selection list.
enum class CustomerSearchOrder { BySlot, ByNumber };

struct CustomerLookup {
    bool byNumber = false; // the text was taken as a customer number
    std::vector<CustomerCandidate> candidates; // none when nothing answers
};

// Looks up what was typed at the "Number / name" prompt (Windows-1252).
// Text whose leading number is above 0 is a customer number, found through
// the index (at most one candidate, none when not on file, no message); with
// `largeNumbersAsName` a number above 100000000000000000 (or beyond 64 bits)
// is taken as a name instead. Any other text is a name pattern
// (customerNameMatches): only the slots whose name key answers are read (in
// large blocks when they are many); the matches are those of reading the
// slots one by one, so a record
// that cannot be read ends the search with the matches of the slots before it
// ("Member.dat", caption "Problem"; a missing file is "Data file: member.dat,
// not present.", caption "Fatal error"). A customer number that cannot be read
// is "Not able to read member.dat".
CustomerLookup lookUpCustomers(const CustomerIndex &customers, std::string_view text,
    CustomerSearchOrder order, bool largeNumbersAsName, Messages &messages);

// True when `name` (a 30-byte record field, read no further than its width)
// answers the name pattern: a prefix pattern whose "?" stands for any one
// character; a single character is taken as that character followed by "?".
// An empty pattern matches nothing. Characters are compared exactly: names
// are stored in capitals.
bool customerNameMatches(std::string_view pattern, const char *name, size_t width);

} // namespace ovix
