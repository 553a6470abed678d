#include "support/golden_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace ovix {
namespace {

using test::lineDifferences;
using test::matchesGoldenPage;

// Sets OVIX_UPDATE_GOLDEN for one test, or clears it, and puts back what the
// run was started with.
class UpdateVariable {
public:
    explicit UpdateVariable(const char *value)
    {
        if (const char *before = std::getenv(test::kUpdateGoldenVariable))
            before_ = before;
        if (value)
            setenv(test::kUpdateGoldenVariable, value, 1);
        else
            unsetenv(test::kUpdateGoldenVariable);
    }
    ~UpdateVariable()
    {
        if (before_)
            setenv(test::kUpdateGoldenVariable, before_->c_str(), 1);
        else
            unsetenv(test::kUpdateGoldenVariable);
    }

private:
    std::optional<std::string> before_;
};

TEST(GoldenPageDifferences, ListEachChangeWithTwoLinesAroundIt)
{
    const std::string golden = "a\nb\nc\nd\ne\nf\ng\nh\n";
    const struct {
        const char *name;
        std::string drawn;
        std::string listing;
    } cases[] = {
        { "equal", golden, "" },
        { "one line changed", "a\nb\nc\nD\ne\nf\ng\nh\n",
            "@@ golden line 2, drawn line 2\n  b\n  c\n- d\n+ D\n  e\n  f\n" },
        { "a line added at the start", "new\na\nb\nc\nd\ne\nf\ng\nh\n",
            "@@ golden line 1, drawn line 1\n+ new\n  a\n  b\n" },
        { "a line lost at the end", "a\nb\nc\nd\ne\nf\ng\n",
            "@@ golden line 6, drawn line 6\n  f\n  g\n- h\n" },
        { "two changes far apart", "A\nb\nc\nd\ne\nf\ng\nH\n",
            "@@ golden line 1, drawn line 1\n- a\n+ A\n  b\n  c\n"
            "@@ golden line 6, drawn line 6\n  f\n  g\n- h\n+ H\n" },
        { "no newline at the end", "a\nb\nc\nd\ne\nf\ng\nh",
            "@@ golden line 6, drawn line 6\n  f\n  g\n- h\n+ h  (no newline at the end)\n" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lineDifferences(golden, c.drawn), c.listing);
    }
    // A long listing is cut.
    EXPECT_EQ(lineDifferences("a\nb\nc\n", "x\ny\nz\n", 4),
        "@@ golden line 1, drawn line 1\n- a\n- b\n- c\n+ x\n...\n");
}

TEST(GoldenPage, AMismatchFailsWithTheDifferenceAndKeepsThePageDrawnForReview)
{
    UpdateVariable checking(nullptr);
    test::TempDir folder;
    const std::string golden = folder.file("receipt.txt");
    const std::string actual = golden + ".actual";

    ::testing::AssertionResult missing = matchesGoldenPage("line 1\n", golden);
    EXPECT_FALSE(missing);
    EXPECT_NE(std::string(missing.message()).find("no golden page at " + golden), std::string::npos)
        << missing.message();
    EXPECT_EQ(test::readBytes(actual), "line 1\n");

    test::writeBytes(golden, "line 1\nline 2\n");
    ::testing::AssertionResult differs = matchesGoldenPage("line 1\nline two\n", golden);
    EXPECT_FALSE(differs);
    const std::string message = differs.message();
    EXPECT_NE(message.find(golden), std::string::npos) << message;
    EXPECT_NE(message.find("- line 2\n+ line two\n"), std::string::npos) << message;
    EXPECT_NE(message.find(actual), std::string::npos) << message;
    EXPECT_EQ(test::readBytes(actual), "line 1\nline two\n");
    EXPECT_EQ(test::readBytes(golden), "line 1\nline 2\n");

    // A match passes and removes the review copy a failed run left.
    EXPECT_TRUE(matchesGoldenPage("line 1\nline 2\n", golden));
    EXPECT_FALSE(std::filesystem::exists(actual));

    // "0" checks too.
    UpdateVariable zero("0");
    EXPECT_FALSE(matchesGoldenPage("other\n", golden));
    EXPECT_EQ(test::readBytes(golden), "line 1\nline 2\n");
}

TEST(GoldenPage, TheUpdateFlagRewritesTheGoldenPage)
{
    test::TempDir folder;
    const std::string golden = folder.file("data/receipt.txt");
    {
        UpdateVariable updating("1");
        EXPECT_TRUE(matchesGoldenPage("first\n", golden));
        EXPECT_EQ(test::readBytes(golden), "first\n");
        test::writeBytes(golden + ".actual", "stale");
        EXPECT_TRUE(matchesGoldenPage("second\n", golden));
        EXPECT_EQ(test::readBytes(golden), "second\n");
        EXPECT_FALSE(std::filesystem::exists(golden + ".actual"));
    }
    UpdateVariable checking(nullptr);
    EXPECT_TRUE(matchesGoldenPage("second\n", golden));
}

TEST(GoldenPage, PathsAreBelowTheTestsFolderUnlessAbsolute)
{
    const std::string path = test::goldenPagePath("print/data/standard_receipt.txt");
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(test::goldenPagePath("/tmp/x.txt"), "/tmp/x.txt");
}

} // namespace
} // namespace ovix
