// Paging through a log 31999 bytes at a time: which pages Next and Previous
// reach and when each is offered.

#include "reports/logic/log_pages.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

// `size` bytes whose value tells the page they belong to.
std::string logOfSize(int64_t size)
{
    std::string bytes(static_cast<size_t>(size), 'a');
    for (int64_t i = 0; i < size; ++i)
        bytes[static_cast<size_t>(i)] = static_cast<char>('a' + i / kLogPageBytes);
    return bytes;
}

struct PagingCase {
    const char *name;
    int64_t size;
    const char *steps; // n = Next, p = Previous
    int64_t start; // where the page shown at the end starts
    size_t length;
    bool next;
    bool previous;
};

TEST(LogPager, NextAndPreviousWalkThePagesAndAreOfferedOnlyWhereTheyLead)
{
    const PagingCase cases[] = {
        { "empty log", 0, "", 0, 0, false, false },
        { "short log", 100, "n", 0, 100, false, false },
        { "exactly one page: Next offered", 31999, "", 0, 31999, true, false },
        { "exactly one page, then an empty page", 31999, "n", 31999, 0, false, true },
        { "back from the empty page", 31999, "np", 0, 31999, true, false },
        { "second, short page", 40000, "n", 31999, 8001, false, true },
        { "Previous from a short page", 40000, "np", 0, 31999, true, false },
        { "Previous on the first page stays", 40000, "p", 0, 31999, true, false },
        { "third page and back one", 70000, "nnp", 31999, 31999, true, true },
    };
    for (const PagingCase &c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        const std::string bytes = logOfSize(c.size);
        test::writeBytes(dir.file("bun4.dat"), bytes);
        LogPager pager(dir.file("bun4.dat"));
        ASSERT_TRUE(pager.first());
        for (const char *step = c.steps; *step; ++step)
            (*step == 'n') ? pager.next() : pager.previous();
        EXPECT_EQ(pager.start(), c.start);
        EXPECT_EQ(pager.text(), bytes.substr(static_cast<size_t>(c.start), c.length));
        EXPECT_EQ(pager.nextEnabled(), c.next);
        EXPECT_EQ(pager.previousEnabled(), c.previous);
    }
}

TEST(LogPager, AMissingLogCannotBeShown)
{
    test::TempDir dir;
    LogPager pager(dir.file("bun2.dat"));
    EXPECT_FALSE(pager.first());
    EXPECT_FALSE(readLogPage(dir.file("bun2.dat"), 0));
}

TEST(LogPager, PastTheEndIsAnEmptyPage)
{
    test::TempDir dir;
    test::writeBytes(dir.file("bun4.dat"), "abc");
    EXPECT_EQ(readLogPage(dir.file("bun4.dat"), 1), "bc");
    EXPECT_EQ(readLogPage(dir.file("bun4.dat"), 10), "");
    EXPECT_FALSE(readLogPage(dir.file("bun4.dat"), -1));
}

} // namespace
} // namespace ovix
