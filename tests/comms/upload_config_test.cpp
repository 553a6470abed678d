#include "comms/logic/upload_config.h"
#include "platform/data_dir.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// upload.cfg's offsets, typed here rather than taken from the code.
constexpr size_t kSize = 5040;
constexpr size_t kServerAt = 1440;
constexpr size_t kUserAt = 1640;
constexpr size_t kPasswordAt = 1840;
constexpr size_t kOverviewAt = 2640;
constexpr size_t kItemsAt = 2840;
constexpr size_t kReorderAt = 3040;

std::string textAt(const std::string &bytes, size_t offset)
{
    return std::string(bytes.c_str() + offset);
}

} // namespace

TEST(UploadConfig, WrittenWholeAtItsOffsetsOwnerOnlyAndReadBack)
{
    TempDir folder;
    DataDir dir(folder.path());
    UploadConfig config;
    config.setServer("ftp.head.test");
    config.setUserName("shop7");
    config.setPassword("s\xE9" "cret");
    config.setFileName(HeadOfficeReport::DailyOverview, "Activity.txt");
    config.setFileName(HeadOfficeReport::DailyItems, "Items 7.txt");
    config.setFileName(HeadOfficeReport::ReorderList, "Reorder.txt");
    ASSERT_TRUE(writeUploadConfig(dir, config));

    const std::string bytes = readBytes(folder.file("upload.cfg"));
    ASSERT_EQ(bytes.size(), kSize);
    const struct {
        size_t at;
        const char *text;
    } expected[] = {
        { kServerAt, "ftp.head.test" },
        { kUserAt, "shop7" },
        { kPasswordAt, "s\xE9" "cret" },
        { kOverviewAt, "Activity.txt" },
        { kItemsAt, "Items 7.txt" },
        { kReorderAt, "Reorder.txt" },
    };
    std::string others = bytes;
    for (const auto &field : expected) {
        EXPECT_EQ(textAt(bytes, field.at), field.text) << field.at;
        others.replace(field.at, 200, 200, '\0');
    }
    EXPECT_EQ(others, std::string(kSize, '\0')) << "bytes outside the six texts";

    struct stat info {};
    ASSERT_EQ(::stat(folder.file("upload.cfg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const std::optional<UploadConfig> read = readUploadConfig(dir);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->bytes(), config.bytes());
}

TEST(UploadConfig, AFileBuiltByHandIsReadAndItsReservedBytesKept)
{
    TempDir folder;
    DataDir dir(folder.path());
    std::string bytes(kSize, '\0');
    putText(bytes, kServerAt, "127.0.0.1:2121");
    putText(bytes, kUserAt, "user");
    putText(bytes, kPasswordAt, "pass");
    putText(bytes, kReorderAt, "R.TXT");
    bytes[7] = '\x5A'; // reserved bytes another till may have used
    bytes[kSize - 1] = '\x01';
    writeBytes(folder.file("upload.cfg"), bytes);

    std::optional<UploadConfig> config = readUploadConfig(dir);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->server(), "127.0.0.1:2121");
    EXPECT_EQ(config->userName(), "user");
    EXPECT_EQ(config->password(), "pass");
    EXPECT_EQ(config->fileName(HeadOfficeReport::DailyOverview), "");
    EXPECT_EQ(config->fileName(HeadOfficeReport::ReorderList), "R.TXT");

    config->setUserName("other");
    ASSERT_TRUE(writeUploadConfig(dir, *config));
    std::string expected = bytes;
    expected.replace(kUserAt, 5, "other");
    EXPECT_EQ(readBytes(folder.file("upload.cfg")), expected);
}

TEST(UploadConfig, MissingShortLongAndUnterminatedFiles)
{
    TempDir folder;
    DataDir dir(folder.path());
    EXPECT_FALSE(readUploadConfig(dir)) << "missing";

    std::string shortFile(kServerAt + 3, '\0');
    shortFile.replace(kServerAt, 3, "ftp");
    writeBytes(folder.file("upload.cfg"), shortFile);
    std::optional<UploadConfig> config = readUploadConfig(dir);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->server(), "ftp");
    EXPECT_EQ(config->bytes().substr(kServerAt + 3), std::string(kSize - kServerAt - 3, '\0'));

    // A full slot with no terminator gives its 200 bytes and no more; a file
    // longer than the block gives the block.
    std::string hostile(kSize + 100, 'A');
    writeBytes(folder.file("upload.cfg"), hostile);
    config = readUploadConfig(dir);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->server(), std::string(200, 'A'));
    EXPECT_EQ(config->fileName(HeadOfficeReport::ReorderList), std::string(200, 'A'));
    EXPECT_EQ(config->bytes().size(), kSize);
}

TEST(UploadConfig, TextsKeepAtMost199BytesAndEmptyNamesTakeTheDefaults)
{
    UploadConfig config;
    config.setPassword(std::string(250, 'p'));
    EXPECT_EQ(config.password(), std::string(199, 'p'));
    EXPECT_EQ(config.bytes()[kPasswordAt + 199], '\0');
    EXPECT_EQ(config.bytes()[kPasswordAt + 200], '\0') << "the next slot is untouched";

    config.setFileName(HeadOfficeReport::DailyItems, "MINE.TXT");
    config.presetEmptyNames();
    EXPECT_EQ(config.fileName(HeadOfficeReport::DailyOverview), "Activity.txt");
    EXPECT_EQ(config.fileName(HeadOfficeReport::DailyItems), "MINE.TXT");
    EXPECT_EQ(config.fileName(HeadOfficeReport::ReorderList), "Reorder.txt");
}

TEST(UploadConfig, PlainFileNames)
{
    const struct {
        const char *name;
        bool plain;
    } cases[] = {
        { "Activity.txt", true },
        { "DAY 5 \xE9.TXT", true },
        { "..x", true },
        { "", false },
        { ".", false },
        { "..", false },
        { "../wr.cfg", false },
        { "/etc/passwd", false },
        { "sub\\file.txt", false },
        { "a\r\nDELE wr.cfg", false },
        { "tab\there", false },
    };
    for (const auto &c : cases)
        EXPECT_EQ(isPlainFileName(c.name), c.plain) << c.name;
}

TEST(UploadConfig, TheShopsOwnFileNames)
{
    const struct {
        const char *name;
        bool shops;
    } cases[] = {
        { "Activity.txt", false },
        { "Dlyitems.txt", false },
        { "film.dat.txt", false },
        { "12a", false },
        { "new~", false },
        { "film.dat", true },
        { "FILM.DAT", true },
        { "Wr.Cfg", true },
        { "member.dat", true },
        { "ovix.jnl", true },
        { "upload.cfg", true },
        { "output.txt", true },
        { "2026", true },
        { "Reorder.txt.new~", true },
        { "printouts", true },
    };
    for (const auto &c : cases)
        EXPECT_EQ(isShopFileName(c.name), c.shops) << c.name;
}

TEST(UploadConfig, NotWrittenWhenTheFolderIsMissing)
{
    TempDir folder;
    DataDir dir(folder.path() + "/missing-folder");
    UploadConfig config;
    config.setServer("x");
    EXPECT_FALSE(writeUploadConfig(dir, config));
}
