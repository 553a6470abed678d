#pragma once
// The customer searches that look at every customer of member.dat: by a
// fragment of the name ("Find that contain") and by a fragment of either
// telephone number ("Find telephone"). The search by the start of the name
// is the "Number / name" look-up's (store/customer_lookup.h).
//
// Each search reads the file once, front to back, in large blocks, and
// returns its matches in slot order, exactly as reading the records one by
// one in slot order would find them; a record that cannot be read ends the
// search there, with the matches before it. Nothing is written and nothing
// is told to the user: the status says how the search ended, and the caller
// tells it. Texts are Windows-1252 as stored.

#include "store/record_kinds.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

// One customer a search found.
struct CustomerMatch {
    int64_t number = 0;
    int64_t slot = 0;
    std::string name; // Windows-1252
    std::string telephone; // the telephone that held the text (telephone search)
};

struct CustomerSearchResult {
    enum class Status {
        Complete, // the whole file was looked at
        NotPresent, // member.dat could not be opened: no matches
        ReadFailed, // a record could not be read: the matches before it are kept
    };
    Status status = Status::Complete;
    std::vector<CustomerMatch> matches;
};

// True when the text held in `width` bytes at `field` (up to its first NUL)
// contains `fragment`; an empty fragment is contained in every text.
bool customerFieldContains(const char *field, size_t width, std::string_view fragment);

// Customers whose name contains `fragment`, upper-cased first (names are
// stored in capitals). Only slots whose name key is set are looked at. An
// empty fragment finds nothing.
CustomerSearchResult searchCustomersThatContain(
    const CustomerIndex &customers, std::string_view fragment);

// Customers (number above 0 on disk) whose Telephone or Telephone 2 contains
// `text` as typed; Telephone is tested first and is the one given when both
// hold it. Every slot is looked at, free ones included. An empty text finds
// nothing.
CustomerSearchResult searchCustomersByTelephone(
    const CustomerIndex &customers, std::string_view text);

} // namespace ovix
