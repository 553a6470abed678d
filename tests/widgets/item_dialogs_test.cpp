// The Inventory popup's maintenance commands driven offscreen through their
// real dialogs: New line with its refusals, Next, Copy and the ready
// reckoner; Amend by number, by description and of a bundle (in the bundle
// dialog); Delete; Add
// custom image; the item view's Next; and at the whole till, an amendment
// showing at once on the quick-select buttons.

#include "inventory/widgets/bundle_dialog.h"
#include "inventory/widgets/inventory_commands.h"
#include "inventory/widgets/item_dialog.h"
#include "inventory/widgets/item_view_dialog.h"
#include "platform/sounds.h"
#include "sales/logic/basket.h"
#include "support/recording_sale_devices.h"
#include "till/sale_fixture.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/quick_select_buttons.h"
#include "till/widgets/sale_screen.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct ItemTill {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    ScriptedMessages messages;
    MainWindow window { shop.state, messages };
    std::vector<int> sounds;
    int changed = 0;
    std::vector<std::string> searched;

    ItemTill()
    {
        InventoryHooks hooks;
        hooks.itemsChanged = [this] { ++changed; };
        hooks.playSound = [this](int sound) { sounds.push_back(sound); };
        hooks.findByDescription = [this](QWidget *, const std::string &text) -> int64_t {
            searched.push_back(text);
            return text == "MILK" ? 102 : 0;
        };
        hooks.chooseBitmap = [this](QWidget *) {
            return QString::fromStdString(shop.temp.file("chosen.bmp"));
        };
        connectInventoryCommands(window, shop.state, messages, hooks);
    }
    std::optional<ItemRecord> item(int64_t number)
    {
        ScriptedMessages quiet;
        std::optional<int64_t> slot = shop.state.items.slotOf(number);
        ItemRecord record {};
        if (!slot || !shop.state.items.readRecord(*slot, record, quiet))
            return std::nullopt;
        return record;
    }
};

QLineEdit *box(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
}

// Types a new item that every rule accepts, over what the dialog holds.
void typeAcceptableItem(ItemDialog *dialog, const char *description)
{
    typeInto(box(dialog, "description"), QString::fromLatin1(description));
    typeInto(box(dialog, "retailPrice"), QStringLiteral("2.25"));
    typeInto(box(dialog, "costPrice"), QStringLiteral("1.10"));
    typeInto(box(dialog, "quantity"), QStringLiteral("6"));
}

std::string bitmap()
{
    std::string bytes(70, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putI32(bytes, 2, 70);
    putI32(bytes, 10, 54);
    putI32(bytes, 14, 40);
    putI32(bytes, 18, 2);
    putI32(bytes, 22, 2);
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

} // namespace

TEST(ItemDialogs, NewLineOffersANumberAndStoresWhatIsTyped)
{
    ItemTill till;
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "New inventory");
        EXPECT_EQ(box(dialog, "number")->text(), "1");
        EXPECT_FALSE(box(dialog, "number")->isReadOnly());
        EXPECT_EQ(box(dialog, "retailPrice")->text(), "0.00");
        EXPECT_TRUE(button(dialog, "copy")->isVisible());
        EXPECT_TRUE(button(dialog, "next")->isVisible());
        typeAcceptableItem(dialog, "jam jar"); // the box forces capitals
        EXPECT_EQ(box(dialog, "description")->text(), "JAM JAR");
        button(dialog, "ok")->click();
    });
    till.window.runCommand(Command::InventoryNewLine);
    const std::optional<ItemRecord> jam = till.item(1);
    ASSERT_TRUE(jam);
    EXPECT_EQ(readText(jam->description), "JAM JAR");
    EXPECT_EQ(moneyCents(jam->retail_price), 225);
    EXPECT_EQ(till.sounds, std::vector<int> { kKeySound });
    EXPECT_EQ(till.changed, 1);

    till.shop.state.config.set(cfg::soundOff, 2);
    till.shop.state.config.set(cfg::noNumberOnNewItem, 1);
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        EXPECT_EQ(box(dialog, "number")->text(), "");
        typeInto(box(dialog, "number"), QStringLiteral("44"));
        typeAcceptableItem(dialog, "JELLY");
        button(dialog, "ok")->click();
    });
    till.window.runCommand(Command::InventoryNewLine);
    EXPECT_TRUE(till.item(44));
    EXPECT_EQ(till.sounds.size(), 1u); // sounds off: no click
}

