// A wr.cfg whose next transaction number is behind the archive - put back
// from an old copy, damaged or edited - never hands out a number the archive
// already holds, at start or at a sale, and the activity log says so once.

#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "sales/logic/complete_transaction.h"
#include "till/logic/startup.h"
#include "sales/logic/transaction_numbers.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <map>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kIndex = "2026/base.dat";
constexpr const char *kSales = "2026/3/5/saleslog.dat";
constexpr const char *kNote = "does not follow the archive";

// A year index with its header and one entry per number, all on 4 March.
std::string indexOf(const std::vector<int32_t> &numbers)
{
    std::string bytes(4, '\0');
    for (int32_t number : numbers) {
        std::string entry(12, '\0');
        putI32(entry, 0, number);
        putI32(entry, 4, 4);
        putI32(entry, 8, 3);
        bytes += entry;
    }
    return bytes;
}

// A sales log of records that hold nothing but their numbers.
std::string salesOf(const std::vector<int64_t> &numbers)
{
    std::string bytes;
    for (int64_t number : numbers) {
        std::string record(950, '\0');
        putI64(record, 0, number);
        putText(record, 354, "Cash");
        bytes += record;
    }
    return bytes;
}

size_t count(const std::string &text, const std::string &part)
{
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

// Sells one line with no item behind it; the number it was archived under.
int64_t sellOne(
    SaleShop &shop, ScriptedMessages &messages, const CustomerRecordUpdate *customer = nullptr)
{
    Basket basket {};
    SaleShop::ringUpNonInventory(basket, "MISC", 1.00f);
    SaleShop::pay(basket, "Cash");
    Basket archived {};
    EXPECT_EQ(completeTransaction(shop.state, basket, messages, { &archived, customer }),
        CompletionResult::Archived)
        << messages.lastText();
    return archived.transactionNumber;
}

void storeNextNumber(SaleShop &shop, int32_t number)
{
    std::string config = shop.file("wr.cfg");
    putI32(config, 1360, number);
    writeBytes(shop.temp.file("wr.cfg"), config);
}

} // namespace

TEST(TransactionNumbers, AStartBehindTheArchiveMovesOnOnceAndSaysSoOnce)
{
    const struct Case {
        const char *what;
        std::vector<int32_t> index;
        std::vector<int64_t> sales; // today's
        int32_t stored; // in wr.cfg
        int32_t next; // the number the first sale gets
        bool told;
    } cases[] = {
        // The index lost its last entry; today's sales log still holds 41.
        { "one", { 12, 40, -3 }, { 40, 41 }, 1, 42, true },
        { "negative", { 12, 40, -3 }, { 40, 41 }, -5, 42, true },
        { "zero", { 12, 40, -3 }, { 40, 41 }, 0, 42, true },
        { "largest int32", { 12, 40, -3 }, { 40, 41 }, INT32_MAX, 42, true },
        { "one below the highest", { 12, 40, -3 }, { 40, 41 }, 40, 42, true },
        { "the highest", { 12, 40, 41 }, {}, 41, 42, true },
        { "agreeing", { 12, 40, -3 }, { 40, 41 }, 42, 42, false },
        { "ahead", { 12, 40 }, { 40, 41 }, 50, 50, false },
        { "empty archive, zero", {}, {}, 0, 1, false },
        // Over the top of the range: wr.cfg starts again at 1, but the
        // archive's own numbers go on past it.
        { "top of the range used", { 199999999, 200000000 }, {}, 200000001, 200000001, false },
        { "top of the range, zero", { 199999999, 200000000 }, {}, 0, 200000001, true },
    };
    for (const Case &c : cases) {
        FixedClock clock(kSaleTime);
        SaleShop shop;
        writeBytes(shop.temp.file(kIndex), indexOf(c.index));
        if (!c.sales.empty())
            writeBytes(shop.temp.file(kSales), salesOf(c.sales));
        storeNextNumber(shop, c.stored);

        ScriptedMessages messages;
        ASSERT_TRUE(openData(shop.state, messages)) << c.what << messages.lastText();
        ASSERT_TRUE(completeStart(shop.state, messages)) << c.what << messages.lastText();
        EXPECT_TRUE(messages.shown.empty()) << c.what << messages.lastText();
        EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), c.next) << c.what;
        EXPECT_EQ(getI32(shop.file("wr.cfg"), 1360), c.next) << c.what;

        const std::string note
            = cformat("\r\n10:20 05/03/2026  Transaction number %d of wr.cfg "
                      "does not follow the archive (highest %d): %d is next.\r\n",
                c.stored, c.next - 1, c.next);
        EXPECT_EQ(shop.file("bun4.dat"),
            "\r\n10:20 05/03/2026  Switched on.\r\n" + (c.told ? note : std::string()))
            << c.what;

        EXPECT_EQ(sellOne(shop, messages), c.next) << c.what;
        EXPECT_EQ(sellOne(shop, messages), c.next + 1) << c.what;
        EXPECT_TRUE(messages.shown.empty()) << c.what << messages.lastText();
        EXPECT_EQ(count(shop.file("bun4.dat"), kNote), c.told ? 1u : 0u) << c.what;
        EXPECT_EQ(getI32(shop.file("wr.cfg"), 1360), c.next + 2) << c.what;
    }
}

