#pragma once
// What the bundle dialog ("Add inventory bundle" / "Amend bundle") holds: a
// bundle's own boxes and its six component rows, how a new bundle's boxes
// start, how a bundle on file fills them, and how they make its film.dat
// record. A bundle is an ItemRecord of record_kind 2 whose components are
// item numbers written as text into six text fields (format, component_2 ...
// component_6), each with a quantity and a Free mark.
//
// Texts are Windows-1252 and kept as typed, so a refused bundle is shown
// again exactly as the clerk left it.

#include "platform/clock.h"
#include "store/record_kinds.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace ovix {

class TillConfig;

inline constexpr int32_t kBundleRecordKind = 2;
inline constexpr size_t kBundleComponentCount = 6;
// Characters a component's number box holds.
inline constexpr size_t kComponentNumberWidth = 18;
inline constexpr int kMaxComponentQuantity = 50;
// A new bundle's display category (the fifteenth entry of the list).
inline constexpr int kNewBundleCategory = 14;

struct BundleComponent {
    std::string number; // empty: the row is unused
    std::string description; // shown beside it, never stored
    int quantity = 1; // 1..50
    bool free = false;
};

struct BundleForm {
    std::string number;
    std::string description;
    std::array<std::string, 4> skus;
    std::array<BundleComponent, kBundleComponentCount> components;
    std::string deliveryCharge;
    std::string weight;
    std::string notes;
    int displayCategory = kNewBundleCategory; // 0..17
    int addedDay = 1; // the date picker
    int addedMonth = 1;
    int addedYear = 2000;
};

// A blank "Add inventory bundle" on `today`: the offered item number (an
// empty box when the no-number setting is on), the fifteenth display
// category, delivery and weight "0.00", every row empty with quantity 1 and
// no Free mark.
BundleForm newBundleForm(const TillConfig &config, const ItemIndex &items, const LocalTime &today);

// The boxes of a bundle on file; component rows from its six component
// texts, their descriptions empty. A quantity outside 1..50 shows as 1, a
// date added that is no date as `today`.
BundleForm formOfBundle(const ItemRecord &record, const LocalTime &today);

// The item number a component row names: its leading number when that is
// 1..100000000000000000, else nothing (an unused row, as the sale skips it).
std::optional<int64_t> componentNumber(const BundleComponent &component);

// componentNumber() of each of the six component texts of `bundle`.
std::array<std::optional<int64_t>, kBundleComponentCount> componentNumbers(
    const ItemRecord &bundle);

// Writes the boxes into `record` as a bundle (record_kind 2), leaving every
// field the dialog does not show as it was; a text left as the record holds
// it keeps its bytes.
void applyBundleForm(const BundleForm &form, ItemRecord &record);

// The first refusal of a new bundle, in the order the clerk is told them:
// "Number outside range.", "The description must have at least two
// characters.", "Invalid category", "No items selected".
std::optional<std::string> newBundleProblem(const ItemRecord &record);

// The first refusal of an amended bundle: "Number cannot be changed", "The
// title must have at least two characters.", "No items selected".
std::optional<std::string> amendedBundleProblem(const ItemRecord &record, int64_t original);

} // namespace ovix