TEST(ItemDialogs, ARefusedItemComesBackAsTypedInTheAmendForm)
{
    ItemTill till;
    QPointer<QWidget> first;
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        first = dialog;
        typeAcceptableItem(dialog, "JAM");
        typeInto(box(dialog, "retailPrice"), QStringLiteral("20000.01"));
        typeInto(box(dialog, "notes"), QStringLiteral("KEEP ME"));
        button(dialog, "ok")->click();
        whenModalOpens<ItemDialog>(
            [&](ItemDialog *again) {
                EXPECT_EQ(till.messages.lastText(), "Invalid retail price, limit 20000.00");
                EXPECT_EQ(again->windowTitle(), "Amend inventory");
                EXPECT_TRUE(box(again, "number")->isReadOnly());
                EXPECT_FALSE(button(again, "copy")->isVisible());
                EXPECT_FALSE(button(again, "next")->isVisible());
                EXPECT_EQ(box(again, "retailPrice")->text(), "20000.01");
                EXPECT_EQ(box(again, "notes")->text(), "KEEP ME");
                typeInto(box(again, "retailPrice"), QStringLiteral("20000.00"));
                button(again, "ok")->click();
            },
            first);
    });
    till.window.runCommand(Command::InventoryNewLine);
    const std::optional<ItemRecord> jam = till.item(1);
    ASSERT_TRUE(jam);
    EXPECT_EQ(moneyCents(jam->retail_price), 2000000);
    EXPECT_EQ(readText(jam->notes), "KEEP ME");
    EXPECT_EQ(till.messages.beeps, 1);
}

TEST(ItemDialogs, ANumberPastSixtyFourBitsIsRefusedAndLeftOpenToPutRight)
{
    ItemTill till;
    QPointer<QWidget> first;
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        first = dialog;
        typeInto(box(dialog, "number"), QStringLiteral("99999999999999999999"));
        EXPECT_EQ(box(dialog, "number")->text().size(), 19);
        typeAcceptableItem(dialog, "JAM");
        button(dialog, "ok")->click();
        whenModalOpens<ItemDialog>(
            [&](ItemDialog *again) {
                EXPECT_EQ(till.messages.lastText(), "Number outside range.");
                EXPECT_FALSE(box(again, "number")->isReadOnly());
                typeInto(box(again, "number"), QStringLiteral("7"));
                button(again, "ok")->click();
            },
            first);
    });
    till.window.runCommand(Command::InventoryNewLine);
    EXPECT_TRUE(till.item(7));
    EXPECT_EQ(till.shop.state.items.liveCount(), 4);
}

TEST(ItemDialogs, NextStoresAndOffersTheNextNumberCopyKeepsTheBoxes)
{
    ItemTill till;
    QPointer<QWidget> first;
    QPointer<QWidget> second;
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        first = dialog;
        typeAcceptableItem(dialog, "JAM");
        button(dialog, "next")->click();
        whenModalOpens<ItemDialog>(
            [&](ItemDialog *blank) {
                second = blank;
                EXPECT_EQ(blank->windowTitle(), "New inventory");
                EXPECT_EQ(box(blank, "number")->text(), "2");
                EXPECT_EQ(box(blank, "description")->text(), "");
                typeAcceptableItem(blank, "MARMALADE");
                typeInto(box(blank, "location"), QStringLiteral("SHELF 4"));
                button(blank, "copy")->click();
                whenModalOpens<ItemDialog>(
                    [&](ItemDialog *copy) {
                        EXPECT_EQ(box(copy, "number")->text(), "3");
                        EXPECT_EQ(box(copy, "description")->text(), "MARMALADE");
                        EXPECT_EQ(box(copy, "location")->text(), "SHELF 4");
                        button(copy, "cancel")->click();
                    },
                    second);
            },
            first);
    });
    till.window.runCommand(Command::InventoryNewLine);
    EXPECT_TRUE(till.item(1));
    EXPECT_TRUE(till.item(2));
    EXPECT_FALSE(till.item(3));
    EXPECT_TRUE(till.sounds.empty()); // the click follows OK only
    EXPECT_EQ(till.changed, 2);
}

