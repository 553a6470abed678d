#include "reports/logic/browse_lists.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/leading_number.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/list_file_record.h"
#include "store/shop.h"
#include "store/user_control.h"

#include <cstring>
#include <functional>
#include <string_view>
#include <utility>

namespace ovix {

namespace {

constexpr size_t kSecondColumn = 40;
constexpr size_t kOtherColumn = 30;
constexpr size_t kSkuFragmentWidth = 30;
constexpr size_t kRoadWidth = 29;
constexpr int kCategoryEntries = 18;

BrowseRow makeRow(int64_t number, std::string second, std::string third, std::string fourth)
{
    second.resize(std::min(second.size(), kSecondColumn));
    third.resize(std::min(third.size(), kOtherColumn));
    fourth.resize(std::min(fourth.size(), kOtherColumn));
    return { number, std::move(second), std::move(third), std::move(fourth) };
}

std::string money(float amount)
{
    return cformat("%.2f", static_cast<double>(amount));
}

// Walks a record index from a position: the free entries at its front are
// never read, each live entry's record is read at its slot and kept when the
// list's rule makes a row of it. The index is sorted and walked by position,
// so a file holding a number twice shows both records and never loops.
//
// A list that keeps only some records (`filtered`) first reads the whole file
// once in large blocks to learn which slots can give a row, so that a page
// does not read thousands of records one by one to find its thirteen; the
// records of those slots are still read and checked again as the page fills.
template <typename Record> class IndexSource : public BrowseSource {
public:
    using MakeRow = std::function<std::optional<BrowseRow>(const Record &)>;

    IndexSource(const RecordFile<Record> &file, MakeRow makeRow, bool filtered)
        : file_(file), makeRow_(std::move(makeRow)), filtered_(filtered)
    {
    }

    std::optional<Page> fill(size_t position, Messages &messages) const override
    {
        if (filtered_ && !scanned_ && !scan(messages))
            return std::nullopt;
        const RecordIndex &index = file_.index();
        Page page;
        position = std::max(position, index.find(1));
        while (position < index.size() && page.rows.size() < kBrowseRows) {
            const IndexEntry entry = index[position++];
            if (!mayGiveRow(entry.slot))
                continue;
            Record record {};
            if (!file_.readRecord(entry.slot, record, messages))
                return std::nullopt;
            if (record.number <= 0)
                continue; // freed since the index was built
            if (std::optional<BrowseRow> row = makeRow_(record))
                page.rows.push_back(std::move(*row));
        }
        page.next = position;
        return page;
    }

private:
    bool scan(Messages &messages) const
    {
        rowSlots_.assign(static_cast<size_t>(std::max<int64_t>(file_.slotCount(), 0)), 0);
        const ScanResult result = file_.forEachRecord([this](int64_t slot, const Record &record) {
            if (makeRow_(record))
                rowSlots_[static_cast<size_t>(slot)] = 1;
        });
        if (result.status == ScanResult::Status::NotOpened) {
            reportFatal(messages, std::string("Data file: ") + file_.fileName() + ", not present.");
            return false;
        }
        // Past a read failure every slot is read one by one, and the record
        // that cannot be read is reported then.
        for (size_t slot = static_cast<size_t>(std::max<int64_t>(result.slotsRead, 0));
             slot < rowSlots_.size(); ++slot)
            rowSlots_[slot] = 1;
        scanned_ = true;
        return true;
    }

    bool mayGiveRow(int64_t slot) const
    {
        if (!filtered_)
            return true;
        // A slot the scan did not reach is read.
        return slot < 0 || static_cast<size_t>(slot) >= rowSlots_.size()
            || rowSlots_[static_cast<size_t>(slot)] != 0;
    }

    const RecordFile<Record> &file_;
    MakeRow makeRow_;
    bool filtered_;
    mutable bool scanned_ = false;
    mutable std::vector<char> rowSlots_;
};

// The records of f2.dat or m2.dat in file order; a part record at the end is
// no record.
class ListFileSource : public BrowseSource {
public:
    ListFileSource(std::string path, std::string fileName)
        : path_(std::move(path)), fileName_(std::move(fileName))
    {
    }