// The archive grew under the running till (a copy of it put back, say): the
// next sale still takes a free number, and an account sale's customer record
// names the number used.
TEST(TransactionNumbers, ASaleChecksTheArchiveAsItIsNow)
{
    FixedClock clock(kSaleTime);
    SaleShop shop;
    const int64_t slot = shop.addCustomer(7, "A. SMITH", 0.0f);
    writeBytes(shop.temp.file(kIndex), indexOf({ 40, 41 }));
    writeBytes(shop.temp.file(kSales), salesOf({ 40, 41 }));
    storeNextNumber(shop, 42);
    ScriptedMessages messages;
    ASSERT_TRUE(openData(shop.state, messages) && completeStart(shop.state, messages));
    EXPECT_EQ(sellOne(shop, messages), 42);

    writeBytes(shop.temp.file(kIndex), shop.file(kIndex) + indexOf({ 60 }).substr(4));
    CustomerRecordUpdate customer;
    customer.slot = slot;
    ASSERT_TRUE(shop.state.customers.readRecord(slot, customer.record, messages));
    customer.record.last_transaction = 43; // as the payment stamps it from wr.cfg
    EXPECT_EQ(sellOne(shop, messages, &customer), 61);
    EXPECT_EQ(
        getI32(shop.file("member.dat"), static_cast<size_t>(slot) * kCustomerBytes + 1010), 61);
    EXPECT_EQ(sellOne(shop, messages), 62);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();

    const std::string log = shop.file("bun4.dat");
    EXPECT_EQ(count(log, kNote), 1u);
    EXPECT_NE(log.find("\r\n10:20 05/03/2026  Transaction number 43 of wr.cfg does not follow the "
                       "archive (highest 60): 61 is next.\r\n"
                       "\r\n10:20 05/03/2026 Sale: 61, Total: 1.00\r\n"),
        std::string::npos)
        << log;
}

