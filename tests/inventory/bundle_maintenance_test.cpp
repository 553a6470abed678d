// Bundles: what the bundle dialog refuses (a nested bundle, the bundle
// itself, no component), what a stored bundle holds at the documented
// offsets, that amending keeps it a bundle and its untouched bytes, and that
// a bundle made here and sold at the till archives exactly its components.

#include "inventory/logic/bundle_maintenance.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/sales_archive.h"
#include "till/item_entry_fixture.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr LocalTime kToday { 2026, 3, 5, 10, 20, 0 };
constexpr size_t kComponentTextAt[6] = { 270, 1697, 1717, 590, 610, 650 };

// A till with a shampoo (1), a comb (2), a brush (3) and the bundle 50 of one
// shampoo and a free comb, on file as bytes.
struct BundleTill : Till {
    FixedClock clock { kToday };
    BundleTill()
    {
        add(ItemBytes(1, "SHAMPOO", 3.00f).cost(1.00f));
        add(ItemBytes(2, "COMB", 1.00f).cost(0.40f));
        add(ItemBytes(3, "BRUSH", 2.50f).cost(1.10f));
        add(ItemBytes(50, "GIFT SET", 0.0f).component(0, "1", 1).component(1, "2", 1, true));
    }
    std::string film() const
    {
        return readBytes(temp.file("film.dat"));
    }
    std::string recordOf(int64_t number) const
    {
        const std::optional<int64_t> slot = state.items.slotOf(number);
        return slot ? slotBytes(film(), static_cast<size_t>(*slot), kItemBytes) : std::string();
    }
};

BundleComponent row(const char *number, int quantity = 1, bool free = false)
{
    return { number, "", quantity, free };
}

BundleForm bundleOf(const std::string &number, std::vector<BundleComponent> rows)
{
    BundleForm form;
    form.number = number;
    form.description = "PAMPER PACK";
    form.skus = { "PP-1", "", "", "PP-4" };
    form.deliveryCharge = "1.50";
    form.weight = "0.75";
    form.notes = "GIFT WRAPPED";
    form.addedDay = 5;
    form.addedMonth = 3;
    form.addedYear = 2026;
    for (size_t i = 0; i < rows.size(); ++i)
        form.components[i] = rows[i];
    return form;
}

} // namespace

TEST(BundleComponents, SelectingARowTakesOnlyAnOrdinaryItemOnFile)
{
    BundleTill till;
    struct Case {
        const char *typed;
        int64_t bundle;
        int64_t taken; // 0: nothing taken
        std::vector<std::string> said;
    };
    const Case cases[] = {
        { "2", 0, 2, {} },
        { "3", 60, 3, {} },
        { "50", 0, 0, { "Problem: Bundle may not contain a bundle" } },
        { "60", 60, 0, { "Problem: Bundle may not contain a bundle" } }, // the bundle itself
        { "77", 0, 0, {} }, // not on file: nothing happens
        { "0", 0, 0, {} },
        { "100000000000000001", 0, 0, {} },
        { "BRUSH", 0, 0, {} },
    };
    for (const Case &c : cases) {
        const std::optional<ChosenComponent> chosen
            = chooseComponent(till.state, c.typed, c.bundle, till.messages);
        EXPECT_EQ(chosen ? chosen->number : 0, c.taken) << c.typed;
        EXPECT_EQ(till.said(), c.said) << c.typed;
    }
    EXPECT_EQ(chooseComponent(till.state, "3", 0, till.messages)->description, "BRUSH");
}

TEST(BundleStore, ANewBundleIsRefusedInTheOrderTheClerkIsTold)
{
    struct Case {
        BundleForm form;
        std::string said;
    };
    BundleForm tooShort = bundleOf("60", { row("1") });
    tooShort.description = "P";
    BundleForm badCategory = bundleOf("60", { row("1") });
    badCategory.displayCategory = 18;
    const Case cases[] = {
        { bundleOf("0", { row("1") }), "Problem: Number outside range." },
        { bundleOf("100000000000000001", { row("1") }), "Problem: Number outside range." },
        { tooShort, "Problem: The description must have at least two characters." },
        { badCategory, "Problem: Invalid category" },
        { bundleOf("60", {}), "Problem: No items selected" },
        { bundleOf("60", { row(""), row("0"), row("ABC") }), "Problem: No items selected" },
        { bundleOf("60", { row("1"), row("50") }), "Problem: Bundle may not contain a bundle" },
        { bundleOf("60", { row("60") }), "Problem: Bundle may not contain a bundle" },
        { bundleOf("60", { row("1"), row("77") }), "Problem: Item 77 is not on file" },
        { bundleOf("2", { row("1") }), "Problem: Number in use." },
    };
    for (const Case &c : cases) {
        BundleTill till;
        const std::string before = till.film();
        const StoreResult result = storeNewBundle(till.state, c.form, till.messages);
        EXPECT_NE(result.outcome, StoreOutcome::Stored) << c.said;
        EXPECT_EQ(till.said(), std::vector<std::string> { c.said });
        EXPECT_EQ(till.film(), before) << c.said;
        EXPECT_FALSE(till.state.items.slotOf(60)) << c.said;
    }
}

