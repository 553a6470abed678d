// The item dialog's rules without a window: which typed item is refused and
// with what, in which order; the ready reckoner; the picture steps; the
// number offered; what an item prompt's text names; and that the boxes of an
// item on file give back exactly the record they came from.

#include "inventory/logic/item_form.h"
#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/price_reckoner.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

using namespace ovix;
using namespace ovix::test;

namespace {

// A new item every rule accepts.
ItemForm acceptableItem()
{
    ItemForm form;
    form.number = "501";
    form.description = "TEA CUP";
    form.retailPrice = "3.50";
    form.costPrice = "1.20";
    form.quantity = "4";
    form.displayCategory = 3;
    return form;
}

std::optional<std::string> newItemRefusal(const ItemForm &form)
{
    ItemRecord record {};
    applyItemForm(form, record);
    return newItemProblem(record);
}

struct RefusalCase {
    const char *name;
    std::function<void(ItemForm &)> change;
    const char *refusal; // nullptr: accepted
};

} // namespace

TEST(ItemForm, NewItemRefusalsComeInTheirOrderAndAtTheirLimits)
{
    const RefusalCase cases[] = {
        { "as typed", [](ItemForm &) {}, nullptr },
        { "highest number", [](ItemForm &f) { f.number = "100000000000000000"; }, nullptr },
        { "number past the highest", [](ItemForm &f) { f.number = "100000000000000001"; },
            "Number outside range." },
        { "number 0", [](ItemForm &f) { f.number = std::string("0"); }, "Number outside range." },
        { "no number", [](ItemForm &f) { f.number = ""; }, "Number outside range." },
        { "negative number", [](ItemForm &f) { f.number = "-3"; }, "Number outside range." },
        // 19 digits past 64 bits: never wrapped round onto a small number.
        { "number past 64 bits", [](ItemForm &f) { f.number = "9999999999999999999"; },
            "Number outside range." },
        { "number wrapping to 1", [](ItemForm &f) { f.number = "18446744073709551617"; },
            "Number outside range." },
        { "one character", [](ItemForm &f) { f.description = std::string("T"); },
            "The description must have at least two characters." },
        { "two characters", [](ItemForm &f) { f.description = "TE"; }, nullptr },
        { "retail at the limit", [](ItemForm &f) { f.retailPrice = "20000.00"; }, nullptr },
        { "retail a cent past", [](ItemForm &f) { f.retailPrice = "20000.01"; },
            "Invalid retail price, limit 20000.00" },
        { "retail rounding to the limit", [](ItemForm &f) { f.retailPrice = "20000.004"; },
            nullptr },
        { "retail 0", [](ItemForm &f) { f.retailPrice = "0.00"; }, "Invalid retail price" },
        { "retail below a cent", [](ItemForm &f) { f.retailPrice = "0.004"; },
            "Invalid retail price" },
        { "retail negative", [](ItemForm &f) { f.retailPrice = "-1"; }, "Invalid retail price" },
        { "retail not a number", [](ItemForm &f) { f.retailPrice = "nan"; },
            "Invalid retail price" },
        { "retail past a float", [](ItemForm &f) { f.retailPrice = "1e300"; },
            "Invalid retail price, limit 20000.00" },
        { "stock negative", [](ItemForm &f) { f.quantity = "-1"; }, "Invalid quantity in stock" },
        { "stock empty", [](ItemForm &f) { f.quantity = ""; }, nullptr },
        { "cost 0", [](ItemForm &f) { f.costPrice = "0.00"; }, "Invalid cost price" },
        { "cost at the limit", [](ItemForm &f) { f.costPrice = "20000.00"; }, nullptr },
        { "cost a cent past", [](ItemForm &f) { f.costPrice = "20000.01"; },
            "Invalid cost price, limit 20000.00" },
        // Several wrong at once: the first in the clerk's order is told.
        { "description before price", [](ItemForm &f) {
              f.description = "";
              f.retailPrice = std::string("0");
          },
            "The description must have at least two characters." },
        { "retail before stock and cost", [](ItemForm &f) {
              f.retailPrice = "30000";
              f.quantity = "-5";
              f.costPrice = std::string("0");
          },
            "Invalid retail price, limit 20000.00" },
        { "stock before cost", [](ItemForm &f) {
              f.quantity = "-5";
              f.costPrice = std::string("0");
          },
            "Invalid quantity in stock" },
    };
    for (const RefusalCase &c : cases) {
        ItemForm form = acceptableItem();
        c.change(form);
        const std::optional<std::string> refusal = newItemRefusal(form);
        if (c.refusal)
            EXPECT_EQ(refusal.value_or("accepted"), c.refusal) << c.name;
        else
            EXPECT_FALSE(refusal.has_value()) << c.name << ": " << *refusal;
    }
}