    std::optional<Page> fill(size_t position, Messages &messages) const override
    {
        File file = File::open(path_, File::Mode::Read);
        if (!file.isOpen()) {
            reportFatal(messages, "Data file: " + fileName_ + ", not present.");
            return std::nullopt;
        }
        char bytes[kBrowseRows * kListFileRecordSize];
        const int64_t got = file.readSomeAt(
            static_cast<int64_t>(position * kListFileRecordSize), bytes, sizeof bytes);
        if (got < 0) {
            reportProblem(messages, "Not able to read " + fileName_);
            return std::nullopt;
        }
        Page page;
        const size_t whole = static_cast<size_t>(got) / kListFileRecordSize;
        for (size_t i = 0; i < whole; ++i) {
            ListFileRecord record {};
            std::memcpy(&record, bytes + i * kListFileRecordSize, sizeof record);
            page.rows.push_back(makeRow(record.number, readText(record.name),
                readText(record.column1), readText(record.column2)));
        }
        page.next = position + whole;
        return page;
    }

private:
    std::string path_;
    std::string fileName_;
};

BrowseRow itemRow(const ItemRecord &item, bool showCost)
{
    std::string prices = showCost ? money(item.cost_price) + ", " + money(item.retail_price)
                                  : money(item.retail_price);
    return makeRow(item.number, readText(item.description), cformat("%d", +item.quantity),
        std::move(prices));
}

// An item list of the items `keep` takes, or of every item when it is empty.
BrowseList itemList(const Shop &shop, std::string title, size_t start,
    std::function<bool(const ItemRecord &)> keep, bool showCost)
{
    const bool filtered = static_cast<bool>(keep);
    auto source = std::make_unique<IndexSource<ItemRecord>>(shop.items,
        [keep = std::move(keep), showCost](const ItemRecord &item) -> std::optional<BrowseRow> {
            if (keep && !keep(item))
                return std::nullopt;
            return itemRow(item, showCost);
        },
        filtered);
    return BrowseList({ std::move(title), BrowseOpens::Item, false, true }, std::move(source),
        start);
}

BrowseList customerList(const Shop &shop, std::string title, size_t start,
    std::function<std::optional<BrowseRow>(const CustomerRecord &)> makeRow, bool filtered)
{
    auto source = std::make_unique<IndexSource<CustomerRecord>>(
        shop.customers, std::move(makeRow), filtered);
    return BrowseList({ std::move(title), BrowseOpens::Customer, true, false },
        std::move(source), start);
}

BrowseRow customerRow(const CustomerRecord &customer, std::string second)
{
    return makeRow(customer.number, std::move(second), readText(customer.road),
        readText(customer.telephone));
}

bool contains(std::string_view text, std::string_view fragment)
{
    return text.find(fragment) != std::string_view::npos;
}

// A prompt's answer with its blanks, as typed, in Windows-1252.
std::optional<std::string> askFor(
    Messages &messages, std::string_view prompt, std::string_view caption, std::string_view initial = {})
{
    const std::optional<std::string> typed = messages.askText(prompt, caption, initial);
    if (!typed)
        return std::nullopt;
    return fromUtf8(*typed);
}

} // namespace

bool showsCostPrice(const Shop &shop)
{
    return !shop.restricted() || !userControlSet(shop.config, UserControlItem::HideCostPrice);
}

BrowseList itemsFromNumber(const Shop &shop, int64_t from, bool showCost)
{
    return itemList(shop, "Inventory list", shop.items.find(from), {}, showCost);
}

BrowseList itemsByCategory(const Shop &shop, int entry, bool showCost)
{
    return itemList(shop, "Inventory list by category", 0,
        [entry](const ItemRecord &item) {
            return entry == 0 || +item.display_category == entry - 1;
        },
        showCost);
}

BrowseList itemsInSkus(const Shop &shop, std::string_view fragment, bool showCost)
{
    return itemList(shop, "Inventory list by format", 0,
        [upper = toUpperCp1252(fragment)](const ItemRecord &item) {
            return contains(readText(item.sku1), upper) || contains(readText(item.sku2), upper)
                || contains(readText(item.sku3), upper) || contains(readText(item.sku4), upper);
        },
        showCost);
}

BrowseList itemListFile(const DataDir &dir, std::string title)
{
    return BrowseList({ std::move(title), BrowseOpens::Item, false, false },
        std::make_unique<ListFileSource>(dir.path(kItemListFileName), kItemListFileName), 0);
}

BrowseList supplierList(const Shop &shop)
{
    auto source = std::make_unique<IndexSource<SupplierRecord>>(
        shop.suppliers, [](const SupplierRecord &supplier) -> std::optional<BrowseRow> {
            return makeRow(supplier.number, readText(supplier.name),
                money(supplier.list_amount_2) + ", " + money(supplier.list_amount_1),
                cformat("%d", +supplier.list_number));
        },
        false);
    return BrowseList({ "Supplier list", BrowseOpens::Nothing, false, false }, std::move(source), 0);
}

BrowseList customersFromNumber(const Shop &shop, int64_t from)
{
    return customerList(shop, "Customer list", shop.customers.find(from),
        [](const CustomerRecord &customer) -> std::optional<BrowseRow> {
            return customerRow(customer, readText(customer.name));
        },
        false);
}

BrowseList customersWithBalance(const Shop &shop, int64_t from)
{
    return customerList(shop, "Customers with non zero credit", shop.customers.find(from),
        [](const CustomerRecord &customer) -> std::optional<BrowseRow> {
            // The balance as shown: a float of -0.001 is not owed money.
            const std::string balance = money(customer.balance);
            if (moneyCents(static_cast<double>(customer.balance)) == 0)
                return std::nullopt;
            return customerRow(customer, balance + ", " + readText(customer.name));
        },
        true);
}

BrowseList customersByAddress(const Shop &shop, std::string_view road)
{
    return customerList(shop, "New customer search: address", 0,
        [start = toUpperCp1252(road)](const CustomerRecord &customer) -> std::optional<BrowseRow> {
            if (!readText(customer.road).starts_with(start))
                return std::nullopt;
            return customerRow(customer, readText(customer.name));
        },
        true);
}

BrowseList customerListFile(const DataDir &dir)
{
    return BrowseList({ "Alphabetical customer list", BrowseOpens::Customer, true, false },
        std::make_unique<ListFileSource>(
            dir.path(kCustomerListFileName), kCustomerListFileName),
        0);
}

bool browseNumberOpens(const Shop &shop, BrowseOpens opens, int64_t number)
{
    switch (opens) {
    case BrowseOpens::Item:
        return shop.items.index().contains(number);
    case BrowseOpens::Customer:
        return shop.customers.index().contains(number);
    case BrowseOpens::Nothing:
        break;
    }
    return false;
}

std::optional<int64_t> askListFromNumber(Messages &messages, std::string_view caption)
{
    const std::optional<std::string> typed = askFor(messages, "List from number:", caption, "1");
    if (!typed)
        return std::nullopt;
    const LeadingNumber number = parseLeadingNumber(*typed);
    if (number.outOfRange || number.value < 1 || number.value > kMaxRecordNumber)
        return std::nullopt;
    return number.value;
}

std::optional<std::string> askSkuFragment(Messages &messages)
{
    std::optional<std::string> typed = askFor(messages, "SKU or fragment:", "Find in SKUs");
    if (!typed || typed->empty() || typed->size() > kSkuFragmentWidth)
        return std::nullopt;
    return typed;
}

std::optional<std::string> askRoadStart(Messages &messages)
{
    std::optional<std::string> typed
        = askFor(messages, "Road begins with:", "New customer search: address");
    if (!typed || typed->empty() || typed->size() > kRoadWidth)
        return std::nullopt;
    return typed;
}

std::vector<std::string> categoryChoices(const TillConfig &config)
{
    std::vector<std::string> choices { "All" };
    for (int category = 1; category <= kCategoryEntries; ++category)
        choices.push_back(config.categoryName(category));
    return choices;
}

} // namespace ovix
