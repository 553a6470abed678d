// The customer letters as the till runs them: the debtor letters from the
// customer look-up to a PDF file read back with pdftotext, the "Mailmerge"
// dialog with its Load, Save and text limit, and a mailmerge run through the
// print preview to a PDF file of one page per customer.

#include "accounts/logic/mailmerge_text.h"
#include "accounts/widgets/customer_commands.h"
#include "accounts/widgets/letter_commands.h"
#include "accounts/widgets/mailmerge_dialog.h"
#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "sales/widgets/till_window.h"
#include "store/fixed_text.h"
#include "store/store_heading.h"
#include "till/sale_fixture.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace ovix;
using namespace ovix::test;

namespace {

class CommandWindow : public TillWindow {
public:
    void registerCommand(Command command, std::function<void()> work) override
    {
        commands[command] = std::move(work);
    }
    QWidget *widget() override
    {
        return nullptr;
    }
    void setTenderAmountBox(QWidget *) override
    {
    }
    void focusItemBox() override
    {
    }

    std::map<Command, std::function<void()>> commands;
};

class Letters : public ::testing::Test {
protected:
    void SetUp() override
    {
        setFixedLocalTime(kSaleTime);
        shop.state.heading = StoreHeading::sample();
        addCustomer(4021, "J SMITH & SONS", 123.45f, "09:1502/03/2026");
        addCustomer(4022, "A JONES", 0.0f, "NEW");
        connectCustomerCommands(window, shop.state, messages);
    }
    void TearDown() override
    {
        setFixedLocalTime(std::nullopt);
    }

    void addCustomer(int64_t number, const char *name, float balance, const char *lastUsed)
    {
        const int64_t slot = shop.addCustomer(number, name, balance);
        CustomerRecord record {};
        ScriptedMessages quiet;
        ASSERT_TRUE(shop.state.customers.readRecord(slot, record, quiet));
        writeText(record.road, "12 MILL LANE");
        writeText(record.customer_last_used, lastUsed);
        ASSERT_TRUE(shop.state.customers.writeRecord(slot, record, quiet));
    }

    // Runs `run`, prints from the preview, and gives the new printout's text
    // ("" when there is not exactly one).
    std::string printed(const std::function<void()> &run)
    {
        whenModalOpens<QPrintPreviewDialog>(
            [](QPrintPreviewDialog *preview) { EXPECT_TRUE(clickNamed(preview, "previewPrint")); });
        run();
        const QStringList files = printouts();
        if (files.size() != 1)
            return "";
        return pdfText(shop.temp.file("printouts/" + files.front().toStdString()));
    }
    QStringList printouts() const
    {
        return QDir(QString::fromStdString(shop.temp.file("printouts")))
            .entryList({ QStringLiteral("*.pdf") });
    }
    // Runs the mailmerge with the dialog filled in by `fill`, then OK.
    void mailmerge(const std::function<void(MailmergeDialog *)> &fill)
    {
        whenModalOpens<MailmergeDialog>([fill](MailmergeDialog *dialog) {
            fill(dialog);
            EXPECT_TRUE(clickNamed(dialog, "ok"));
        });
        runMailmerge(nullptr, shop.state, messages);
    }

    SaleShop shop;
    ScriptedMessages messages;
    CommandWindow window;
};

} // namespace

TEST_F(Letters, DebtorLettersPrintToAPdfFileThatReadsBack)
{
    struct Case {
        Command command;
        std::vector<const char *> texts;
    };
    const Case cases[] = {
        { Command::DebtorLetterOne,
            { "YOUR SHOP NAME", "J SMITH & SONS", "12 MILL LANE", "Mar 5 2026",
                "Customer reference: 4021", "now overdue: 123.45", "Yours sincerely,",
                "Manager" } },
        { Command::DebtorLetterTwo,
            { "FINAL NOTICE", "Customer reference: 4021", "is still overdue: 123.45",
                "Please remit the amount by return." } },
    };
    for (const Case &c : cases) {
        QDir(QString::fromStdString(shop.temp.file("printouts"))).removeRecursively();
        messages.textReplies = { "4021" };
        const std::string text = printed(window.commands.at(c.command));
        ASSERT_FALSE(text.empty()) << messages.lastText();
        for (const char *expected : c.texts)
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
        EXPECT_EQ(text.find("FINAL NOTICE") != std::string::npos,
            c.command == Command::DebtorLetterTwo);
    }
}

