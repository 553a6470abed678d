// wrmail.cfg byte for byte, and what the "Email target" fields accept.

#include "comms/logic/mail_settings.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ovix {
namespace {

using test::getI32;
using test::TempDir;

std::string field(std::string_view bytes, size_t offset, size_t width)
{
    std::string_view text = bytes.substr(offset, width);
    return std::string(text.substr(0, text.find('\0')));
}

int modeOf(const std::string &path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

TEST(MailSettings, AFileFromATillWithoutEncryptionSendsPlainOnPort25)
{
    std::string bytes(560, '\0');
    test::putText(bytes, 320, "mail.example.org");
    test::putText(bytes, 400, "office@example.org");
    test::putText(bytes, 480, "shop@example.org");
    const MailSettings settings = mailSettingsFromBytes(bytes);
    EXPECT_EQ(settings.server, "mail.example.org");
    EXPECT_EQ(settings.target, "office@example.org");
    EXPECT_EQ(settings.sender, "shop@example.org");
    EXPECT_EQ(settings.port, 0);
    EXPECT_EQ(settings.encryption, MailEncryption::None);
    EXPECT_EQ(settings.userName, "");
    EXPECT_EQ(settings.password, "");
    EXPECT_EQ(mailSettingsBytes(settings), bytes);
}

TEST(MailSettings, EveryFieldLiesAtItsOffsetAndReservedBytesAreKept)
{
    std::string old(560, '\0');
    old[200] = 'R'; // reserved, from another till
    old[319] = 'Z';
    MailSettings settings = mailSettingsFromBytes(old);
    settings.server = "smtp.example.org:587";
    settings.target = "office@example.org";
    settings.sender = "shop@example.org";
    settings.port = 2525;
    settings.encryption = MailEncryption::Tls;
    settings.userName = "till";
    settings.password = "secret";
    const std::string bytes = mailSettingsBytes(settings);
    ASSERT_EQ(bytes.size(), 560u);
    EXPECT_EQ(getI32(bytes, 0), 2525);
    EXPECT_EQ(getI32(bytes, 4), 2);
    EXPECT_EQ(field(bytes, 8, 80), "till");
    EXPECT_EQ(field(bytes, 88, 80), "secret");
    EXPECT_EQ(field(bytes, 320, 80), "smtp.example.org:587");
    EXPECT_EQ(field(bytes, 400, 80), "office@example.org");
    EXPECT_EQ(field(bytes, 480, 80), "shop@example.org");
    EXPECT_EQ(bytes[200], 'R');
    EXPECT_EQ(bytes[319], 'Z');
    const MailSettings back = mailSettingsFromBytes(bytes);
    EXPECT_EQ(back.port, 2525);
    EXPECT_EQ(back.encryption, MailEncryption::Tls);
    EXPECT_EQ(back.password, "secret");
}

TEST(MailSettings, ShortCorruptAndUnknownBlocksReadSafely)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::string server;
        MailEncryption encryption;
    } cases[] = {
        {"empty file", "", "", MailEncryption::None},
        {"cut inside the server", std::string(320, '\0') + "mail.exa", "mail.exa",
            MailEncryption::None},
        {"no terminator anywhere", std::string(320, '\0') + std::string(240, 'x'),
            std::string(79, 'x'), MailEncryption::None},
        {"unknown encryption stays encrypted", std::string(4, '\0') + "\x07" + std::string(555, '\0'),
            "", MailEncryption::StartTls},
        {"longer than the block", std::string(320, '\0') + "m" + std::string(1000, '\0'), "m",
            MailEncryption::None},
    };
    for (const Case &c : cases) {
        const MailSettings settings = mailSettingsFromBytes(c.bytes);
        EXPECT_EQ(settings.server, c.server) << c.name;
        EXPECT_EQ(settings.encryption, c.encryption) << c.name;
        EXPECT_EQ(mailSettingsBytes(settings).size(), 560u) << c.name;
    }
    // An unknown encryption value is written back as it was read.
    const std::string odd = std::string(4, '\0') + "\x07" + std::string(555, '\0');
    EXPECT_EQ(mailSettingsBytes(mailSettingsFromBytes(odd)), odd);
}

