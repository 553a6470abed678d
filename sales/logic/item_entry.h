#pragma once
// Ringing items up: every operation that puts a line into the basket or takes
// one out, with the till's checks and messages.
//
// Each refusal is told through Messages (caption "Problem" unless said
// otherwise) and leaves the basket exactly as it was. The screen, the pole
// display and the sounds are told through the BasketView. Running totals
// (non-taxable, taxable, subtotal, tax 1, tax 2, total) are re-rounded to two
// decimals after every change; the cost total and the line values are not.
// Texts going into the basket and the list are Windows-1252; texts typed by
// the clerk are taken as Windows-1252 too.

#include "sales/logic/basket.h"

#include <cstdint>
#include <string_view>

namespace ovix {

class BasketView;
class Messages;
class TillState;
struct CustomerRecord;
struct ItemRecord;

// How AddItem prices and announces a line: Free rings it up at 0.00 (bundle
// components given free); Repeat plays no add sound, shows no line on the pole
// display and gives no age alert.
enum class AddMode { Normal, Free, Repeat };

// What an Enter in the item box asks for.
enum class ItemBoxOutcome {
    NotEntered, // no line break at the end yet: the clerk is still typing
    OpenFind, // Enter in an empty box: open the find dialog
    Entered, // the text was taken and rung up (or refused with a message)
};

// The values a line would get for a price and its tax, as the non-inventory
// sale dialog shows them (Nett, Tax 1, Tax 2, Total).
struct LineAmounts {
    float nonTaxable = 0;
    float taxable = 0;
    float taxOne = 0;
    float taxTwo = 0;
    float total = 0;
};

inline constexpr double kTransactionLimit = 99999.99;
// Characters of the item box that are read.
inline constexpr size_t kItemBoxWidth = 37;
// Characters of a transaction note that are kept.
inline constexpr size_t kTransactionNoteWidth = 79;

class ItemEntry {
public:
    // All references must outlive this object. `basket` is the sale being
    // rung up, `savedBasket` the copy kept by SaveBasket.
    ItemEntry(TillState &state, Basket &basket, Basket &savedBasket, BasketView &view,
        Messages &messages);

    // The item box after a change. `boxText` is the whole box text; Enter
    // shows as one trailing "\n". A text that begins with the line break asks
    // for the find dialog. Otherwise, once the text ends with the line break,
    // the box is cleared and exactly that line break is taken off (a "\r"
    // right before it too, never anything else); in barcode mode the text is
    // upper-cased; at most 37 characters are kept and AddItem runs with them.
    ItemBoxOutcome itemBoxEntered(std::string_view boxText);

    // Adds one line for item `number`, or with `number` 0, for the item the
    // box text names: its leading decimal number, or in barcode mode its SKU 1
    // (compared exactly). A bundle adds its components instead. Refusals, each
    // with one message: "Transaction limit 400 items" with 400 lines; a
    // negative or out-of-range number (text of the box, caption "Invalid
    // entry"); a number not on file ("%I64d", caption "Invalid entry"); an
    // unknown barcode (the text, caption "Invalid entry"); "Data file:
    // film.dat, not present." (caption "Fatal error"); "Film.dat" when a
    // barcode item cannot be read; "Item out of stock"; "Trade price option
    // active, no trade price"; "Transaction limit 100000.00" when the total
    // and the price would pass 99999.99. An item with an age limit then shows
    // the age ("%d", caption "Age alert"); the line stays. True when at least
    // one line was added.
    bool addItem(int64_t number, std::string_view boxText, AddMode mode = AddMode::Normal);

    // Adds the components of bundle `bundle`: for each of its six component
    // slots in order, `component_quantity` units of the item its text names,
    // free when `component_free` is set. Empty slots, numbers outside
    // 1..100000000000000000, quantities of 0 or less and components that are
    // themselves bundles are skipped. A refused unit ends its own component;
    // a full basket ends the bundle. True when at least one line was added.
    bool addBundle(const ItemRecord &bundle);

    // Removes line `highlighted` (0-based; the till list's selection, -1 for
    // none) and takes its values off the totals. "No items" with no lines; a
    // highlight that names no line voids nothing. Voiding the last remaining
    // line clears the whole basket, customer and note included. The void is
    // written to the activity log (sales/logic/shrinkage_log.h).
    bool voidLine(int highlighted);

