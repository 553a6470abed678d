#include "platform/scripted_messages.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "print/logic/custom_receipt_settings.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

size_t at(ReceiptField field)
{
    return static_cast<size_t>(field);
}

TEST(CustomReceiptSettings, StoresEveryFieldWhereTheReceiptReadsIt)
{
    std::string bytes(kTillConfigSize, '\0');
    TillConfig config = blockOf(bytes);
    ScriptedMessages messages;

    CustomReceiptSettings settings = loadCustomReceiptSettings(config);
    EXPECT_TRUE(settings.logo); // a zero block includes the logo
    EXPECT_EQ(settings.lines[at(ReceiptField::Date)], "0");
    for (int index = 0; index < kReceiptFieldCount; ++index)
        settings.lines[static_cast<size_t>(index)] = std::to_string(index + 1);
    settings.noteLine = " 40 ";
    settings.texts = { "Thank you", "Open 9-5", "See you soon" };
    settings.cutterSequence = "27,112,0,75,250";
    settings.cutterPortIndex = 9;
    settings.blankLinesIndex = 19;
    settings.itemsCentred = true;
    settings.barcode = true;
    settings.logo = false;
    settings.secondCurrency = true;
    settings.markExempt = true;
    settings.excludingTax = true;
    ASSERT_TRUE(applyCustomReceiptSettings(config, settings, messages));
    EXPECT_TRUE(messages.shown.empty());

    const std::string stored = bytesOf(config);
    for (size_t field = 0; field <= 18; ++field)
        EXPECT_EQ(getI32(stored, 33234 + 4 * field), int32_t(field + 1)) << field;
    EXPECT_EQ(getI32(stored, 40870), 20); // Text 1-3 lines
    EXPECT_EQ(getI32(stored, 40878), 22);
    EXPECT_EQ(getI32(stored, 40898), 23); // payment type
    EXPECT_EQ(getI32(stored, 40926), 24); // customer address 1 ... telephone
    EXPECT_EQ(getI32(stored, 40942), 28);
    EXPECT_EQ(getI32(stored, 40906), 40); // transaction note
    EXPECT_EQ(getText(stored, 33034, 50), "Thank you");
    EXPECT_EQ(getText(stored, 33134, 50), "See you soon");
    EXPECT_EQ(getText(stored, 33184, 50), "27,112,0,75,250");
    EXPECT_EQ(getI32(stored, 40886), 9); // LPT2
    EXPECT_EQ(getI32(stored, 40882), 19); // "20"
    EXPECT_EQ(getI32(stored, 40654), 2); // logo left out
    for (size_t offset : { 40658, 40662, 40890, 40894, 40902 })
        EXPECT_EQ(getI32(stored, offset), 2) << offset;

    settings.logo = true;
    settings.excludingTax = false;
    settings.barcode = false;
    ASSERT_TRUE(applyCustomReceiptSettings(config, settings, messages));
    EXPECT_EQ(getI32(bytesOf(config), 40654), 0);
    EXPECT_EQ(getI32(bytesOf(config), 40902), 0);
    EXPECT_EQ(getI32(bytesOf(config), 40658), 0);
    EXPECT_EQ(loadCustomReceiptSettings(config).lines[at(ReceiptField::CustomerPhone)], "28");
}

TEST(CustomReceiptSettings, LineValuesOutsideZeroToFortyKeepThePreviousOne)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 33234 + 4 * 6, 5); // date on line 5
    putI32(bytes, 40898, 7); // payment type on line 7
    TillConfig config = blockOf(bytes);
    ScriptedMessages messages;

    CustomReceiptSettings settings = loadCustomReceiptSettings(config);
    for (const char *typed : { "41", "-1", "abc", "", "3.5", "99999999999999999999" }) {
        settings.lines[at(ReceiptField::Date)] = typed;
        settings.lines[at(ReceiptField::PaymentType)] = typed;
        ASSERT_TRUE(applyCustomReceiptSettings(config, settings, messages));
        EXPECT_EQ(getI32(bytesOf(config), 33234 + 4 * 6), 5) << typed;
        EXPECT_EQ(getI32(bytesOf(config), 40898), 7) << typed;
    }
    settings.lines[at(ReceiptField::Date)] = std::string("0");
    settings.lines[at(ReceiptField::PaymentType)] = "40";
    ASSERT_TRUE(applyCustomReceiptSettings(config, settings, messages));
    EXPECT_EQ(getI32(bytesOf(config), 33234 + 4 * 6), 0);
    EXPECT_EQ(getI32(bytesOf(config), 40898), 40);
    EXPECT_TRUE(messages.shown.empty()); // the rule is silent, as on the other pages
}

TEST(CustomReceiptSettings, DamagedStoredValuesShowClamped)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 33234 + 4 * 16, 77); // receipt number line
    putI32(bytes, 40906, -3); // note line
    putI32(bytes, 40886, 12); // cutter port
    putI32(bytes, 40882, 25); // blank lines
    const CustomReceiptSettings settings = loadCustomReceiptSettings(blockOf(bytes));
    EXPECT_EQ(settings.lines[at(ReceiptField::Receipt)], "0");
    EXPECT_EQ(settings.noteLine, "0");
    EXPECT_EQ(settings.cutterPortIndex, 0);
    EXPECT_EQ(settings.blankLinesIndex, 0);
}

TEST(CustomReceiptSettings, TextsKeepFortyEightCharacters)
{
    TillConfig config;
    ScriptedMessages messages;
    CustomReceiptSettings settings = loadCustomReceiptSettings(config);
    settings.texts[1] = std::string(60, 'x');
    ASSERT_TRUE(applyCustomReceiptSettings(config, settings, messages));
    EXPECT_EQ(getText(bytesOf(config), 33084, 50), std::string(48, 'x'));
}

TEST(CustomReceiptSettings, CutterSequenceThatCannotBeSentIsRefusedAndNothingStored)
{
    std::string bytes(kTillConfigSize, '\0');
    putText(bytes, 33184, "27,105");
    putI32(bytes, 33234 + 4 * 6, 5);
    const TillConfig original = blockOf(bytes);
    for (const char *typed : { "27,p,0", "27,256", "27,-1", "27;105", "+27",
             "27,112,0,75,250,27,112,0,75,250,1" /* 33 characters */ }) {
        TillConfig config = original;
        ScriptedMessages messages;
        CustomReceiptSettings settings = loadCustomReceiptSettings(config);
        settings.cutterSequence = typed;
        settings.lines[at(ReceiptField::Date)] = std::string("9");
        EXPECT_FALSE(applyCustomReceiptSettings(config, settings, messages)) << typed;
        EXPECT_EQ(bytesOf(config), bytes) << typed;
        ASSERT_EQ(messages.shown.size(), 1u) << typed;
        EXPECT_EQ(messages.lastCaption(), "Problem");
        EXPECT_NE(messages.lastText().find("27,112,0,75,250"), std::string::npos);
        EXPECT_EQ(messages.beeps, 1);
    }
    for (const char *typed :
        { "", "7", " 27 , 105 ", "27,,64", "27,112,0,75,250,27,112,0,75,25,1" })
        EXPECT_FALSE(cutterSequenceProblem(typed)) << typed;
}

} // namespace