TEST(ItemForm, AmendedItemRefusalsKeepTheNumberAndTheLimits)
{
    const RefusalCase cases[] = {
        { "as typed", [](ItemForm &) {}, nullptr },
        { "number changed", [](ItemForm &f) { f.number = "502"; }, "Number cannot be changed" },
        { "one character", [](ItemForm &f) { f.description = std::string("T"); },
            "The title must have at least two characters." },
        { "cost past the limit", [](ItemForm &f) { f.costPrice = "20000.01"; },
            "Invalid cost price, limit 20000.00" },
        { "retail past the limit", [](ItemForm &f) { f.retailPrice = "20000.01"; },
            "Invalid retail price, limit 20000.00" },
        { "cost before retail", [](ItemForm &f) {
              f.costPrice = "20001";
              f.retailPrice = "20001";
          },
            "Invalid cost price, limit 20000.00" },
        // An amendment may leave prices at 0 and stock below 0.
        { "zero prices", [](ItemForm &f) {
              f.costPrice = std::string("0");
              f.retailPrice = std::string("0");
              f.quantity = "-2";
          },
            nullptr },
    };
    for (const RefusalCase &c : cases) {
        ItemForm form = acceptableItem();
        c.change(form);
        ItemRecord record {};
        applyItemForm(form, record);
        const std::optional<std::string> refusal = amendedItemProblem(record, 501);
        EXPECT_EQ(refusal.value_or("accepted"), c.refusal ? c.refusal : "accepted") << c.name;
    }
}

