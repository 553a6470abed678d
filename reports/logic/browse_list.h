#pragma once
// A screen list of items, suppliers or customers, shown thirteen rows at a
// time in a browse window: the rows of the page shown, where the next page
// starts, and for the item lists walked through the item index the starts of
// the pages seen, so that "Back" can return. The window only shows what this
// holds; every rule of paging is here, tested without a window.
//
// Usage:
//     BrowseList list = itemsFromNumber(shop, 1, showsCostPrice(shop));
//     if (list.open(messages))
//         ... show list.rows(), offer More when list.offersMore() ...
//     if (!list.more(messages))
//         ... close the window ...

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ovix {

class Messages;

// Rows on one page, and how many page starts "Back" remembers.
inline constexpr size_t kBrowseRows = 13;
inline constexpr size_t kBrowsePageStarts = 200;

// One row of the window: the number and three texts (Windows-1252 as
// stored), the second up to 40 characters, the third and fourth up to 30.
struct BrowseRow {
    int64_t number = 0;
    std::string second;
    std::string third;
    std::string fourth;

    bool operator==(const BrowseRow &) const = default;
};

// What a click on a row's number opens.
enum class BrowseOpens {
    Item, // the item view, when the number is in the item index
    Customer, // the customer view, when the number is in the customer index
    Nothing, // supplier rows do not react
};

// Where the rows come from: a walk of a record index or the records of a list
// work file. A position is the source's own: an index position or a record
// number of the file.
class BrowseSource {
public:
    virtual ~BrowseSource() = default;

    struct Page {
        std::vector<BrowseRow> rows; // at most kBrowseRows
        size_t next = 0; // where the page after this one starts
    };
    // The rows from `position` on. Nothing when a file could not be opened or
    // read; the source has said so through `messages`.
    virtual std::optional<Page> fill(size_t position, Messages &messages) const = 0;
};

class BrowseList {
public:
    struct Options {
        std::string title; // the window's title (UTF-8)
        BrowseOpens opens = BrowseOpens::Nothing;
        // The customer window: "No items on record." when nothing is found,
        // and "Cancel" beside "More".
        bool customers = false;
        // Page starts are kept and "Back" offered (item lists walked through
        // the item index).
        bool back = false;
    };

    BrowseList(Options options, std::unique_ptr<BrowseSource> source, size_t start);

    // Fills the first page. False when there is nothing to show: no row (the
    // customer lists say "No items on record.", caption "Problem") or a file
    // that could not be read.
    bool open(Messages &messages);
    // "More": the next page from where the shown one stopped. False when it
    // has no row or could not be read: the window closes.
    bool more(Messages &messages);
    // "Back": the page before the shown one, filled again. False when there
    // is none or it could not be read; the shown rows then stay.
    bool back(Messages &messages);

    const Options &options() const
    {
        return options_;
    }
    const std::vector<BrowseRow> &rows() const
    {
        return rows_;
    }
    // A full page offers "More" (and in the customer window "Cancel");
    // a shorter one only "OK".
    bool offersMore() const
    {
        return rows_.size() == kBrowseRows;
    }
    // "Back" shows while a page before the shown one is remembered.
    bool offersBack() const
    {
        return options_.back && starts_.size() > 1;
    }
    // The page starts remembered, the shown page's last (at most
    // kBrowsePageStarts: past that the oldest are forgotten).
    const std::vector<size_t> &pageStarts() const
    {
        return starts_;
    }

private:
    enum class Filled { Shown, Empty, Failed };
    Filled show(size_t start, Messages &messages);

    Options options_;
    std::unique_ptr<BrowseSource> source_;
    std::vector<size_t> starts_;
    size_t next_ = 0;
    std::vector<BrowseRow> rows_;
};

} // namespace ovix