TEST_F(Letters, ADebtorLetterToACustomerWhoOwesNothingIsRefused)
{
    messages.textReplies = { "4022" };
    window.commands.at(Command::DebtorLetterTwo)();
    EXPECT_EQ(messages.lastText(), "No amount is outstanding");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_TRUE(printouts().empty());
}

TEST_F(Letters, TheMailmergeDialogOpensOnTheCustomersOnFile)
{
    MailmergeDialog dialog(mailmergePresets(shop.state), messages, {}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Mailmerge");
    EXPECT_EQ(dialog.startBox()->text(), "4021");
    EXPECT_EQ(dialog.endBox()->text(), "4022");
    QStringList choices;
    for (int i = 0; i < dialog.selectionBox()->count(); ++i)
        choices << dialog.selectionBox()->itemText(i);
    EXPECT_EQ(choices, QStringList({ "All", "Owe money", "Not active this year" }));
    EXPECT_EQ(dialog.selection(), MailmergeSelection::All);
    EXPECT_TRUE(dialog.textBox()->toPlainText().isEmpty());

    // Typing stops at 998 characters, each line break counting two.
    dialog.textBox()->setPlainText(QString(500, QLatin1Char('a')) + QLatin1Char('\n')
        + QString(600, QLatin1Char('b')));
    EXPECT_EQ(dialog.text().size(), kMailmergeTypedLength);
    EXPECT_EQ(dialog.text().substr(499, 4), "a\r\nb");
}

TEST_F(Letters, LoadAndSaveKeepTheTextInAFile)
{
    const std::string letter = shop.temp.file("letter.txt");
    writeBytes(letter, "Dear friends,\r\nOur sale starts soon.");
    const std::string huge = shop.temp.file("huge.txt");
    writeBytes(huge, std::string(1001, 'x'));
    std::string chosen;
    MailmergeDialog dialog(mailmergePresets(shop.state), messages,
        [&chosen](bool) { return std::optional<std::string>(chosen); }, nullptr);

    chosen = letter;
    dialog.loadButton()->click();
    EXPECT_EQ(dialog.textBox()->toPlainText(), "Dear friends,\nOur sale starts soon.");
    EXPECT_EQ(dialog.text(), "Dear friends,\r\nOur sale starts soon.");

    chosen = huge;
    dialog.loadButton()->click();
    EXPECT_EQ(messages.lastText(), "File of incorrect type");
    chosen = shop.temp.file("missing.txt");
    dialog.loadButton()->click();
    EXPECT_EQ(messages.lastText(), "File not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_EQ(dialog.text(), "Dear friends,\r\nOur sale starts soon.");

    dialog.textBox()->setPlainText(QStringLiteral("One\nTwo"));
    chosen = shop.temp.file("saved.txt");
    dialog.saveButton()->click();
    EXPECT_EQ(readBytes(chosen), "One\r\nTwo");

    // A 1000-byte file loads whole, though it is longer than can be typed.
    writeBytes(huge, std::string(1000, 'y'));
    chosen = huge;
    dialog.loadButton()->click();
    EXPECT_EQ(dialog.text(), std::string(1000, 'y'));
}

TEST_F(Letters, AMailmergeRunPrintsAPagePerCustomerInThePreviewFirst)
{
    const std::string text = printed([this] {
        mailmerge([](MailmergeDialog *dialog) {
            dialog->textBox()->setPlainText(QStringLiteral("Our sale starts soon.\nDo come."));
        });
    });
    ASSERT_FALSE(text.empty()) << messages.lastText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2) << text;
    for (const char *expected : { "Customer number: 4021", "Customer number: 4022",
             "Our sale starts soon.", "Do come.", "5 Mar 2026", "-------------------" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_LT(text.find("4021"), text.find("4022"));
}

TEST_F(Letters, AMailmergeThatSelectsNobodyPrintsNothing)
{
    struct Case {
        const char *name;
        const char *start;
        const char *end;
        int selection;
    };
    const Case cases[] = {
        { "no debtors in the range", "4022", "4022", 1 },
        { "start 0", "0", "5000", 0 },
        { "end below the start", "4022", "4021", 0 },
    };
    for (const Case &c : cases) {
        mailmerge([&c](MailmergeDialog *dialog) {
            dialog->startBox()->setText(QString::fromLatin1(c.start));
            dialog->endBox()->setText(QString::fromLatin1(c.end));
            dialog->selectionBox()->setCurrentIndex(c.selection);
        });
        EXPECT_TRUE(printouts().empty()) << c.name;
        EXPECT_TRUE(messages.shown.empty()) << c.name << ": " << messages.lastText();
    }
}