TEST(ItemForm, TheReckonerTakesTaxOffInWholeCents)
{
    struct Case {
        const char *typed;
        bool one;
        bool two;
        int64_t rateOne;
        int64_t rateTwo;
        const char *without;
    } cases[] = {
        { "11.75", true, false, 1750, 0, "10.00" },
        { "11.75", true, true, 1750, 0, "10.00" }, // only Tax 1 is set
        { "11.75", false, true, 1750, 0, "11.75" }, // Tax 2 not set: no tax to take off
        { "11.75", false, false, 1750, 500, "11.75" },
        { "12.25", true, true, 1750, 500, "10.00" }, // both: 22.50 %
        { "10.50", false, true, 1750, 500, "10.00" },
        { "11.754", true, false, 1750, 0, "10.00" }, // typed price rounded to cents first
        { "1.00", true, false, 2000, 0, "0.83" }, // 0.8333 rounds down
        { "0.05", true, false, 2000, 0, "0.04" }, // 0.04166
        { "0.03", true, false, 2000, 0, "0.03" }, // 0.025 rounds half up
        { "0", true, false, 1750, 0, "0.0" },
        { "-5", true, false, 1750, 0, "0.0" },
        { "", true, false, 1750, 0, "0.0" },
        { "12345678901", false, false, 0, 0, "123456789.00" }, // nine characters read
        { "1e99", true, false, 1750, 0, "851063829.79" }, // held, never overflowing
        { "10.00", true, false, -1750, 0, "10.00" }, // a negative rate is no rate
        { "10.00", true, true, std::numeric_limits<int64_t>::max(),
            std::numeric_limits<int64_t>::max(), "0.00" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(priceWithoutTax(c.typed, c.one, c.two, c.rateOne, c.rateTwo), c.without)
            << c.typed << " " << c.one << c.two << " " << c.rateOne << "/" << c.rateTwo;
}

TEST(ItemForm, PictureStepsWrapAndComeBackToTheItemsOwnPicture)
{
    struct Case {
        const char *name;
        PictureChoice start;
        const char *steps; // b = Back, f = Forward
        const char *shown; // the file after each step
    } cases[] = {
        { "back wraps 24 to 1", { 23, false, false }, "bb", "STOCK24.bmp STOCK1.bmp" },
        { "forward wraps 1 to 24", { 2, false, false }, "ff", "STOCK1.bmp STOCK24.bmp" },
        { "own, back", { 5, true, true }, "bb", "STOCK1.bmp STOCK2.bmp" },
        { "own, forward", { 5, true, true }, "ff", "STOCK24.bmp STOCK23.bmp" },
        { "round again to own", { 24, false, true }, "bb", "m77.bmp STOCK1.bmp" },
        { "forward round to own", { 1, false, true }, "ff", "m77.bmp STOCK24.bmp" },
    };
    for (const Case &c : cases) {
        PictureChoice choice = c.start;
        std::string shown;
        for (const char *step = c.steps; *step; ++step) {
            if (*step == 'b')
                choice.back();
            else
                choice.forward();
            if (!shown.empty())
                shown += ' ';
            shown += choice.fileName(77);
        }
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

TEST(ItemForm, TheNumberOfferedSkipsNumbersInUseAndNeverOverflows)
{
    SaleShop shop;
    for (int64_t number : { 5, 6, 7, 9 })
        shop.addItem({ number, "ITEM", 1, 1.0f, 0.5f, 0, 0 });
    struct Case {
        int64_t lastIssued;
        int64_t noNumber;
        std::optional<int64_t> offered;
    } cases[] = {
        { 4, 0, 8 },
        { 0, 0, 1 },
        { -9, 0, 1 },
        { 7, 0, 8 },
        { 8, 0, 10 },
        { 4, 1, std::nullopt }, // "Do not offer on new inventory box"
        { std::numeric_limits<int64_t>::max(), 0, 1 },
        { kMaxRecordNumber - 1, 0, kMaxRecordNumber },
        { kMaxRecordNumber, 0, std::nullopt }, // the next would be out of range
    };
    for (const Case &c : cases) {
        shop.state.config.set(cfg::lastItemNumber, c.lastIssued);
        shop.state.config.set(cfg::noNumberOnNewItem, c.noNumber);
        EXPECT_EQ(offeredItemNumber(shop.state.config, shop.state.items), c.offered)
            << c.lastIssued << " " << c.noNumber;
        const ItemForm blank = newItemForm(shop.state.config, shop.state.items, kSaleTime);
        EXPECT_EQ(blank.number, c.offered ? std::to_string(*c.offered) : "");
    }
}

TEST(ItemForm, ABlankItemStartsWithTheShopsDefaults)
{
    SaleShop shop;
    shop.state.config.set(cfg::defaultItemTaxCode, 2);
    shop.state.config.set(cfg::defaultItemCategory, 5);
    ItemForm blank = newItemForm(shop.state.config, shop.state.items, kSaleTime);
    EXPECT_EQ(blank.taxCode, 2);
    EXPECT_EQ(blank.displayCategory, 4);
    EXPECT_EQ(blank.retailPrice, "0.00");
    EXPECT_EQ(blank.committed, "0");
    EXPECT_EQ(blank.quantity, "");
    EXPECT_EQ(blank.picture.fileName(1), "STOCK1.bmp");
    EXPECT_FALSE(blank.ageWarning);
    EXPECT_EQ(blank.age, 2);
    EXPECT_EQ(blank.addedDay, 5);
    shop.state.config.set(cfg::defaultItemCategory, 0); // none configured: the fifteenth
    blank = newItemForm(shop.state.config, shop.state.items, kSaleTime);
    EXPECT_EQ(blank.displayCategory, 14);
}

TEST(ItemForm, AnItemPromptNamesANumberOnlyWhenItIsOne)
{
    struct Case {
        const char *typed;
        int64_t number;
        const char *description;
    } cases[] = {
        { "12", 12, "" },
        { "  12 ", 12, "" },
        { "100000000000000000", kMaxRecordNumber, "" },
        { "100000000000000001", 0, "100000000000000001" },
        { "12345678901234567890", 0, "12345678901234567890" }, // never wrapped
        { "0", 0, "0" },
        { "3M TAPE", 0, "3M TAPE" },
        { "TEA", 0, "TEA" },
        { "", 0, "" },
        { "   ", 0, "" },
    };
    for (const Case &c : cases) {
        const ItemPromptAnswer answer = readItemPrompt(c.typed);
        EXPECT_EQ(answer.number, c.number) << c.typed;
        EXPECT_EQ(answer.description, c.description) << c.typed;
    }
}

TEST(ItemForm, TheBoxesOfAnItemGiveBackTheRecordByteForByte)
{
    ItemRecord record {};
    std::memset(&record, 0x5A, sizeof record); // reserved bytes the dialog must keep
    record.number = 4321;
    writeText(record.description, "BLUE TEAPOT");
    writeText(record.sku1, "5012345678900");
    writeText(record.sku2, "SKU TWO");
    writeText(record.sku3, "");
    writeText(record.sku4, "SKU FOUR");
    writeText(record.format, "FMT");
    writeText(record.category, "KITCHEN");
    writeText(record.location, "SHELF 3");
    writeText(record.order_code, "ORD-9");
    writeText(record.date_added, "07/02/2025");
    writeText(record.notes, "HANDLE WITH CARE");
    writeText(record.website, "shop.example/teapot");
    writeText(record.web_image, "shop.example/teapot.jpg");
    record.quantity = 12;
    record.reorder_quantity = 3;
    record.minimum_order = 6;
    record.order_quantity = 24;
    record.tax = 2;
    record.delivery_lead = 5;
    record.on_order = 7;
    record.committed = 1;
    record.labels_to_print = 2;
    record.total_sold = 99;
    record.cost_price = 7.25f;
    record.trade_price = 9.10f;
    record.retail_price = 12.99f;
    record.delivery_charge = 1.50f;
    record.weight = 0.75f;
    record.picture_number = 9;
    record.no_tax_rounding = 2;
    record.special_order = 3;
    record.age_warning = 18;
    record.omit_quick_select = 2;
    record.buy_one_get_one_free = 2;
    record.sell_by_day = 31;
    record.sell_by_month = 12;
    record.sell_by_year = 69;
    record.own_picture = 0;
    record.sale_or_return = 1;
    record.display_category = 17;
    record.record_kind = 0;
    writeText(record.last_used, "09:1501/03/2026");
    record.loaned_to = 0;
    writeText(record.due_back, "");

    ItemRecord rebuilt = record;
    applyItemForm(formOfItem(record, kSaleTime, false), rebuilt);
    EXPECT_EQ(std::memcmp(&rebuilt, &record, sizeof record), 0);
    for (size_t at = 0; at < sizeof record; ++at) {
        if (reinterpret_cast<const char *>(&rebuilt)[at]
            != reinterpret_cast<const char *>(&record)[at]) {
            ADD_FAILURE() << "first differing byte at offset " << at;
            break;
        }
    }
}

TEST(ItemForm, ADateAddedThatIsNoDateShowsToday)
{
    struct Case {
        const char *stored;
        int day;
        int month;
        int year;
    } cases[] = {
        { "07/02/2025", 7, 2, 2025 },
        { "31/12/1981", 31, 12, 1981 },
        { "01/01/1980", 5, 3, 2026 }, // not after 1980
        { "32/01/2020", 5, 3, 2026 },
        { "10/13/2020", 5, 3, 2026 },
        { "", 5, 3, 2026 },
        { "XX/YY/ZZZZ", 5, 3, 2026 },
    };
    for (const Case &c : cases) {
        ItemRecord record {};
        record.number = 1;
        writeText(record.date_added, c.stored);
        const ItemForm form = formOfItem(record, kSaleTime, false);
        EXPECT_EQ(form.addedDay, c.day) << c.stored;
        EXPECT_EQ(form.addedMonth, c.month) << c.stored;
        EXPECT_EQ(form.addedYear, c.year) << c.stored;
    }
}