    // Adds the last line's item again, as many times as `quantityText` (the
    // item box) says, 0 or nothing meaning once. "No items" with no lines,
    // "Non inventory item" for a non-inventory last line, "Transaction limit
    // 400 items" when that many lines do not fit (nothing is added). Each unit
    // goes through AddItem's checks; the first refusal ends the repeat.
    // Returns the number of lines added.
    int repeatLast(std::string_view quantityText);

    // Clears the list and the basket when it has lines, and writes the lines
    // thrown away to the activity log; else does nothing.
    void emptyBasket();

    // Copies the basket to the saved basket and stores it in basket.sav
    // ("Saved", caption "Basket"), or says "No items" (caption "Save basket")
    // when it has no lines. When the file cannot be written the copy is kept
    // for this run only, and the message says so.
    bool saveBasket();
    // Replaces the basket by the saved one, which keeps its content; "No
    // items" (caption "Reload basket") when the saved basket has no lines.
    // Over a basket with lines it first asks whether to abandon that sale
    // (sales/logic/abandon_sale.h); No changes nothing, Yes empties it as
    // emptyBasket does.
    bool reloadBasket();
    // Parks a sale in progress when the till is stopped: the basket becomes
    // the saved basket, in memory and in basket.sav, replacing what was
    // saved, without a word to the clerk. The basket itself is left as it
    // is. Nothing happens with no lines. False, with `error` saying why when
    // given, when basket.sav could not be written.
    bool parkBasket(std::string *error = nullptr);

    // What a non-inventory line of `price` would hold with the tax boxes as
    // given, against the basket as it is now (threshold tax included).
    LineAmounts nonInventoryAmounts(double price, bool taxOne, bool taxTwo) const;
    // Adds a line with item number 0, `description` (at most 39 bytes kept)
    // and `price` rounded to cents, taxed as the boxes say. Refused with
    // "Invalid price" for a negative or non-finite price, and like AddItem
    // with 400 lines or past the 99999.99 limit.
    bool addNonInventoryLine(std::string_view description, double price, bool taxOne, bool taxTwo);

    // Attaches customer `number` to the sale: reads it through the customer
    // index and copies number, name, road, area, town, postcode and telephone
    // into the basket, then shows the name (caption "Customer associated").
    // False, with nothing changed, when it is not on file or cannot be read.
    bool associateCustomer(int64_t number);
    // The same for a record already read.
    void associateCustomer(const CustomerRecord &customer);

    // Stores the note (at most 79 bytes kept) and says "Added" (caption
    // "Transaction note").
    void setTransactionNote(std::string_view note);

    // Trade prices on (2) or off (0) in the configuration; lines already in
    // the basket keep their prices.
    void toggleTradePrices();

    // Repaints the totals, puts the pole display back to its passive text and
    // plays the add sound when `addSound` (a repeat plays none; a void or an
    // emptied basket plays the void sound in its place).
    void redrawTotals(bool addSound = true);
    // After a paid sale was archived (the basket is empty): empties the till
    // list and redraws the totals with the add sound.
    void saleCompleted();

    // Items are rung up by SKU 1 (the item box text is a barcode).
    bool barcodeMode() const;
    // Enter in an empty item box opens the SKU 1 search rather than the
    // description search.
    bool findsBySku() const;

private:
    enum class Outcome { Added, Refused, BasketFull, NestedBundle };

    Outcome addOne(int64_t number, std::string_view boxText, AddMode mode, bool inBundle);
    bool findItem(int64_t number, std::string_view boxText, ItemRecord &record);
    bool priceOf(const ItemRecord &record, AddMode mode, float &price);
    bool withinLimit(double price);
    LineAmounts lineAmounts(float price, int taxCode, bool noTaxRounding) const;
    void addLineToTotals(const LineAmounts &amounts, float price, float cost);
    bool refuseWhenFull();
    std::string listText(int line, int quantity) const;

    TillState &state_;
    Basket &basket_;
    Basket &savedBasket_;
    BasketView &view_;
    Messages &messages_;
};

} // namespace ovix
