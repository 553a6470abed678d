#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "print/logic/device_pages.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

const std::vector<PrinterChoice> kPrinters
    = { { "Counter", "Epson TM T88" }, { "Kitchen", "" } };

TEST(ReceiptsPage, StoresEveryControlByteForByte)
{
    std::string bytes(kTillConfigSize, '\0');
    putI64(bytes, 952, 1); // print dialog shown
    TillConfig config = blockOf(bytes);

    ReceiptsPageInput input = loadReceiptsPage(config, kPrinters);
    EXPECT_FALSE(input.omitPrintConfirm);
    EXPECT_EQ(input.printerIndex, 0);
    input.printerIndex = 1;
    input.omitPrintConfirm = true;
    input.autoReceiptIndex = 4;
    input.copiesIndex = 2;
    input.kitchenReceipt = true;
    input.itemsCentred = true;
    input.barcode = true;
    input.logo = true;
    input.exclusiveOfTax = true;
    input.printToPageWidth = true;
    input.wordWrap = true;
    input.limitDescription = true;
    input.forceTenPointFont = true;
    input.footer = "Thank you";
    applyReceiptsPage(config, input, kPrinters);

    const std::string stored = bytesOf(config);
    EXPECT_EQ(getI32(stored, 36), 1);
    EXPECT_EQ(getText(stored, 32434, 200), "Counter");
    EXPECT_EQ(getText(stored, 32634, 200), "Epson TM T88");
    EXPECT_EQ(getI64(stored, 952), 0);
    EXPECT_EQ(getI32(stored, 40150), 4);
    EXPECT_EQ(getI32(stored, 40230), 2);
    for (size_t offset : { 40638, 40646, 40650, 40642, 40910, 40242, 40190, 40198, 40286 })
        EXPECT_EQ(getI32(stored, offset), 2) << offset;
    EXPECT_EQ(getText(stored, 38842, 254), "Thank you");

    ReceiptsPageInput back = loadReceiptsPage(config, kPrinters);
    EXPECT_EQ(back.printerIndex, 1);
    EXPECT_TRUE(back.omitPrintConfirm);
    EXPECT_EQ(back.footer, "Thank you");

    back.omitPrintConfirm = false;
    back.wordWrap = false;
    applyReceiptsPage(config, back, kPrinters);
    EXPECT_EQ(getI64(bytesOf(config), 952), 1);
    EXPECT_EQ(getI32(bytesOf(config), 40190), 0);
}

TEST(ReceiptsPage, DefaultPrinterClearsTheNamesAndAnUninstalledOneIsKept)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 36, 3);
    putText(bytes, 32434, "Gone away");
    putText(bytes, 32634, "Old driver");
    TillConfig config = blockOf(bytes);

    ReceiptsPageInput input = loadReceiptsPage(config, kPrinters);
    EXPECT_EQ(input.printerIndex, -1);
    applyReceiptsPage(config, input, kPrinters);
    EXPECT_EQ(getI32(bytesOf(config), 36), 3);
    EXPECT_EQ(getText(bytesOf(config), 32434, 200), "Gone away");

    input.printerIndex = 3; // past the list
    applyReceiptsPage(config, input, kPrinters);
    EXPECT_EQ(getText(bytesOf(config), 32434, 200), "Gone away");

    input.printerIndex = 0;
    applyReceiptsPage(config, input, kPrinters);
    EXPECT_EQ(getI32(bytesOf(config), 36), 0);
    EXPECT_EQ(getText(bytesOf(config), 32434, 200), "");
    EXPECT_EQ(getText(bytesOf(config), 32634, 200), "");
}

TEST(ReceiptsPage, ListsOutOfRangeAreShownClampedAndNotStored)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 40150, 9);
    putI32(bytes, 40230, -4);
    TillConfig config = blockOf(bytes);
    ReceiptsPageInput input = loadReceiptsPage(config, kPrinters);
    EXPECT_EQ(input.autoReceiptIndex, 0);
    EXPECT_EQ(input.copiesIndex, 0);

    input.autoReceiptIndex = 5;
    input.copiesIndex = 3;
    applyReceiptsPage(config, input, kPrinters);
    EXPECT_EQ(getI32(bytesOf(config), 40150), 9);
    EXPECT_EQ(getI32(bytesOf(config), 40230), -4);
}

