// Keeping mans.dat: the numbers New supplier suggests and accepts, what an
// add, an amend and a deletion leave in the file (read back at the
// documented offsets, not through the record struct), a data set that still
// carries the 66-byte placeholder, and a failed write changing nothing.

#include "inventory/logic/supplier_maintenance.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "store/record_files.h"
#include "store/shop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

// A shop whose mans.dat holds `file` as it stands, loaded as the till loads it.
struct SupplierShop {
    explicit SupplierShop(const std::string &file)
    {
        writeBytes(temp.file("mans.dat"), file);
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.suppliers.load(quiet)) << quiet.lastText();
    }
    std::string mans() const
    {
        return readBytes(temp.file("mans.dat"));
    }
    std::vector<std::string> said()
    {
        std::vector<std::string> out;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            out.push_back(shown.caption + ": " + shown.text);
        messages.shown.clear();
        return out;
    }

    TempDir temp;
    Shop shop { temp.path() };
    ScriptedMessages messages;
};

std::string suppliersNumbered(std::initializer_list<int64_t> numbers)
{
    std::string file;
    for (int64_t number : numbers)
        file += supplierBytes(number, "SUPPLIER");
    return file;
}

// The form of a supplier with every box filled, each text told apart.
SupplierForm filledForm(const std::string &number)
{
    SupplierForm form;
    form.number = number;
    for (size_t i = 0; i < kSupplierFieldCount; ++i)
        form.texts[i] = "T" + std::to_string(i);
    form.texts[0] = "ACME WHOLESALE";
    form.texts[8] = "orders@acme.example";
    return form;
}

// The offset and width of each box's field, typed from the layout, in the
// dialog's order.
struct FieldAt {
    size_t offset;
    size_t width;
};
constexpr FieldAt kFieldsAt[kSupplierFieldCount] = { { 8, 42 }, { 66, 30 }, { 96, 30 }, { 126, 30 },
    { 156, 10 }, { 166, 20 }, { 186, 20 }, { 206, 20 }, { 934, 124 }, { 226, 194 }, { 420, 60 },
    { 714, 40 }, { 684, 30 }, { 894, 40 }, { 754, 40 }, { 794, 100 }, { 480, 204 } };

} // namespace

TEST(SupplierNumbers, NewSupplierSuggestsTheFirstNumberAfterTheRunFromOne)
{
    struct Case {
        std::string file;
        int64_t suggested;
    };
    const Case cases[] = {
        { suppliersNumbered({ 1, 2, 3, 5 }), 4 }, { suppliersNumbered({ 2, 3 }), 1 },
        { suppliersNumbered({ -1 }), 1 }, { suppliersNumbered({ 3, -1, 1, 2 }), 4 },
        { suppliersNumbered({ 1, 0, 2 }), 3 }, // 0 is a free slot
    };
    for (const Case &c : cases) {
        SupplierShop shop(c.file);
        EXPECT_EQ(newSupplierForm(shop.shop.suppliers).number, std::to_string(c.suggested));
    }
}

TEST(SupplierNumbers, OnlyNumbersFromOneToTwoThousandTrillionAreStored)
{
    struct Case {
        const char *typed;
        bool stored;
        const char *said;
    };
    const Case cases[] = {
        { "2000000000000000", true, nullptr },
        { "1", true, nullptr },
        { "2000000000000001", false, "Problem: Number outside range." },
        { "0", false, "Problem: Number outside range." },
        { "-5", false, "Problem: Number outside range." },
        { "ABC", false, "Problem: Number outside range." },
        { "99999999999999999999", false, "Problem: Number outside range." },
        { "7", false, "Problem: Number in use." },
    };
    for (const Case &c : cases) {
        SupplierShop shop(suppliersNumbered({ 7 }));
        const std::string before = shop.mans();
        EXPECT_EQ(storeNewSupplier(shop.shop, filledForm(c.typed), shop.messages), c.stored)
            << c.typed;
        if (c.stored) {
            EXPECT_TRUE(shop.said().empty()) << c.typed;
            EXPECT_EQ(shop.shop.suppliers.liveCount(), 2) << c.typed;
        } else {
            EXPECT_EQ(shop.said(), std::vector<std::string> { c.said }) << c.typed;
            EXPECT_EQ(shop.mans(), before) << c.typed;
            EXPECT_EQ(shop.shop.suppliers.liveCount(), 1) << c.typed;
        }
    }
}

