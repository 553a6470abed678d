#include "platform/locale_text.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace ovix;

namespace {

class LocaleText : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(saved_); }
    static void use(const char *name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }

private:
    QLocale saved_;
};

} // namespace

TEST_F(LocaleText, CurrencySymbolInWindows1252)
{
    use("en_US");
    EXPECT_EQ(localeCurrencySymbolCp1252(), "$");
    use("en_GB");
    EXPECT_EQ(localeCurrencySymbolCp1252(), "\xA3");
    use("de_DE");
    EXPECT_EQ(localeCurrencySymbolCp1252(), "\x80");
    use("hi_IN");
    EXPECT_EQ(localeCurrencySymbolCp1252(), "?"); // the rupee sign is not
    use("de_CH");
    EXPECT_EQ(localeCurrencySymbolCp1252(), "CHF");
}

TEST_F(LocaleText, DatesFollowTheLocalePicture)
{
    use("en_GB");
    EXPECT_EQ(formatLocaleDate(2024, 3, 9, "ddd d MMM yy"), "Sat 9 Mar 24");
    EXPECT_EQ(formatLocaleDate(2024, 3, 9, "dddd MMMM d yyyy"), "Saturday March 9 2024");
    EXPECT_EQ(formatLocaleDate(2024, 12, 25, "MMM d yyyy"), "Dec 25 2024");
    use("de_DE");
    EXPECT_EQ(formatLocaleDate(2024, 3, 9, "MMMM d yyyy"), "M\xE4rz 9 2024"); // a-umlaut as 0xE4
    EXPECT_EQ(formatLocaleDate(2023, 2, 29, "MMM d yyyy"), "");
    EXPECT_EQ(formatLocaleDate(2024, 4, 31, "MMM d yyyy"), "");
    EXPECT_EQ(formatLocaleDate(2024, 4, 1, nullptr), "");
}

TEST_F(LocaleText, StampDateShownTheLocalWayOnlyWhenValid)
{
    use("en_US");
    EXPECT_EQ(showStampDate("14:0509/03/2024"), "Sat 9 Mar 24");
    EXPECT_EQ(showStampDate("09:3001/01/1980"), "Tue 1 Jan 80");
    EXPECT_EQ(showStampDate(std::string_view("14:0509/03/2024\0junk", 20)), "Sat 9 Mar 24");
    // Out of range or impossible dates show the plain stored text.
    EXPECT_EQ(showStampDate("14:0500/03/2024"), "00/03/2024");
    EXPECT_EQ(showStampDate("14:0532/03/2024"), "32/03/2024");
    EXPECT_EQ(showStampDate("14:0509/13/2024"), "09/13/2024");
    EXPECT_EQ(showStampDate("14:0531/12/1979"), "31/12/1979");
    EXPECT_EQ(showStampDate("14:0531/04/2024"), "31/04/2024");
    EXPECT_EQ(showStampDate("14:05NEW"), "NEW");
    EXPECT_EQ(showStampDate("14:0509/03/20x4"), "09/03/20x4");
    EXPECT_EQ(showStampDate("14:05"), "");
    EXPECT_EQ(showStampDate(""), "");
}