TEST(ReceiptsPage, FooterKeeps252CharactersAndClearsTheRestOfTheField)
{
    std::string bytes(kTillConfigSize, '\0');
    putText(bytes, 38842, std::string(253, 'x'));
    TillConfig config = blockOf(bytes);
    ReceiptsPageInput input = loadReceiptsPage(config, kPrinters);
    input.footer = std::string(300, 'a');
    applyReceiptsPage(config, input, kPrinters);
    const std::string stored = bytesOf(config);
    EXPECT_EQ(stored.substr(38842, 252), std::string(252, 'a'));
    EXPECT_EQ(stored[38842 + 252], '\0');
    EXPECT_EQ(stored[38842 + 253], '\0');
    EXPECT_EQ(stored[38842 + 254], '\0'); // the next field untouched
}

TEST(TillConfigurationPage, StoresTheDrawerSettings)
{
    std::string bytes(kTillConfigSize, '\0');
    putI64(bytes, 912, 2);
    putI64(bytes, 928, 7);
    putI64(bytes, 944, 12); // out of range in the file
    putI64(bytes, 1016, 2); // any non-zero value opens the drawer after a sale
    TillConfig config = blockOf(bytes);

    TillConfigurationPageInput input = loadTillConfigurationPage(config);
    EXPECT_EQ(input.portIndex, 0);
    EXPECT_EQ(input.openCharacter, "7");
    EXPECT_EQ(input.repeat, "2");
    EXPECT_TRUE(input.use);
    EXPECT_FALSE(input.receiptPrinterConnect);

    input.use = true;
    input.portIndex = 9;
    input.openCharacter = " 255 ";
    input.repeat = "10";
    input.sequence = "27,112,0,25,250";
    input.receiptPrinterConnect = true;
    applyTillConfigurationPage(config, input);
    std::string stored = bytesOf(config);
    EXPECT_EQ(getI64(stored, 1016), 1);
    EXPECT_EQ(getI64(stored, 944), 9);
    EXPECT_EQ(getI64(stored, 928), 255);
    EXPECT_EQ(getI64(stored, 912), 10);
    EXPECT_EQ(getText(stored, 34154, 32), "27,112,0,25,250");
    EXPECT_EQ(getI32(stored, 40586), 2);

    input.use = false;
    input.receiptPrinterConnect = false;
    applyTillConfigurationPage(config, input);
    stored = bytesOf(config);
    EXPECT_EQ(getI64(stored, 1016), 0);
    EXPECT_EQ(getI32(stored, 40586), 0);
}

TEST(TillConfigurationPage, OutOfRangeValuesKeepThePreviousOnes)
{
    std::string bytes(kTillConfigSize, '\0');
    putI64(bytes, 912, 3);
    putI64(bytes, 928, 7);
    putI64(bytes, 944, 2);
    TillConfig config = blockOf(bytes);
    TillConfigurationPageInput input = loadTillConfigurationPage(config);
    for (const char *character : { "256", "-1", "7x", "", "99999999999999999999" }) {
        input.openCharacter = character;
        applyTillConfigurationPage(config, input);
        EXPECT_EQ(getI64(bytesOf(config), 928), 7) << character;
    }
    for (const char *repeat : { "0", "11", "two", "1.5" }) {
        input.repeat = repeat;
        applyTillConfigurationPage(config, input);
        EXPECT_EQ(getI64(bytesOf(config), 912), 3) << repeat;
    }
    input.repeat = "1";
    input.portIndex = 10;
    applyTillConfigurationPage(config, input);
    EXPECT_EQ(getI64(bytesOf(config), 912), 1);
    EXPECT_EQ(getI64(bytesOf(config), 944), 2);
}

TEST(TillConfigurationPage, SequenceKeeps31Characters)
{
    TillConfig config;
    TillConfigurationPageInput input = loadTillConfigurationPage(config);
    input.sequence = std::string(40, '1');
    applyTillConfigurationPage(config, input);
    const std::string stored = bytesOf(config);
    EXPECT_EQ(stored.substr(34154, 32), std::string(31, '1') + '\0');
}

TEST(TillConfigurationPage, ModelListReadsModelColonSequence)
{
    std::vector<std::string> entries = drawerPrinterModelEntries();
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries[0], "Citizen 230: 27,112,0,50,250");
    EXPECT_EQ(entries[1], "Epson TM T88 III: 27,112,0,25,250");
    EXPECT_EQ(entries[14], "IBM 4610: 7");
    EXPECT_EQ(entries[16], "Samsung SRP 270: 27,112,0,60,240");
}

