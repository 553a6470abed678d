// The mail commands at the till, each mail received by a real mail server on
// 127.0.0.1: the window's background job sends it while the till goes on,
// and the outcome is shown on the window's thread.

#include "accounts/customer_shop.h"
#include "accounts/widgets/customer_commands.h"
#include "comms/logic/mail_settings.h"
#include "mail/mail_sink.h"
#include "platform/background_jobs.h"
#include "reports/logic/mail_reports.h"
#include "reports/report_archive.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "sales/widgets/mail_setup_dialog.h"
#include "sales/widgets/till_window.h"
#include "till/widgets/activity_commands.h"
#include "widgets/modal_dialogs.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <map>

namespace ovix::test {
namespace {

class MailWindow : public TillWindow {
public:
    ~MailWindow() override { endBackgroundJobs(); }
    void registerCommand(Command command, std::function<void()> work) override
    {
        works_[command] = std::move(work);
    }
    QWidget *widget() override { return &widget_; }
    void setTenderAmountBox(QWidget *) override { }
    void focusItemBox() override { }
    void run(Command command) { works_.at(command)(); }

private:
    QWidget widget_;
    std::map<Command, std::function<void()>> works_;
};

const CalendarDay kToday{kSaleTime.year, kSaleTime.month, kSaleTime.day};

struct MailTill : CustomerShop {
    MailSink sink;
    MailWindow window;
    Basket basket;
    Basket saved;
    NullBasketView view;
    ItemEntry entry{state, basket, saved, view, messages};
    ReportArchive archive; // sales made here, copied into the shop

    MailTill()
    {
        state.heading.setLine(HeadingLine::SiteName, "CORNER SHOP");
        state.heading.setLine(HeadingLine::Road, "1 HIGH STREET");
        state.config.set(cfg::tillTakings, 12.5);
        state.config.set(cfg::todayTransactionCount, 3);
        state.config.set(cfg::todayItemCount, 4);
        state.config.set(cfg::cashSales, 12.5);
        connectActivityCommands(window, state, entry, messages);
        connectCustomerCommands(window, state, messages);
    }
    void useSettings(const char *target = "office@example.org")
    {
        std::string bytes(560, '\0');
        putText(bytes, 320, sink.server());
        putText(bytes, 400, target);
        putText(bytes, 480, "shop@example.org");
        writeBytes(file("wrmail.cfg"), bytes);
    }
    int64_t sell(const char *type, const char *description)
    {
        const int64_t number
            = archive.add(kToday, type, {{101, description, 3, 0, 2.5f, 0.25f, 1.2f}});
        for (const char *name : {"saleslog.dat", "itemslog.dat"}) {
            const std::string path = cformat("2026/3/5/%s", name);
            writeBytes(file(path.c_str()), readBytes(archive.folder.file(path)));
        }
        return number;
    }
    // Spins the window's event loop until `count` outcomes have been shown.
    bool waitForOutcomes(size_t count)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < end) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (outcomes().size() >= count)
                return true;
        }
        return false;
    }
    std::vector<ScriptedMessages::Shown> outcomes() const
    {
        std::vector<ScriptedMessages::Shown> shown;
        for (const auto &box : messages.shown) {
            if (box.caption == "Finished" || box.caption == "Problem")
                shown.push_back(box);
        }
        return shown;
    }
};

TEST(MailCommands, EmailReportSendsTodaysFiguresAndSaysReport)
{
    MailTill till;
    ASSERT_NE(till.sink.port(), 0);
    till.useSettings();
    till.window.run(Command::EmailReport);
    ASSERT_TRUE(till.waitForOutcomes(1));
    EXPECT_EQ(till.outcomes()[0].text, "Report");
    EXPECT_EQ(till.outcomes()[0].caption, "Finished");
    const auto mails = till.sink.received(1);
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].from, "shop@example.org");
    EXPECT_EQ(mails[0].to, "office@example.org");
    EXPECT_EQ(mails[0].data,
        dailyReportMailText(till.state.config, till.state.heading, "shop@example.org",
            "office@example.org", kSaleTime)
            + "\r\n");
    EXPECT_NE(mails[0].data.find("Today's takings: 12.50\r\n"), std::string::npos);
}