TEST(SupplierPrompts, OnlyANumberAboveZeroGoesOn)
{
    EXPECT_EQ(supplierPromptNumber("12"), 12);
    EXPECT_EQ(supplierPromptNumber(" 12 KG"), 12);
    for (const char *typed : { "", "0", "-3", "ABC", "99999999999999999999" })
        EXPECT_EQ(supplierPromptNumber(typed), std::nullopt) << typed;
}

TEST(SupplierFile, ANewSupplierIsWrittenAtTheDocumentedOffsetsIntoTheFreeSlot)
{
    SupplierShop shop(supplierBytes(3, "OLD") + supplierBytes(-1, "GONE"));
    SupplierForm form = filledForm("9");
    // Longer than the boxes take: cut to what they take.
    form.texts[0] = std::string(60, 'N');
    form.texts[16] = std::string(250, 'x');
    ASSERT_TRUE(storeNewSupplier(shop.shop, form, shop.messages)) << shop.messages.lastText();

    const std::string file = shop.mans();
    ASSERT_EQ(file.size(), 2 * kSupplierBytes); // the free slot was reused
    const std::string record = slotBytes(file, 1, kSupplierBytes);
    EXPECT_EQ(getI64(record, 0), 9);
    EXPECT_EQ(getText(record, 8, 42), std::string(40, 'N'));
    EXPECT_EQ(getText(record, 480, 204), std::string(198, 'x'));
    for (size_t i = 1; i < kSupplierFieldCount - 1; ++i) {
        const std::string expected = i == 8 ? "orders@acme.example" : "T" + std::to_string(i);
        EXPECT_EQ(getText(record, kFieldsAt[i].offset, kFieldsAt[i].width), expected) << i;
    }
    // The selection-list fields and everything past each text stay zero.
    std::string expected(kSupplierBytes, '\0');
    putI64(expected, 0, 9);
    putText(expected, 8, std::string(40, 'N'));
    putText(expected, 480, std::string(198, 'x'));
    for (size_t i = 1; i < kSupplierFieldCount - 1; ++i) {
        const std::string text = i == 8 ? "orders@acme.example" : "T" + std::to_string(i);
        putText(expected, kFieldsAt[i].offset, text);
    }
    EXPECT_EQ(record, expected);
    EXPECT_EQ(slotBytes(file, 0, kSupplierBytes), supplierBytes(3, "OLD"));
}

TEST(SupplierFile, AmendingRewritesOnlyWhatTheClerkChanged)
{
    // A record written by another program: texts that fill more than the
    // boxes take, bytes behind the terminators, list fields and reserved bytes.
    std::string record = supplierBytes(4, "BIG SUPPLIES");
    putI32(record, 50, 17);
    putText(record, 54, "\x01\x02\x03\x04");
    putF32(record, 58, 12.5f);
    putF32(record, 62, 99.25f);
    putText(record, 226, std::string(100, 'F')); // a fax longer than its box
    putText(record, 100, "Z"); // behind the area's terminator
    putText(record, 800, "NET 30 DAYS AND A VERY LONG TERMS TEXT BEYOND THIRTY-EIGHT");
    SupplierShop shop(supplierBytes(1, "FIRST") + record);

    const std::optional<SupplierRecord> stored
        = readSupplier(shop.shop, 4, "Amend supplier", shop.messages);
    ASSERT_TRUE(stored);
    SupplierForm form = formOfSupplier(*stored);
    EXPECT_EQ(form.texts[9], std::string(100, 'F'));
    form.texts[3] = "LEEDS"; // Town
    ASSERT_TRUE(storeAmendedSupplier(shop.shop, 4, form, shop.messages));

    std::string expected = record;
    putText(expected, 126, "LEEDS");
    EXPECT_EQ(slotBytes(shop.mans(), 1, kSupplierBytes), expected);

    // A changed Number box writes nothing.
    form.number = "5";
    const std::string before = shop.mans();
    EXPECT_FALSE(storeAmendedSupplier(shop.shop, 4, form, shop.messages));
    EXPECT_EQ(shop.said().back(), "Problem: Not possible to change number");
    EXPECT_EQ(shop.mans(), before);
}