TEST(PoleConfigurationPage, StoresPortLineTextsAndColumns)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 40558, 9);   // port out of range
    putI32(bytes, 40858, 44);  // baud out of range
    putI32(bytes, 40866, -1);  // parity out of range
    putI32(bytes, 40566, 20);
    putText(bytes, 33314, "Welcome");
    TillConfig config = blockOf(bytes);

    PoleConfigurationPageInput input = loadPoleConfigurationPage(config);
    EXPECT_EQ(input.portIndex, 0);
    EXPECT_EQ(input.baudIndex, 0);
    EXPECT_EQ(input.parityIndex, 0);
    EXPECT_EQ(input.columnsLineOne, "20");
    EXPECT_EQ(input.texts[polePassiveText], "Welcome");

    input.use = true;
    input.portIndex = 7;
    input.baudIndex = 12;
    input.parityIndex = 2;
    input.dataBitsIndex = 4;
    input.stopBitsIndex = 2;
    input.columnsLineOne = "16";
    input.columnsLineTwo = "abc";
    for (size_t text = 0; text < kPoleTextCount; ++text)
        input.texts[text] = std::string(text + 1, static_cast<char>('a' + text));
    input.texts[poleCursorSecondLine] = std::string(35, 'z');
    applyPoleConfigurationPage(config, input);

    const std::string stored = bytesOf(config);
    EXPECT_EQ(getI32(stored, 40550), 2);
    EXPECT_EQ(getI32(stored, 40558), 7);
    EXPECT_EQ(getI32(stored, 40858), 12);
    EXPECT_EQ(getI32(stored, 40866), 2);
    EXPECT_EQ(getI32(stored, 40862), 4);
    EXPECT_EQ(getI32(stored, 40854), 2);
    EXPECT_EQ(getI32(stored, 40566), 16);
    EXPECT_EQ(getI32(stored, 40582), 0);
    EXPECT_EQ(getText(stored, 33314, 32), "a");
    EXPECT_EQ(getText(stored, 33314 + 4 * 32, 32), "eeeee");
    EXPECT_EQ(stored.substr(33314 + 5 * 32, 32), std::string(31, 'z') + '\0');
    EXPECT_EQ(static_cast<unsigned char>(stored[33314 + 6 * 32]), 0); // next field untouched
}

TEST(PoleConfigurationPage, ListIndexesOutsideTheListsChangeNothing)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 40558, 3);
    putI32(bytes, 40858, 7);
    putI32(bytes, 40866, 1);
    putI32(bytes, 40862, 2);
    putI32(bytes, 40854, 1);
    TillConfig config = blockOf(bytes);
    PoleConfigurationPageInput input = loadPoleConfigurationPage(config);
    input.portIndex = 8; // LPT1 is not offered for the pole
    input.baudIndex = 13;
    input.parityIndex = 3;
    input.dataBitsIndex = 5;
    input.stopBitsIndex = -1;
    input.columnsLineOne = "1000";
    applyPoleConfigurationPage(config, input);
    const std::string stored = bytesOf(config);
    EXPECT_EQ(getI32(stored, 40558), 3);
    EXPECT_EQ(getI32(stored, 40858), 7);
    EXPECT_EQ(getI32(stored, 40866), 1);
    EXPECT_EQ(getI32(stored, 40862), 2);
    EXPECT_EQ(getI32(stored, 40854), 1);
    EXPECT_EQ(getI32(stored, 40566), 0);
}

TEST(PoleConfigurationPage, PreviewStoresTextsAndLineButNotUseOrColumns)
{
    TillConfig config;
    PoleConfigurationPageInput input = loadPoleConfigurationPage(config);
    input.use = true;
    input.portIndex = 1;
    input.baudIndex = 8;
    input.columnsLineOne = "20";
    input.texts[polePassiveText] = "Open";
    applyPolePreviewSettings(config, input);
    const std::string stored = bytesOf(config);
    EXPECT_EQ(getI32(stored, 40550), 0);
    EXPECT_EQ(getI32(stored, 40566), 0);
    EXPECT_EQ(getI32(stored, 40558), 1);
    EXPECT_EQ(getI32(stored, 40858), 8);
    EXPECT_EQ(getText(stored, 33314, 32), "Open");
}

} // namespace
