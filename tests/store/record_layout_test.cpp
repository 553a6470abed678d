#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/customer_index.h"
#include "store/fixed_text.h"
#include "store/item_index.h"
#include "store/record_files.h"
#include "store/supplier_index.h"

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
    writeText(item.sku4, "FOURTH");
    writeText(item.date_added, "08/12/2026");
    item.quantity = -3;
    item.tax = 2;
    item.total_sold = 77;
    item.cost_price = 1.25f;
    item.retail_price = 2.5f;
    item.weight = 0.75f;
    writeText(item.web_image, "http://shop/c.png");
    item.picture_number = 24;
    item.component_quantity[5] = 50;
    item.sell_by_year = 69;
    item.own_picture = 1;
    writeText(item.notes, "NOTE");
    writeText(item.component_3, "99");
    item.display_category = 17;
    item.record_kind = 2;
    writeText(item.last_used, "09:0508/12/2026");
    item.loaned_to = 100000000000000000;
    writeText(item.due_back, "17:3001/01/2027");
    item.reserved_1850[23] = 0xEE;
    ASSERT_EQ(items.insert(item, messages), 0);

    const std::string r = readBytes(temp.file("film.dat"));
    ASSERT_EQ(r.size(), kItemBytes);
    EXPECT_EQ(getI64(r, 0), 1234567890123);
    EXPECT_EQ(getText(r, 8, 82), "CHEDDAR \xA3 MATURE");
    EXPECT_EQ(getText(r, 90, 40), "5012345678900");
    EXPECT_EQ(getText(r, 210, 60), "FOURTH");
    EXPECT_EQ(getText(r, 630, 20), "08/12/2026");
    EXPECT_EQ(getI32(r, 670), -3);
    EXPECT_EQ(getI32(r, 686), 2);
    EXPECT_EQ(getI32(r, 714), 77);
    EXPECT_EQ(getF32(r, 814), 1.25f);
    EXPECT_EQ(getF32(r, 822), 2.5f);
    EXPECT_EQ(getF32(r, 866), 0.75f);
    EXPECT_EQ(getText(r, 922, 280), "http://shop/c.png");
    EXPECT_EQ(getI32(r, 1202), 24);
    EXPECT_EQ(getI32(r, 1246 + 20), 50);
    EXPECT_EQ(getI32(r, 1286), 69);
    EXPECT_EQ(getI32(r, 1562), 1);
    EXPECT_EQ(getText(r, 1610, 87), "NOTE");
    EXPECT_EQ(getText(r, 1717, 60), "99");
    EXPECT_EQ(getI32(r, 1787), 17);
    EXPECT_EQ(getI32(r, 1802), 2);
    EXPECT_EQ(getText(r, 1810, 16), "09:0508/12/2026");
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
    putI32(r, 702, 6); // labels_to_print
    putF32(r, 818, 3.5f); // trade_price
    putF32(r, 862, 0.5f); // delivery_charge
    putI32(r, 1214, 18); // age_warning
    putI32(r, 1222 + 4, 2); // component_free[1]
    putI32(r, 1270, 2); // buy_one_get_one_free
    putI32(r, 1278, 31); // sell_by_day
    putI32(r, 1566, 1); // sale_or_return
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
    EXPECT_EQ(+item.labels_to_print, 6);
    EXPECT_EQ(+item.trade_price, 3.5f);
    EXPECT_EQ(+item.delivery_charge, 0.5f);
    EXPECT_EQ(+item.age_warning, 18);
    EXPECT_EQ(+item.component_free[1], 2);
    EXPECT_EQ(+item.buy_one_get_one_free, 2);
    EXPECT_EQ(+item.sell_by_day, 31);
    EXPECT_EQ(+item.sale_or_return, 1);
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
    writeText(customer.postcode, "AB1 2CD");
    writeText(customer.shipping_address_5, "ZZ9");
    writeText(customer.first_name, "JO");
    customer.group = 2000;
    writeText(customer.credit_card_2_expiry, "12/29");
    customer.terms = 8;
    customer.last_transaction = 123456;
    writeText(customer.email, "jo@example.com");
    customer.total_purchases = 99.5f;
    writeText(customer.customer_last_used, "10:1501/02/2026");
    customer.loan_table_1[9][1] = -2;
    writeText(customer.loan_table_3[9], "T3");
    customer.balance = 12.25f;
    customer.credit_limit = 500.0f;
    customer.transactions = 3;
    customer.tax = 1;
    customer.items_on_loan[9] = 555;
    customer.loan_table_4[0][0] = 44;
    writeText(customer.loan_dates[1], "D1");
    writeText(customer.loan_due[9], "D9");
    customer.import_marker = 7;
    ASSERT_EQ(customers.insert(customer, messages), 0);

    const std::string c = readBytes(temp.file("member.dat"));
    ASSERT_EQ(c.size(), kCustomerBytes);
    EXPECT_EQ(getI64(c, 0), 31);
    EXPECT_EQ(getText(c, 8, 30), "SMITH");
    EXPECT_EQ(getText(c, 128, 10), "AB1 2CD");
    EXPECT_EQ(getText(c, 368, 10), "ZZ9");
    EXPECT_EQ(getText(c, 384, 8), "JO");
    EXPECT_EQ(getI32(c, 652), 2000);
    EXPECT_EQ(getText(c, 846, 160), "12/29");
    EXPECT_EQ(getI32(c, 1006), 8);
    EXPECT_EQ(getI32(c, 1010), 123456);
    EXPECT_EQ(getText(c, 1054, 40), "jo@example.com");
    EXPECT_EQ(getF32(c, 1094), 99.5f);
    EXPECT_EQ(getText(c, 1122, 16), "10:1501/02/2026");
    EXPECT_EQ(getI32(c, 1154 + 76), -2);
    EXPECT_EQ(getText(c, 1394 + 144, 16), "T3");
    EXPECT_EQ(getF32(c, 1554), 12.25f);
    EXPECT_EQ(getF32(c, 1558), 500.0f);
    EXPECT_EQ(getI32(c, 1578), 3);
    EXPECT_EQ(getI64(c, 1582), 1);
    EXPECT_EQ(getI64(c, 1590 + 72), 555);
    EXPECT_EQ(getI32(c, 1670), 44);
    EXPECT_EQ(getText(c, 1750 + 16, 16), "D1");
    EXPECT_EQ(getText(c, 1910 + 144, 16), "D9");
    EXPECT_EQ(getI32(c, 2090), 7);
    EXPECT_EQ(customers.namePrefix(0), (std::array<char, 2> { 'S', 'M' }));

    SupplierRecord supplier {};
    supplier.number = 2000000000000000;
    writeText(supplier.name, "WHOLESALE LTD");
    supplier.list_number = 12;
    supplier.list_amount_1 = 1.5f;
    supplier.list_amount_2 = -2.0f;
    writeText(supplier.road, "MILL ROAD");
    writeText(supplier.fax, "0100");
    writeText(supplier.supplier_notes, "CALL FIRST");
    writeText(supplier.terms, "30 DAYS");
    writeText(supplier.email, "orders@example.com");
    ASSERT_EQ(suppliers.insert(supplier, messages), 0);

    const std::string s = readBytes(temp.file("mans.dat"));
    ASSERT_EQ(s.size(), kSupplierBytes);
    EXPECT_EQ(getI64(s, 0), 2000000000000000);
    EXPECT_EQ(getText(s, 8, 42), "WHOLESALE LTD");
    EXPECT_EQ(getI32(s, 50), 12);
    EXPECT_EQ(getF32(s, 58), 1.5f);
    EXPECT_EQ(getF32(s, 62), -2.0f);
    EXPECT_EQ(getText(s, 66, 30), "MILL ROAD");
    EXPECT_EQ(getText(s, 226, 194), "0100");
    EXPECT_EQ(getText(s, 480, 204), "CALL FIRST");
    EXPECT_EQ(getText(s, 794, 100), "30 DAYS");
    EXPECT_EQ(getText(s, 934, 124), "orders@example.com");
    EXPECT_TRUE(messages.shown.empty());
}
