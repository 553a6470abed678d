#include "sync/logic/sync_config.h"
#include "sync/widgets/configuration_dialog.h"
#include "sync/widgets/field_selection_dialog.h"
#include "sync/widgets/tag_names_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace ovix;

namespace {

SyncConfig storedSettings()
{
    SyncConfig config;
    config.setDefaultElementNames();
    config.setText(ConfigText::FtpServer, QStringLiteral("ftp.shop.test"));
    config.setText(ConfigText::FtpUserName, QStringLiteral("shop"));
    config.setText(ConfigText::FtpPassword, QStringLiteral("secret"));
    config.setText(ConfigText::RemoteFolder, QStringLiteral("www"));
    config.setText(ConfigText::UploadFileName, QStringLiteral("inventor.xml"));
    config.setUploadInterval(2);
    return config;
}

} // namespace

TEST(SyncConfigurationDialog, ShowsTheSettingsAndSwitchesTheFileNameWithTheFormat)
{
    const SyncConfig config = storedSettings();
    ConfigurationDialog dialog(config);
    EXPECT_EQ(dialog.windowTitle(), "ovixsync configuration");
    auto *name = dialog.findChild<QLineEdit *>("uploadFileName");
    auto *password = dialog.findChild<QLineEdit *>("ftpPassword");
    auto *xml = dialog.findChild<QRadioButton *>("xml");
    auto *csv = dialog.findChild<QRadioButton *>("csv");
    ASSERT_TRUE(name && password && xml && csv);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(name->maxLength(), 259);
    EXPECT_TRUE(xml->isChecked());

    csv->click();
    EXPECT_EQ(name->text(), "inventor.csv");
    xml->click();
    EXPECT_EQ(name->text(), "inventor.xml");
    name->setText(QStringLiteral("data"));
    csv->click();
    EXPECT_EQ(name->text(), "data");

    dialog.findChild<QCheckBox *>("localFileOnly")->setChecked(true);
    const ConfigurationChoice choice = dialog.choice();
    EXPECT_EQ(choice.ftpServer, "ftp.shop.test");
    EXPECT_EQ(choice.ftpPassword, "secret");
    EXPECT_EQ(choice.uploadFileName, "data");
    EXPECT_EQ(choice.uploadInterval, 2);
    EXPECT_TRUE(choice.localFileOnly);
    EXPECT_EQ(choice.fileFormat, FileFormat::Csv);
    EXPECT_EQ(dialog.findChild<QComboBox *>("uploadInterval")->itemText(4), "20 minutes");

    SyncConfig damaged = config; // an interval out of range is not selected
    damaged.setUploadInterval(9);
    EXPECT_EQ(ConfigurationDialog(damaged).choice().uploadInterval, -1);
}

TEST(SyncFieldSelectionDialog, NumberAndDescriptionStayAndOkStoresTheRest)
{
    SyncConfig config = storedSettings();
    config.setIncluded(OptionalField::Notes, false);
    {
        FieldSelectionDialog dialog(config);
        EXPECT_EQ(dialog.windowTitle(), "Selection");
        for (const char *fixed : { "number", "description" }) {
            auto *box = dialog.findChild<QCheckBox *>(fixed);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->isChecked());
            EXPECT_FALSE(box->isEnabled());
        }
        EXPECT_FALSE(dialog.box(OptionalField::Notes)->isChecked());
        dialog.box(OptionalField::Sku1)->setChecked(false);
        dialog.reject();
    }
    EXPECT_TRUE(config.isIncluded(OptionalField::Sku1));

    FieldSelectionDialog dialog(config);
    dialog.box(OptionalField::Sku1)->setChecked(false);
    dialog.box(OptionalField::TotalSold)->setChecked(false);
    dialog.box(OptionalField::Notes)->setChecked(true);
    dialog.accept();
    for (int i = 0; i < kOptionalFieldCount; ++i) {
        const auto field = static_cast<OptionalField>(i);
        EXPECT_EQ(config.isIncluded(field),
            field != OptionalField::Sku1 && field != OptionalField::TotalSold)
            << i;
    }
}

TEST(SyncTagNamesDialog, OkStoresAtMost18CharactersAndDefaultsRestoreAndClose)
{
    SyncConfig config = storedSettings();
    {
        TagNamesDialog dialog(config);
        EXPECT_EQ(dialog.windowTitle(), "XML tag field output names");
        EXPECT_EQ(dialog.box(Element::CostPrice)->text(), "cost_price");
        dialog.box(Element::Item)->setText(QStringLiteral("product"));
        dialog.box(Element::Notes)->setText(QStringLiteral("a_name_much_longer_than_allowed"));
        dialog.accept();
    }
    EXPECT_EQ(config.elementName(Element::Item), "product");
    EXPECT_EQ(config.elementName(Element::Notes), "a_name_much_longer");
    EXPECT_EQ(config.elementName(Element::Number), "number");

    TagNamesDialog dialog(config);
    dialog.open();
    dialog.box(Element::Number)->setText(QStringLiteral("changed"));
    ASSERT_EQ(dialog.defaultsButton()->text(), "Defaults");
    dialog.defaultsButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(config.elementName(Element::Item), "item");
    EXPECT_EQ(config.elementName(Element::Notes), "notes");
    EXPECT_EQ(config.elementName(Element::Number), "number");
}
