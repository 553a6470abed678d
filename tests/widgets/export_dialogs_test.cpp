// Utilities "Export" at the till: the settings dialog holds its OK until the
// range is right, "Finish" follows items or customers, the field dialog holds
// its OK until a field is ticked, and the file comes out as chosen.

#include "exchange/export_data.h"
#include "exchange/widgets/export_command.h"
#include "exchange/widgets/export_dialogs.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(ExportCommand, RefusesTheWrongRangeAndEmptyFieldsThenWritesTheCustomers)
{
    ExportShop shop(exportItems(), exportCustomers());
    ScriptedMessages messages;
    messages.textReplies.push_back(std::string("CUSTOMER.TXT"));
    bool settingsSeen = false;
    bool fieldsSeen = false;
    whenModalOpens<ExportDialog>([&](ExportDialog *dialog) {
        settingsSeen = true;
        EXPECT_EQ(child<QLineEdit>(dialog, "start")->text(), QStringLiteral("1"));
        EXPECT_EQ(child<QLineEdit>(dialog, "finish")->text(), QStringLiteral("30"));
        child<QRadioButton>(dialog, "customers")->setChecked(true);
        EXPECT_EQ(child<QLineEdit>(dialog, "finish")->text(), QStringLiteral("7"));
        child<QLineEdit>(dialog, "start")->setText(QStringLiteral("0"));
        ASSERT_TRUE(clickNamed(dialog, "ok"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(messages.lastText(), "Invalid range");
        child<QLineEdit>(dialog, "start")->setText(QStringLiteral("2"));
        whenModalOpens<ExportFieldDialog>(
            [&](ExportFieldDialog *fields) {
                fieldsSeen = true;
                EXPECT_EQ(fields->windowTitle(), QStringLiteral("Customer database"));
                for (size_t box = 0; box < kExportFieldCount; ++box) {
                    EXPECT_TRUE(fields->field(box)->isChecked());
                    fields->field(box)->setChecked(false);
                }
                ASSERT_TRUE(clickNamed(fields, "ok"));
                EXPECT_TRUE(fields->isVisible());
                EXPECT_EQ(messages.lastText(), "No field is ticked to export.");
                fields->field(0)->setChecked(true);
                fields->field(8)->setChecked(true);
                ASSERT_TRUE(clickNamed(fields, "ok"));
            },
            dialog);
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    QWidget parent;
    runExport(&parent, shop.shop, messages);
    EXPECT_TRUE(settingsSeen);
    EXPECT_TRUE(fieldsSeen);
    ASSERT_EQ(messages.proposals.size(), 1u);
    EXPECT_EQ(messages.proposals[0], "CUSTOMER.TXT");
    EXPECT_EQ(messages.lastText(), "Complete.");
    EXPECT_EQ(readBytes(shop.folder.file("CUSTOMER.TXT")), "3,-5.00\r\n7,12.34\r\n");
}

TEST(ExportCommand, AnEmptyFileNameEndsTheCommandWithoutAFile)
{
    ExportShop shop(exportItems(), exportCustomers());
    ScriptedMessages messages;
    messages.textReplies.push_back(std::string("  "));
    whenModalOpens<ExportDialog>([](ExportDialog *dialog) {
        child<QRadioButton>(dialog, "xml")->setChecked(true);
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    QWidget parent;
    runExport(&parent, shop.shop, messages);
    ASSERT_EQ(messages.proposals.size(), 1u);
    EXPECT_EQ(messages.proposals[0], "INVENTOR.XML");
    EXPECT_TRUE(messages.shown.size() <= 1u); // only the file name question
    EXPECT_FALSE(fileExists(shop.folder.file("INVENTOR.XML")));
}