TEST(ItemDialogs, TheReckonerWritesThePriceWithoutTaxIntoRetailPrice)
{
    ItemTill till;
    till.shop.state.config.set(cfg::taxOneRate, 1750);
    till.shop.state.config.set(cfg::taxTwoRate, 500);
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        auto *tax = dialog->findChild<QComboBox *>(QStringLiteral("taxCode"));
        tax->setCurrentIndex(2); // "Tax 1"
        auto *one = dialog->findChild<QCheckBox *>(QStringLiteral("taxOneTick"));
        auto *two = dialog->findChild<QCheckBox *>(QStringLiteral("taxTwoTick"));
        EXPECT_TRUE(one->isChecked());
        EXPECT_FALSE(two->isChecked());
        QTest::keyClicks(box(dialog, "priceWithTax"), QStringLiteral("11.75"));
        EXPECT_EQ(box(dialog, "priceWithoutTax")->text(), "10.00");
        EXPECT_EQ(box(dialog, "retailPrice")->text(), "10.00");
        two->setChecked(true); // 22.50 % in all
        EXPECT_EQ(box(dialog, "retailPrice")->text(), "9.59");
        button(dialog, "cancel")->click();
    });
    till.window.runCommand(Command::InventoryNewLine);
    EXPECT_EQ(till.shop.state.items.liveCount(), 3);
}

TEST(ItemDialogs, AmendFindsByNumberOrDescriptionAndKeepsTheNumber)
{
    ItemTill till;
    till.messages.textReplies = { std::string("102") };
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Amend inventory");
        EXPECT_EQ(box(dialog, "number")->text(), "102");
        EXPECT_TRUE(box(dialog, "number")->isReadOnly());
        EXPECT_EQ(box(dialog, "description")->text(), "MILK");
        EXPECT_FALSE(button(dialog, "next")->isVisible());
        typeInto(box(dialog, "description"), QStringLiteral("OAT MILK"));
        button(dialog, "ok")->click();
    });
    till.window.runCommand(Command::InventoryAmend);
    EXPECT_EQ(till.messages.shown.front().text, "Amend item");
    EXPECT_EQ(readText(till.item(102)->description), "OAT MILK");
    EXPECT_EQ(till.sounds, std::vector<int> { kKeySound });
    EXPECT_EQ(till.changed, 1);

    // Text that is not a number goes to the description search.
    till.messages.textReplies = { std::string("MILK"), std::string("NOTHING LIKE IT") };
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        EXPECT_EQ(box(dialog, "number")->text(), "102");
        button(dialog, "cancel")->click();
    });
    till.window.runCommand(Command::InventoryAmend);
    till.window.runCommand(Command::InventoryAmend); // finds nothing: no dialog
    EXPECT_EQ(till.searched, (std::vector<std::string> { "MILK", "NOTHING LIKE IT" }));
    EXPECT_EQ(till.changed, 1);
}

TEST(ItemDialogs, ABundleIsAmendedInTheBundleDialogAndStaysABundle)
{
    ItemTill till;
    ItemRecord bundle {};
    bundle.number = 200;
    writeText(bundle.description, "BREAKFAST");
    writeText(bundle.format, "101");
    writeText(bundle.component_2, "102");
    bundle.component_quantity[0] = 2;
    bundle.component_quantity[1] = 1;
    bundle.component_free[1] = 2;
    bundle.record_kind = 2;
    ASSERT_TRUE(till.shop.state.items.insert(bundle, till.messages));
    till.messages.textReplies = { std::string("200") };
    whenModalOpens<BundleDialog>([&](BundleDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Amend bundle");
        EXPECT_TRUE(dialog->findChild<QLineEdit *>(QStringLiteral("number"))->isReadOnly());
        EXPECT_EQ(dialog->componentNumber(0)->text(), "101");
        EXPECT_EQ(dialog->componentQuantity(0)->currentText(), "2");
        EXPECT_TRUE(dialog->componentFree(1)->isChecked());
        dialog->findChild<QLineEdit *>(QStringLiteral("description"))->setText("BREAKFAST BOX");
        dialog->removeComponent(1);
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::InventoryAmend);
    const std::optional<ItemRecord> stored = till.item(200);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->record_kind, 2);
    EXPECT_EQ(readText(stored->description), "BREAKFAST BOX");
    EXPECT_EQ(readText(stored->format), "101");
    EXPECT_EQ(readText(stored->component_2), "");
    EXPECT_EQ(till.changed, 1);
}