TEST(BundleStore, ANewBundleHoldsItsComponentsAtTheDocumentedOffsets)
{
    BundleTill till;
    const BundleForm form
        = bundleOf("60", { row("1", 2), row(""), row("3", 50, true), row("2", 1, true) });
    ASSERT_EQ(storeNewBundle(till.state, form, till.messages).outcome, StoreOutcome::Stored)
        << till.messages.lastText();
    EXPECT_TRUE(till.said().empty());

    const std::string record = till.recordOf(60);
    ASSERT_EQ(record.size(), kItemBytes);
    EXPECT_EQ(getI64(record, 0), 60);
    EXPECT_EQ(getText(record, 8, 82), "PAMPER PACK");
    EXPECT_EQ(getText(record, 90, 40), "PP-1");
    EXPECT_EQ(getText(record, 210, 60), "PP-4");
    EXPECT_EQ(getText(record, 630, 20), "05/03/2026");
    EXPECT_EQ(getF32(record, 862), 1.50f);
    EXPECT_EQ(getF32(record, 866), 0.75f);
    EXPECT_EQ(getText(record, 1610, 87), "GIFT WRAPPED");
    EXPECT_EQ(getI32(record, 1787), kNewBundleCategory);
    EXPECT_EQ(getI32(record, 1802), 2);
    EXPECT_EQ(getI32(record, 1202), 1); // picture 1
    const std::array<const char *, 6> texts = { "1", "", "3", "2", "", "" };
    const std::array<int32_t, 6> quantities = { 2, 1, 50, 1, 1, 1 };
    const std::array<int32_t, 6> free = { 0, 0, 2, 2, 0, 0 };
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(getText(record, kComponentTextAt[i], 20), texts[i]) << i;
        EXPECT_EQ(getI32(record, 1246 + 4 * i), quantities[i]) << i;
        EXPECT_EQ(getI32(record, 1222 + 4 * i), free[i]) << i;
    }
    // No price, stock or tax is entered for a bundle.
    EXPECT_EQ(getF32(record, 822), 0.0f);
    EXPECT_EQ(getI32(record, 670), 0);
    EXPECT_EQ(getI32(record, 686), 0);
}

TEST(BundleStore, AmendingKeepsABundleABundleAndItsUntouchedBytes)
{
    BundleTill till;
    const std::string before = till.recordOf(50);
    std::optional<ItemRecord> record = readItem(till.state, 50, till.messages);
    ASSERT_TRUE(record);
    BundleForm form = formOfBundle(*record, kToday);
    EXPECT_EQ(form.components[0].number, "1");
    EXPECT_TRUE(form.components[1].free);
    EXPECT_EQ(form.components[0].description, ""); // rows start without descriptions
    form.components[2] = row("3", 4);
    ASSERT_EQ(
        storeAmendedBundle(till.state, 50, form, till.messages).outcome, StoreOutcome::Stored);

    const std::string after = till.recordOf(50);
    EXPECT_EQ(getI32(after, 1802), 2);
    EXPECT_EQ(getText(after, 1717, 60), "3");
    EXPECT_EQ(getI32(after, 1246 + 8), 4);
    // Only component 3 and the date added (none on file: the picker's today)
    // changed; the unused rows keep their quantity 0 and every other byte
    // is as it was.
    std::string expected = before;
    putText(expected, 1717, "3");
    putI32(expected, 1246 + 8, 4);
    putText(expected, 630, "05/03/2026");
    EXPECT_EQ(after, expected);

    // Refusals write nothing.
    struct Case {
        BundleForm form;
        const char *said;
    };
    BundleForm renumbered = form;
    renumbered.number = "51";
    BundleForm untitled = form;
    untitled.description = "G";
    BundleForm empty = form;
    for (BundleComponent &row : empty.components)
        row = {};
    BundleForm nested = form;
    nested.components[5] = row("50");
    for (const Case &c : { Case { renumbered, "Problem: Number cannot be changed" },
             Case { untitled, "Problem: The title must have at least two characters." },
             Case { empty, "Problem: No items selected" },
             Case { nested, "Problem: Bundle may not contain a bundle" } }) {
        const std::string film = till.film();
        EXPECT_EQ(storeAmendedBundle(till.state, 50, c.form, till.messages).outcome,
            StoreOutcome::Refused);
        EXPECT_EQ(till.said(), std::vector<std::string> { c.said });
        EXPECT_EQ(till.film(), film);
    }
}