TEST(SupplierFile, DeletingFreesTheSlotWithOnlyItsNumberChanged)
{
    SupplierShop shop(supplierBytes(7, "SEVEN") + supplierBytes(8, "EIGHT"));
    ASSERT_TRUE(deleteSupplier(shop.shop, 7, shop.messages));
    EXPECT_EQ(shop.said(), std::vector<std::string> { "Delete supplier: Supplier deleted." });
    std::string expected = supplierBytes(7, "SEVEN");
    putI64(expected, 0, -1);
    EXPECT_EQ(slotBytes(shop.mans(), 0, kSupplierBytes), expected);
    EXPECT_EQ(shop.shop.suppliers.liveCount(), 1);
    EXPECT_EQ(shop.shop.suppliers.freeCount(), 1);

    // Twice: the second time it no longer exists.
    const std::string before = shop.mans();
    EXPECT_FALSE(deleteSupplier(shop.shop, 7, shop.messages));
    EXPECT_EQ(shop.said(), std::vector<std::string> { "Delete supplier: Supplier does not exist" });
    EXPECT_EQ(shop.mans(), before);

    // The next supplier added takes the freed slot.
    ASSERT_TRUE(storeNewSupplier(shop.shop, filledForm("20"), shop.messages));
    EXPECT_EQ(shop.mans().size(), 2 * kSupplierBytes);
    EXPECT_EQ(getI64(shop.mans(), 0), 20);
}

TEST(SupplierFile, FindAndAmendTellASupplierThatIsNotOnFile)
{
    SupplierShop shop(supplierBytes(2, "TWO"));
    EXPECT_FALSE(findSupplier(shop.shop, 3, shop.messages));
    EXPECT_FALSE(readSupplier(shop.shop, 3, "Amend supplier", shop.messages));
    EXPECT_EQ(shop.said(),
        (std::vector<std::string> {
            "Supplier: Does not exist", "Amend supplier: Supplier does not exist" }));
    const std::optional<SupplierRecord> found = findSupplier(shop.shop, 2, shop.messages);
    ASSERT_TRUE(found);
    EXPECT_EQ(formOfSupplier(*found).texts[0], "TWO");
}

TEST(SupplierFile, ThePlaceholderOfANewInstallationTakesTheFirstSupplier)
{
    SupplierShop shop(std::string(kSupplierPlaceholderSize, 'P'));
    std::string freeRecord(kSupplierBytes, '\0');
    putI64(freeRecord, 0, -1);
    ASSERT_EQ(shop.mans(), freeRecord);
    EXPECT_EQ(newSupplierForm(shop.shop.suppliers).number, "1");

    ASSERT_TRUE(storeNewSupplier(shop.shop, filledForm("1"), shop.messages));
    ASSERT_TRUE(storeNewSupplier(shop.shop, filledForm("2"), shop.messages));
    const std::string file = shop.mans();
    ASSERT_EQ(file.size(), 2 * kSupplierBytes);
    EXPECT_EQ(getI64(file, 0), 1);
    EXPECT_EQ(getI64(file, kSupplierBytes), 2);
    EXPECT_EQ(getText(file, kSupplierBytes + 8, 42), "ACME WHOLESALE");

    // Read back after a restart: the same two suppliers.
    Shop again(shop.temp.path());
    ScriptedMessages quiet;
    ASSERT_TRUE(again.suppliers.load(quiet));
    EXPECT_EQ(again.suppliers.liveCount(), 2);
    EXPECT_EQ(newSupplierForm(again.suppliers).number, "3");
}

TEST(SupplierFile, AWriteFailingAnywhereLeavesTheFileAndTheIndexAsTheyWere)
{
    for (const std::string work : { "add", "amend", "delete" }) {
        bool done = false;
        for (int n = 1; !done && n < 40; ++n) {
            SupplierShop shop(supplierBytes(1, "ONE"));
            const std::string before = shop.mans();
            FaultyFileAccess faulty;
            faulty.faultWriteNumber(n, FaultyFileAccess::Mode::Fail);
            setFileAccess(&faulty);
            if (work == "add")
                done = storeNewSupplier(shop.shop, filledForm("2"), shop.messages);
            else if (work == "amend")
                done = storeAmendedSupplier(shop.shop, 1, filledForm("1"), shop.messages);
            else
                done = deleteSupplier(shop.shop, 1, shop.messages);
            setFileAccess(nullptr);
            const std::string context = work + " failing at write " + std::to_string(n);
            if (done) {
                // Past the last write: the work went through whole.
                EXPECT_NE(shop.mans(), before) << context;
                continue;
            }
            EXPECT_FALSE(shop.messages.shown.empty()) << context;
            EXPECT_EQ(shop.mans(), before) << context;
            EXPECT_EQ(shop.shop.suppliers.liveCount(), 1) << context;
            EXPECT_TRUE(shop.shop.suppliers.slotOf(1)) << context;
            EXPECT_FALSE(shop.shop.suppliers.slotOf(2)) << context;
        }
        EXPECT_TRUE(done) << work;
    }
}