// What the archive may hold, sound or damaged, and the number given for what
// wr.cfg offers.
TEST(TransactionNumbers, FirstFreeNumberForEveryArchive)
{
    const struct Case {
        const char *what;
        std::vector<int32_t> index;
        std::vector<int64_t> sales;
        int32_t wanted;
        int32_t expected;
    } cases[] = {
        { "nothing archived", {}, {}, 1, 1 },
        { "nothing archived, wanted below 1", {}, {}, -5, 1 },
        { "ahead of the archive", { 5, 6, 7 }, {}, 8, 8 },
        { "behind", { 5, 6, 7 }, {}, 3, 8 },
        { "on the highest", { 5, 6, 7 }, {}, 7, 8 },
        { "highest only in the sales log", { 5 }, { 5, 9 }, 6, 10 },
        { "a gap is not reused", { 5, 9 }, {}, 6, 10 },
        { "no numbers below 1", { -9, 0, 3 }, {}, -9, 4 },
        { "sales log number beyond 32 bits", { 3 }, { (int64_t { 1 } << 32) + 7, -4 }, 1, 4 },
        { "one before the largest", { INT32_MAX - 1 }, {}, 1, INT32_MAX },
        { "largest held: the first gap from the wanted", { 1, 2, 5, INT32_MAX }, {}, 2, 3 },
        { "largest held: the first gap from 1", { 1, 2, INT32_MAX - 1, INT32_MAX }, {},
            INT32_MAX - 1, 3 },
        { "largest held, repeated", { 1, 1, 2, 2, INT32_MAX, INT32_MAX }, {}, 1, 3 },
    };
    for (const Case &c : cases) {
        TempDir folder;
        const DataDir dir(folder.path());
        ASSERT_TRUE(ensureArchiveFolders(dir, kSaleTime));
        writeBytes(folder.file(kIndex), indexOf(c.index));
        writeBytes(folder.file(kSales), salesOf(c.sales));
        ArchivedNumbers numbers;
        EXPECT_EQ(numbers.firstFree(dir, kSaleTime, c.wanted), c.expected) << c.what;
        // Asked again with nothing changed, from what it remembers.
        EXPECT_EQ(numbers.firstFree(dir, kSaleTime, c.wanted), c.expected) << c.what;
    }

    // A file that cannot be read gives no number; a missing one holds none.
    TempDir folder;
    const DataDir dir(folder.path());
    ArchivedNumbers numbers;
    EXPECT_EQ(numbers.firstFree(dir, kSaleTime, 7), 7);
    ASSERT_TRUE(ensureArchiveFolders(dir, kSaleTime));
    ASSERT_EQ(mkdir(folder.file(kSales).c_str(), 0700), 0);
    EXPECT_EQ(numbers.firstFree(dir, kSaleTime, 7), std::nullopt);
}

namespace {

// Counts the bytes read from one file.
class ReadCounter : public FileAccess {
public:
    explicit ReadCounter(std::string suffix)
        : suffix_(std::move(suffix))
    {
    }
    int open(const std::string &path, int flags, mode_t mode) override
    {
        const int fd = FileAccess::open(path, flags, mode);
        if (fd >= 0)
            watched_[fd] = path.ends_with(suffix_);
        return fd;
    }
    ssize_t pread(int fd, void *buffer, size_t size, off_t offset) override
    {
        const ssize_t n = FileAccess::pread(fd, buffer, size, offset);
        if (n > 0 && watched_[fd])
            bytes += n;
        return n;
    }
    int64_t bytes = 0;

private:
    std::string suffix_;
    std::map<int, bool> watched_;
};

} // namespace

// A year of sales in the index: the start reads it once, a sale only looks at
// the end of it.
TEST(TransactionNumbers, ASaleDoesNotReadTheYearIndexAgain)
{
    FixedClock clock(kSaleTime);
    SaleShop shop;
    std::vector<int32_t> year(20000);
    for (size_t i = 0; i < year.size(); ++i)
        year[i] = static_cast<int32_t>(i + 1);
    writeBytes(shop.temp.file(kIndex), indexOf(year));
    storeNextNumber(shop, 20001);
    ScriptedMessages messages;
    ReadCounter counter(kIndex);
    setFileAccess(&counter);
    ASSERT_TRUE(openData(shop.state, messages) && completeStart(shop.state, messages));
    EXPECT_GE(counter.bytes, 4 + 12 * 20000);
    for (int32_t sale = 20001; sale < 20004; ++sale) {
        counter.bytes = 0;
        EXPECT_EQ(sellOne(shop, messages), sale);
        EXPECT_LE(counter.bytes, 12) << sale;
    }
    setFileAccess(nullptr);
}