TEST(BundleSale, ABundleMadeHereIsArchivedAsExactlyItsComponents)
{
    BundleTill till;
    ASSERT_TRUE(ensureArchiveFolders(till.state.dir, kToday));
    const BundleForm form = bundleOf("60", { row("1", 2), row("60"), row("3", 1, true) });
    // Naming itself is refused; without that row it is stored.
    EXPECT_EQ(storeNewBundle(till.state, form, till.messages).outcome, StoreOutcome::Refused);
    BundleForm stored = form;
    stored.components[1] = {};
    ASSERT_EQ(storeNewBundle(till.state, stored, till.messages).outcome, StoreOutcome::Stored);
    till.said();

    ASSERT_TRUE(till.entry.addItem(60, {}));
    EXPECT_TRUE(till.said().empty());
    SaleShop::pay(till.basket, "Cash");
    ScriptedMessages messages;
    ASSERT_EQ(completeTransaction(till.state, till.basket, messages), CompletionResult::Archived)
        << messages.lastText();

    const std::vector<ReadLine> lines
        = readLineBytes(readBytes(till.temp.file("2026/3/5/itemslog.dat")));
    ASSERT_EQ(lines.size(), 3u);
    const int64_t items[] = { 1, 1, 3 };
    const char *descriptions[] = { "SHAMPOO", "SHAMPOO", "BRUSH" };
    const float costs[] = { 1.00f, 1.00f, 1.10f };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].item, items[i]) << i;
        EXPECT_EQ(lines[i].description, descriptions[i]) << i;
        EXPECT_EQ(lines[i].cost, costs[i]) << i;
    }
    // The shampoo is charged with tax 1 at 20%; the brush is free.
    EXPECT_EQ(lines[0].taxable, 3.00f);
    EXPECT_EQ(lines[0].total, 3.60f);
    EXPECT_EQ(lines[2].total, 0.0f);
    EXPECT_EQ(lines[2].taxable, 0.0f);
    // The bundle itself is never a line, and its stock is not touched; the
    // components' stock is.
    EXPECT_EQ(getI32(till.recordOf(1), 670), 98);
    EXPECT_EQ(getI32(till.recordOf(3), 670), 99);
    EXPECT_EQ(getI32(till.recordOf(60), 714), 0);
    const std::vector<ReadTransaction> sales
        = readSalesBytes(readBytes(till.temp.file("2026/3/5/saleslog.dat")));
    ASSERT_EQ(sales.size(), 1u);
    EXPECT_EQ(sales[0].lineCount, 3);
    EXPECT_EQ(sales[0].total, 7.20f);
}

TEST(BundleSale, EveryWayOfRingingItUpAddsItsComponents)
{
    struct Case {
        const char *how;
        int32_t skuOneEntry; // 2: the item box takes barcodes
        const char *typed; // nullptr: a quick-select button or a find gives the number
    };
    const Case cases[] = {
        { "number typed and Enter", 0, "60\n" },
        { "barcode scanned", 2, "pp-1\r\n" },
        { "quick select or find", 0, nullptr },
    };
    for (const Case &c : cases) {
        BundleTill till;
        BundleForm form = bundleOf("60", { row("1", 2), row("3", 1, true) });
        ASSERT_EQ(storeNewBundle(till.state, form, till.messages).outcome, StoreOutcome::Stored);
        till.state.config.set(cfg::skuOneEntry, c.skuOneEntry);
        if (c.typed)
            EXPECT_EQ(till.entry.itemBoxEntered(c.typed), ItemBoxOutcome::Entered) << c.how;
        else
            EXPECT_TRUE(till.entry.addItem(60, {})) << c.how;
        std::vector<int64_t> items;
        for (int i = 0; i < till.basket.lineCount; ++i)
            items.push_back(till.basket.lineItemNumber[i]);
        EXPECT_EQ(items, (std::vector<int64_t> { 1, 1, 3 })) << c.how;
        EXPECT_EQ(till.basket.lineTotal[2], 0.0f) << c.how;
    }
}