TEST(MailSettings, StoredWholeOwnerOnlyAndReadBack)
{
    TempDir shop;
    DataDir dir(shop.path());
    EXPECT_EQ(loadMailSettings(dir).status, MailSettingsLoad::Missing);
    MailSettings settings;
    settings.server = "127.0.0.1";
    settings.target = "office@example.org";
    settings.sender = "shop@example.org";
    settings.password = "secret";
    ScriptedMessages messages;
    ASSERT_TRUE(storeMailSettings(dir, settings, messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(test::readBytes(shop.file("wrmail.cfg")).size(), 560u);
    EXPECT_EQ(modeOf(shop.file("wrmail.cfg")), 0600);
    const LoadedMailSettings loaded = loadMailSettings(dir);
    EXPECT_EQ(loaded.status, MailSettingsLoad::Loaded);
    EXPECT_EQ(loaded.settings.target, "office@example.org");
    EXPECT_EQ(loaded.settings.password, "secret");

    // A file left readable by others is made the shop's alone when rewritten.
    ASSERT_EQ(::chmod(shop.file("wrmail.cfg").c_str(), 0644), 0);
    ASSERT_TRUE(storeMailSettings(dir, loaded.settings, messages));
    EXPECT_EQ(modeOf(shop.file("wrmail.cfg")), 0600);
}

TEST(MailSettings, AFolderThatCannotTakeTheFileSaysSo)
{
    TempDir shop;
    DataDir dir(shop.path() + "/missing");
    ScriptedMessages messages;
    EXPECT_FALSE(storeMailSettings(dir, MailSettings{}, messages));
    EXPECT_EQ(messages.lastText(), "Unable to create WRMAIL.CFG");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST(MailSettings, FieldsThatCouldInjectCommandsOrDoNotFitAreRefused)
{
    struct Case {
        const char *name;
        void (*change)(MailSettings &);
        const char *message; // empty = accepted
    } cases[] = {
        {"plain", [](MailSettings &) {}, ""},
        {"server with port", [](MailSettings &s) { s.server = "mail.example.org:2525"; }, ""},
        {"CR LF in the target",
            [](MailSettings &s) { s.target = "a@example.org\r\nRCPT TO:<b@example.org>"; },
            "The Target email must not hold a line break or other control character"},
        {"LF in the sender", [](MailSettings &s) { s.sender = "a@example.org\n"; },
            "The Your email must not hold a line break or other control character"},
        {"tab in the user name", [](MailSettings &s) { s.userName = "a\tb"; },
            "The User name must not hold a line break or other control character"},
        {"space in the server", [](MailSettings &s) { s.server = "mail example"; },
            "The SMTP server must be a host name or address, with \":port\" if needed"},
        {"80 characters", [](MailSettings &s) { s.target = std::string(80, 'a'); },
            "The Target email is longer than 79 characters"},
        {"79 characters", [](MailSettings &s) { s.target = std::string(79, 'a'); }, ""},
        {"negative port", [](MailSettings &s) { s.port = -1; },
            "The port must be a number from 0 to 65535"},
    };
    for (const Case &c : cases) {
        MailSettings settings;
        settings.server = "mail.example.org";
        settings.target = "office@example.org";
        settings.sender = "shop@example.org";
        c.change(settings);
        ScriptedMessages messages;
        TempDir shop;
        const bool stored = storeMailSettings(DataDir(shop.path()), settings, messages);
        EXPECT_EQ(stored, std::string(c.message).empty()) << c.name;
        EXPECT_EQ(messages.lastText(), c.message) << c.name;
        EXPECT_EQ(test::readBytes(shop.file("wrmail.cfg")).empty(), !stored) << c.name;
    }
}

} // namespace
} // namespace ovix