TEST(MailCommands, TwoDailyItemsMailsAtOnceEachSendTheirOwnLines)
{
    MailTill till;
    ASSERT_NE(till.sink.port(), 0);
    till.useSettings();
    const int64_t first = till.sell("Cash", "TEA");
    till.sell("Refund", "TEA");
    till.sell("Payment", "ACCOUNT");
    till.window.run(Command::EmailDailyItems);
    const int64_t second = till.sell("EFT", "COFFEE");
    till.window.run(Command::EmailDailyItems); // the first may still be going out
    ASSERT_TRUE(till.waitForOutcomes(2));
    for (const auto &outcome : till.outcomes())
        EXPECT_EQ(outcome.text, "Report");

    const std::string teaLine = cformat(
        "101,TEA,0.00,2.50,0.25,0.00,1.20,2.75,%lld,1,Cash\r\n", static_cast<long long>(first));
    const std::string coffeeLine = cformat("101,COFFEE,0.00,2.50,0.25,0.00,1.20,2.75,%lld,1,EFT\r\n",
        static_cast<long long>(second));
    const auto mails = till.sink.received(2);
    ASSERT_EQ(mails.size(), 2u);
    std::vector<std::string> bodies;
    for (const auto &mail : mails) {
        const std::string &data = mail.data;
        const size_t start = data.find("Credit sales:");
        ASSERT_NE(start, std::string::npos);
        const size_t lines = data.find("\r\n", start) + 2;
        bodies.push_back(data.substr(lines));
    }
    std::sort(bodies.begin(), bodies.end(),
        [](const std::string &a, const std::string &b) { return a.size() < b.size(); });
    EXPECT_EQ(bodies[0], teaLine + "End report\r\n");
    EXPECT_EQ(bodies[1], teaLine + coffeeLine + "End report\r\n");
    // ES.CSV on disk holds what the last mail was made from.
    EXPECT_EQ(readBytes(till.file("ES.CSV")), teaLine + coffeeLine);
}

TEST(MailCommands, DebtorEmailGoesToTheCustomersOwnAddress)
{
    MailTill till;
    ASSERT_NE(till.sink.port(), 0);
    till.useSettings();
    CustomerRecord jones{};
    jones.number = 1042;
    writeText(jones.name, "JONES");
    writeText(jones.email, "jones@example.org");
    jones.balance = 37.5f;
    jones.group = 1;
    jones.terms = 1;
    ScriptedMessages quiet;
    ASSERT_TRUE(till.state.customers.insert(jones, quiet));
    till.add({7, "SMITH"});

    till.messages.textReplies = {std::string("7"), std::string("1042")};
    till.window.run(Command::DebtorEmail); // Smith has no Email
    EXPECT_EQ(till.messages.lastText(), "No email address");
    till.window.run(Command::DebtorEmail);
    ASSERT_TRUE(till.waitForOutcomes(2));
    EXPECT_EQ(till.outcomes()[1].text, "Report");
    const auto mails = till.sink.received(1);
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].to, "jones@example.org");
    EXPECT_NE(mails[0].data.find("TO: jones@example.org\r\n"), std::string::npos);
    EXPECT_NE(mails[0].data.find("Customer reference: 1042\r\n"), std::string::npos);
    EXPECT_NE(mails[0].data.find("\r\n37.50\r\n"), std::string::npos);
    EXPECT_EQ(till.sink.received(2, std::chrono::milliseconds(300)).size(), 1u);
}

TEST(MailCommands, WithoutSettingsTheDialogComesFirstAndCancelSendsNothing)
{
    MailTill till;
    ASSERT_NE(till.sink.port(), 0);
    whenModalOpens<MailSetupDialog>([](MailSetupDialog *dialog) {
        EXPECT_TRUE(clickNamed(dialog, "cancel"));
    });
    till.window.run(Command::EmailReport);
    EXPECT_EQ(till.window.backgroundJobs().running(), 0);
    EXPECT_TRUE(till.messages.shown.empty());
    EXPECT_FALSE(fileExists(till.file("wrmail.cfg")));
}

} // namespace
} // namespace ovix::test
