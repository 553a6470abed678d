#pragma once
// A run of barcode labels: the settings typed into the "Barcode" dialog, the
// checks made before anything prints, and the numbers (with their texts) that
// go on the labels.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovix {

class Messages;
class Shop;

enum class LabelSource {
    Inventory, // every item numbered Start to Finish
    Customers, // every customer numbered Start to Finish
    AllValues, // every number from Start to Finish
    RepeatItem, // the item numbered Start, Quantity times
};

enum class LabelFormat {
    VideoSpine, // one label per row, for continuous rolls
    TwoColumn,
    ThreeColumn,
};

enum class LabelSymbology {
    Ean13, // offered as "EAN (UPC A)"
    Code39,
};

// Highest number a label range may reach (the highest item or customer number).
inline constexpr int64_t kLabelRangeLimit = 100000000000000000;
// Most labels one print may hold: a range of every number up to the limit
// would otherwise fill the disk with one endless printout.
inline constexpr int64_t kMostLabelsInOnePrint = 10000;

// The settings as typed: numbers are texts, read as the till reads its boxes
// (a leading number, the rest ignored).
struct LabelEntry {
    std::string start = "1";
    std::string finish = "2";
    LabelSource source = LabelSource::Inventory;
    std::string quantity;
    LabelFormat format = LabelFormat::VideoSpine;
    std::string originX = "3600";
    std::string originY = "400";
    std::string labelHeight = "1690";
    std::string labelsPerSheet = "16";
    std::string fromCentre = "5600";
    LabelSymbology symbology = LabelSymbology::Code39;
    std::string elementWidth = "40";
    bool includePrice = false;
    bool priceWithTax = true;
    bool includeStore = false;
    bool priceBelowText = false;
    int64_t textSize = 0; // 10 (large) to 200 (tiny); 0 the printer's default font
};

// The settings a run prints with; lengths in 0.01 mm.
struct LabelJob {
    int64_t start = 1;
    int64_t finish = 2;
    LabelSource source = LabelSource::Inventory;
    int64_t quantity = 0;
    LabelFormat format = LabelFormat::VideoSpine;
    int originX = 3600;
    int originY = 400;
    int labelHeight = 1690;
    int labelsPerSheet = 16;
    int fromCentre = 5600;
    LabelSymbology symbology = LabelSymbology::Code39;
    int elementWidth = 40; // one module of the barcode
    bool includePrice = false;
    bool priceWithTax = true;
    bool includeStore = false;
    bool priceBelowText = false;
    int64_t textSize = 0;
};

// The label height and labels per sheet a format starts with: 1690 and 16 for
// video spine, 3380 and 16 for two column, 1690 and 48 for three column.
struct LabelSheetSize {
    int labelHeight;
    int labelsPerSheet;
};
LabelSheetSize defaultSheetSize(LabelFormat format);
// The module a symbology starts with: 40 for Code 39, 50 for EAN.
int defaultElementWidth(LabelSymbology symbology);

enum class LabelEntryCheck {
    Accepted,
    OutsideLimit, // "Range limit 100000000000000000": the clerk corrects it
    Refused, // "Invalid range" (or too many labels): nothing prints
};

// Reads the typed settings into `job`. A setting outside what it accepts takes
// its stand-in value (origin 3600 and 400, label height 1690, labels per sheet
// 16, from centre 4800, module 200, quantity 0). Start or Finish above
// kLabelRangeLimit: "Range limit 100000000000000000". A negative Start or
// Finish, Finish below Start, or a repeat with Start not above 0: "Invalid
// range". More than kMostLabelsInOnePrint labels of every number, or copies:
// "At most 10000 labels can be printed at once." All with caption "Problem".
LabelEntryCheck readLabelEntry(const LabelEntry &entry, LabelJob &job, Messages &messages);

// What one label shows besides its barcode.
struct LabelValue {
    int64_t number = 0;
    std::string text; // the item's description or the customer's name (Windows-1252)
    int64_t priceCents = 0; // the item's retail price, with or without tax as chosen
};

// The labels of `job` in the order they print. Items and customers come from
// their index in ascending number; numbers not on file are skipped, and a
// range holding none (or a repeat whose Start is not an item) gives "No items
// in range.". A repeat of Quantity 0 gives no labels. A missing film.dat or member.dat gives
// "Data file: film.dat, not present." (caption "Fatal error"). Nothing on any
// failure.
std::optional<std::vector<LabelValue>> selectLabelValues(
    const Shop &shop, const LabelJob &job, Messages &messages);

// The item's retail price in cents, with tax 1 and tax 2 added by its tax code
// as a sale would add them when `withTax`.
struct ItemRecord;
class TillConfig;
int64_t labelPriceCents(const ItemRecord &item, const TillConfig &config, bool withTax);

} // namespace ovix
