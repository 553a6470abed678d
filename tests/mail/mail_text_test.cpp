// The texts of the mailed reports, byte for byte.

#include "accounts/logic/debtor_mail.h"
#include "reports/logic/mail_reports.h"
#include "store/store_heading.h"
#include "store/till_config.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace ovix {
namespace {

const LocalTime kEvening{2026, 12, 9, 17, 5, 0, 3};

class MailText : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        heading.setLine(HeadingLine::SiteName, "CORNER SHOP");
        heading.setLine(HeadingLine::Road, "1 HIGH STREET");
        heading.setLine(HeadingLine::Area, "TOWN");
        config.set(cfg::tillTakings, 123.45);
        config.set(cfg::todayTransactionCount, 7);
        config.set(cfg::todayItemCount, 19);
        config.set(cfg::cashSales, 100.5);
        config.set(cfg::chequeSales, 2.95);
        config.set(cfg::eftSales, 20);
        config.set(cfg::creditSales, 14.1);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TillConfig config;
    StoreHeading heading;
};

const char *const kFigures = "Today's takings: 123.45\r\n"
                             "Today Transactions: 7 Items: 19\r\n"
                             "Cash: 100.50, CH: 2.95\r\n"
                             "EFT: 20.00, Credit sales: 14.10\r\n";

TEST_F(MailText, DailyReport)
{
    EXPECT_EQ(dailyReportMailText(config, heading, "shop@example.org", "office@example.org",
                  kEvening),
        std::string("FROM: shop@example.org\r\nTO: office@example.org\r\n"
                    "SUBJECT: OVIX report\r\n\r\n"
                    "OVIX report: 17:05 Wed Dec 09 26\r\n\r\n"
                    "CORNER SHOP\r\n1 HIGH STREET\r\n\r\n")
            + kFigures + "End report");
}

TEST_F(MailText, DailyItemsCarryTheCsvLines)
{
    const std::string csv = "12,TEA,0.00,1.50,0.30,0.00,0.80,1.80,41,1,Cash\r\n"
                            "13,CAF\xC9,0.00,2.00,0.40,0.00,1.00,2.40,41,1,Cash\r\n";
    EXPECT_EQ(dailyItemsMailText(config, heading, "shop@example.org", "office@example.org",
                  LocalTime{2027, 1, 4, 9, 0, 0, 1}, csv),
        std::string("FROM: shop@example.org\r\nTO: office@example.org\r\n"
                    "SUBJECT: OVIX Daily items\r\n\r\n"
                    "OVIX Daily items: 9:00 Mon Jan 04 27\r\n\r\n"
                    "CORNER SHOP\r\n1 HIGH STREET\r\n\r\n")
            + kFigures
            + "12,TEA,0.00,1.50,0.30,0.00,0.80,1.80,41,1,Cash\r\n"
              "13,CAF,0.00,2.00,0.40,0.00,1.00,2.40,41,1,Cash\r\n"
              "End report");
}

TEST_F(MailText, DebtorReminderGoesToTheCustomer)
{
    EXPECT_EQ(debtorMailText(heading, "shop@example.org", "jones@example.org", 1042, -3.5,
                  kEvening),
        "FROM: shop@example.org\r\nTO: jones@example.org\r\nSUBJECT: Overdue balance\r\n\r\n"
        "CORNER SHOP\r\n1 HIGH STREET\r\n\r\n"
        "Overdue reminder: 17:05 Wed Dec 09 26\r\n\r\n"
        "Dear Sir / Madam,  Customer reference: 1042\r\n"
        "According to our records the following balance is overdue:\r\n\r\n"
        "-3.50\r\n"
        "\r\nPlease remit at your earliest convenience. Thank you.");
}

TEST(CsvMailLines, BreaksAtCarriageReturnsAnd253BytesLosingNothingPrintable)
{
    const std::string line300 = std::string(250, 'a') + std::string(50, 'b');
    struct Case {
        const char *name;
        std::string csv;
        std::string mailed;
    } cases[] = {
        {"empty", "", ""},
        {"one line", "1,A\r\n", "1,A\r\n"},
        {"300 characters make two lines", line300 + "\r\n",
            line300.substr(0, 253) + "\r\n" + line300.substr(253) + "\r\n"},
        {"exactly 253", std::string(253, 'x') + "\r\n", std::string(253, 'x') + "\r\n"},
        {"254 characters", std::string(254, 'x'),
            std::string(253, 'x') + "\r\nx\r\n"},
        {"control and high bytes dropped", "a\tb\x01" "c\x7F\x80\xFF" "d\r\n", "abcd\r\n"},
        {"no final line end", "1,A\r\n2,B", "1,A\r\n2,B\r\n"},
        {"a lone dot line stays a line", ".\r\n", ".\r\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(csvMailLines(c.csv), c.mailed) << c.name;
}

} // namespace
} // namespace ovix