TEST(ItemDialogs, DeleteAsksAndFreesTheItem)
{
    ItemTill till;
    till.messages.textReplies = { std::string("103"), std::string("101") };
    till.messages.answers = { Answer::Ok, Answer::Cancel };
    till.window.runCommand(Command::InventoryDelete);
    EXPECT_FALSE(till.item(103));
    EXPECT_EQ(till.changed, 1);
    till.window.runCommand(Command::InventoryDelete);
    EXPECT_TRUE(till.item(101));
    EXPECT_EQ(till.messages.lastCaption(), "101 Item: TEA");
    EXPECT_EQ(till.changed, 1);
}

TEST(ItemDialogs, ACustomImageIsCopiedAndTheButtonsRebuilt)
{
    ItemTill till;
    writeBytes(till.shop.temp.file("chosen.bmp"), bitmap());
    till.messages.textReplies = { std::string("101") };
    till.window.runCommand(Command::InventoryAddCustomImage);
    EXPECT_EQ(till.messages.shown.front().text, "Add image to inventory number:");
    EXPECT_EQ(readBytes(till.shop.temp.file("m101.bmp")), bitmap());
    EXPECT_EQ(till.item(101)->own_picture, 1);
    EXPECT_EQ(till.messages.lastText(), "Updated.");
    EXPECT_EQ(till.changed, 1);

    // Its own picture is offered again after the stock pictures in Amend.
    till.messages.textReplies = { std::string("101") };
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        auto *picture = dialog->findChild<QLabel *>(QStringLiteral("picture"));
        EXPECT_EQ(picture->toolTip(), "m101.bmp");
        button(dialog, "pictureBack")->click();
        EXPECT_EQ(picture->toolTip(), "STOCK1.bmp");
        button(dialog, "ok")->click();
    });
    till.window.runCommand(Command::InventoryAmend);
    EXPECT_EQ(till.item(101)->own_picture, 0);
    EXPECT_EQ(till.item(101)->picture_number, 1);
}

TEST(ItemDialogs, TheItemViewStepsToTheNextHigherNumber)
{
    ItemTill till;
    ItemViewDialog view(till.shop.state, 101, till.messages, &till.window);
    EXPECT_EQ(view.valueBox(QStringLiteral("Description"))->text(), "TEA");
    EXPECT_EQ(view.valueBox(QStringLiteral("Sell by"))->text(), "Not set");
    EXPECT_EQ(view.valueBox(QStringLiteral("SOR"))->text(), "NO");
    EXPECT_TRUE(view.showNext());
    EXPECT_EQ(view.shownNumber(), 102);
    EXPECT_EQ(view.valueBox(QStringLiteral("Description"))->text(), "MILK");
    EXPECT_TRUE(view.showNext());
    EXPECT_FALSE(view.showNext());
    EXPECT_EQ(view.shownNumber(), 103);
    EXPECT_EQ(till.messages.beeps, 1);
}

TEST(ItemDialogs, AnAmendmentShowsAtOnceOnTheQuickSelectButtons)
{
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    shop.state.config.set(cfg::quickSelectCurrent, kAllCategories);
    ScriptedMessages messages;
    RecordingSaleDevices devices;
    Basket basket {};
    Basket saved {};
    MainWindow window { shop.state, messages };
    auto *screen = new SaleScreen(window, shop.state, basket, saved, messages);
    connectTillCommands(window, *screen, shop.state, basket, messages, devices);
    ASSERT_EQ(screen->quickSelect().slot(0).description, "TEA");

    messages.textReplies = { std::string("101") };
    whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
        typeInto(box(dialog, "description"), QStringLiteral("GREEN TEA"));
        button(dialog, "ok")->click();
    });
    QTest::keyClick(screen->itemBox(), Qt::Key_F3);
    EXPECT_EQ(screen->quickSelect().slot(0).description, "GREEN TEA");
    EXPECT_EQ(screen->quickSelect().quickButton(0)->descriptionText(), "GREEN TEA");
}

TEST(ItemDialogs, TheItemDialogAndTheViewFitAnEightHundredBySixHundredScreen)
{
    ItemTill till;
    ItemForm form = newItemForm(till.shop.state.config, till.shop.state.items, kSaleTime);
    ItemDialog dialog(till.shop.state, form, ItemDialogForm::New, &till.window);
    dialog.show();
    EXPECT_LE(dialog.width(), 800);
    EXPECT_LE(dialog.height(), 600);
    ItemViewDialog view(till.shop.state, 101, till.messages, &till.window);
    view.show();
    EXPECT_LE(view.width(), 800);
    EXPECT_LE(view.height(), 600);
}
