#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"
#include "print/logic/receipt_logo_choice.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

TEST(ReceiptLogoChoice, CopiesThePictureOverReceiptBmp)
{
    TempDir folder;
    DataDir dir(folder.path());
    writeBytes(folder.file("receipt.bmp"), "old logo");
    writeBytes(folder.file("shop.bmp"), std::string("BM\0\x01new", 6));
    ScriptedMessages messages;

    EXPECT_TRUE(takeReceiptLogo(dir, folder.file("shop.bmp"), messages));
    EXPECT_EQ(readBytes(folder.file("receipt.bmp")), std::string("BM\0\x01new", 6));
    EXPECT_EQ(messages.lastText(), "Updated.");
    EXPECT_EQ(messages.lastCaption(), "Logo picture");
}

TEST(ReceiptLogoChoice, AnUnreadablePictureKeepsTheOldLogo)
{
    TempDir folder;
    DataDir dir(folder.path());
    writeBytes(folder.file("receipt.bmp"), "old logo");
    ScriptedMessages messages;

    EXPECT_FALSE(takeReceiptLogo(dir, folder.file("missing.bmp"), messages));
    EXPECT_EQ(readBytes(folder.file("receipt.bmp")), "old logo");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST(ReceiptLogoChoice, AMissingDataFolderIsReported)
{
    TempDir folder;
    writeBytes(folder.file("shop.bmp"), "BM");
    DataDir dir(folder.file("gone"));
    ScriptedMessages messages;
    EXPECT_FALSE(takeReceiptLogo(dir, folder.file("shop.bmp"), messages));
    EXPECT_EQ(messages.lastText(), "Unable to locate directory.");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

} // namespace
