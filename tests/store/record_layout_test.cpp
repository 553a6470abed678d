#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/record_files.h"
#include "store/record_kinds.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ovix;
using namespace ovix::test;

// Records written by the indexes are read back here with a plain byte reader
// at the documented offsets, and hand-built bytes are read through the
// structs, so a slipped field shows up in either direction.

TEST(RecordLayout, ItemWrittenByTheIndexReadsBackAtTheFileOffsets)
{
    TempDir temp;
    DataDir dir(temp.path());
    ScriptedMessages messages;
    writeBytes(temp.file("film.dat"), itemBytes(-1, ""));
    ItemIndex items(dir);
    ASSERT_TRUE(items.load(messages));

    ItemRecord item {};
    item.number = 1234567890123;
    writeText(item.description, "CHEDDAR \xA3 MATURE"); // Windows-1252 stays as bytes
    writeText(item.sku1, "5012345678900");
    item.quantity = -3;
    item.cost_price = 1.25f;
    item.component_quantity[5] = 50;
    item.display_category = 17;
    item.loaned_to = 100000000000000000;
    writeText(item.due_back, "17:3001/01/2027");
    item.reserved_1850[23] = 0xEE;
    ASSERT_EQ(items.insert(item, messages), 0);

    const std::string r = readBytes(temp.file("film.dat"));
    ASSERT_EQ(r.size(), kItemBytes);
    EXPECT_EQ(getI64(r, 0), 1234567890123);
    EXPECT_EQ(getText(r, 8, 82), "CHEDDAR \xA3 MATURE");
    EXPECT_EQ(getText(r, 90, 40), "5012345678900");
    EXPECT_EQ(getI32(r, 670), -3);
    EXPECT_EQ(getF32(r, 814), 1.25f);
    EXPECT_EQ(getI32(r, 1246 + 20), 50);
    EXPECT_EQ(getI32(r, 1787), 17);
    EXPECT_EQ(getI64(r, 1826), 100000000000000000);
    EXPECT_EQ(getText(r, 1834, 16), "17:3001/01/2027");
    EXPECT_EQ(static_cast<unsigned char>(r[1873]), 0xEE);
}

TEST(RecordLayout, HandBuiltItemReadsIntoTheNamedFields)
{
    TempDir temp;
    DataDir dir(temp.path());
    ScriptedMessages messages;
    std::string r = itemBytes(77, "MILK", "123");
    putText(r, 270, "501"); // format: bundle component 1
    putI32(r, 674, 4); // reorder_quantity
    putF32(r, 818, 3.5f); // trade_price
    putI32(r, 1214, 18); // age_warning
    putI32(r, 1222 + 4, 2); // component_free[1]
    putI32(r, 1278, 31); // sell_by_day
    putText(r, 1697, "502"); // component_2
    std::memset(r.data() + 130, 'K', 40); // sku2 filling its width, no NUL
    writeBytes(temp.file("film.dat"), r);

    ItemIndex items(dir);
    ASSERT_TRUE(items.load(messages));
    ItemRecord item;
    ASSERT_TRUE(items.readRecord(0, item, messages));
    EXPECT_EQ(+item.number, 77);
    EXPECT_EQ(readText(item.description), "MILK");
    EXPECT_EQ(readText(item.sku1), "123");
    EXPECT_EQ(readText(item.sku2), std::string(40, 'K'));
    EXPECT_EQ(readText(item.format), "501");
    EXPECT_EQ(+item.reorder_quantity, 4);
    EXPECT_EQ(+item.trade_price, 3.5f);
    EXPECT_EQ(+item.age_warning, 18);
    EXPECT_EQ(+item.component_free[1], 2);
    EXPECT_EQ(+item.sell_by_day, 31);
    EXPECT_EQ(readText(item.component_2), "502");
}

TEST(RecordLayout, CustomerAndSupplierFieldsSitAtTheirOffsets)
{
    TempDir temp;
    DataDir dir(temp.path());
    ScriptedMessages messages;
    writeBytes(temp.file("member.dat"), customerBytes(-1, ""));
    writeBytes(temp.file("mans.dat"), supplierBytes(-1, ""));
    CustomerIndex customers(dir);
    SupplierIndex suppliers(dir);
    ASSERT_TRUE(customers.load(messages));
    ASSERT_TRUE(suppliers.load(messages));

    CustomerRecord customer {};
    customer.number = 31;
    writeText(customer.name, "SMITH");
    customer.group = 2000;
    customer.terms = 8;
    customer.total_purchases = 99.5f;
    customer.loan_table_1[9][1] = -2;
    customer.balance = 12.25f;
    customer.tax = 1;
    customer.items_on_loan[9] = 555;
    writeText(customer.loan_due[9], "D9");
    customer.import_marker = 7;
    ASSERT_EQ(customers.insert(customer, messages), 0);

    const std::string c = readBytes(temp.file("member.dat"));
    ASSERT_EQ(c.size(), kCustomerBytes);
    EXPECT_EQ(getI64(c, 0), 31);
    EXPECT_EQ(getText(c, 8, 30), "SMITH");
    EXPECT_EQ(getI32(c, 652), 2000);
    EXPECT_EQ(getI32(c, 1006), 8);
    EXPECT_EQ(getF32(c, 1094), 99.5f);
    EXPECT_EQ(getI32(c, 1154 + 76), -2);
    EXPECT_EQ(getF32(c, 1554), 12.25f);
    EXPECT_EQ(getI64(c, 1582), 1);
    EXPECT_EQ(getI64(c, 1590 + 72), 555);
    EXPECT_EQ(getText(c, 1910 + 144, 16), "D9");
    EXPECT_EQ(getI32(c, 2090), 7);
    EXPECT_EQ(customers.key(0), (std::array<char, 2> { 'S', 'M' }));

    SupplierRecord supplier {};
    supplier.number = 2000000000000000;
    writeText(supplier.name, "WHOLESALE LTD");
    supplier.list_number = 12;
    supplier.list_amount_2 = -2.0f;
    writeText(supplier.fax, "0100");
    writeText(supplier.email, "orders@example.com");
    ASSERT_EQ(suppliers.insert(supplier, messages), 0);

    const std::string s = readBytes(temp.file("mans.dat"));
    ASSERT_EQ(s.size(), kSupplierBytes);
    EXPECT_EQ(getI64(s, 0), 2000000000000000);
    EXPECT_EQ(getText(s, 8, 42), "WHOLESALE LTD");
    EXPECT_EQ(getI32(s, 50), 12);
    EXPECT_EQ(getF32(s, 62), -2.0f);
    EXPECT_EQ(getText(s, 226, 194), "0100");
    EXPECT_EQ(getText(s, 934, 124), "orders@example.com");
    EXPECT_TRUE(messages.shown.empty());
}
