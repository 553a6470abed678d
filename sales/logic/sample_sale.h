#pragma once
// A made-up paid sale for trying out receipt layouts before a real sale
// prints one: an item rung up twice, a taxed item, a customer with an
// address, a note, and cash tendered with change.

namespace ovix {

class TillConfig;
struct Basket;
struct LocalTime;

struct SampleSale {
    double tendered = 0;
    double change = 0;
};

// Fills `sale` (cleared first) as if paid in cash at `now` by the logged-on
// clerk; the taxed line carries tax 1 at the configured rate.
SampleSale fillSampleSale(Basket &sale, const TillConfig &config, const LocalTime &now);

} // namespace ovix
