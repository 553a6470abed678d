// Mail sent through libcurl to a real mail server on 127.0.0.1.

#include "comms/logic/smtp_mail.h"
#include "mail/mail_sink.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ovix {
namespace {

using test::MailSink;

// A message whose body has the lines a naive sender mangles: one beginning
// with ".", one of "." alone (which would end the data early) and "..".
const std::string kTricky = "FROM: shop@example.org\r\nTO: office@example.org\r\n"
                            "SUBJECT: OVIX report\r\n\r\n"
                            "first line\r\n.leading dot\r\n.\r\n..\r\nEnd report";

MailServer plainServer(const MailSink &sink)
{
    MailServer server;
    server.server = sink.server();
    server.connectLimit = std::chrono::seconds(5);
    server.totalLimit = std::chrono::seconds(20);
    return server;
}

// A port on 127.0.0.1 where nothing listens.
int closedPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

TEST(SmtpMail, APlainMailArrivesWholeWithItsEnvelope)
{
    MailSink sink;
    ASSERT_NE(sink.port(), 0) << "the test mail server did not start";
    std::atomic<bool> stop{false};
    const MailResult result
        = sendMail(plainServer(sink), {"shop@example.org", "office@example.org", kTricky}, stop);
    ASSERT_EQ(result.outcome, MailOutcome::Sent) << result.words;
    EXPECT_EQ(mailNotice(result).text, "Report");
    EXPECT_EQ(mailNotice(result).caption, "Finished");

    const auto mails = sink.received(1);
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].from, "shop@example.org");
    EXPECT_EQ(mails[0].to, "office@example.org");
    // The last line is ended by the CR LF that comes before the final ".".
    EXPECT_EQ(mails[0].data, kTricky + "\r\n");
}

// The sink's server, encrypted and logged on to as "till", trusting the
// test's own certificate.
MailServer securedServer(const MailSink &sink, MailEncryption encryption,
    const std::string &password, const test::TempDir &keys)
{
    MailServer server = plainServer(sink);
    server.encryption = encryption;
    server.userName = "till";
    server.password = password;
    server.trustedCertificate = keys.file("cert.pem");
    return server;
}

void expectOneMailArrives(const MailServer &server, MailSink &sink)
{
    std::atomic<bool> stop{false};
    const MailResult result
        = sendMail(server, {"shop@example.org", "office@example.org", kTricky}, stop);
    ASSERT_EQ(result.outcome, MailOutcome::Sent) << result.words;
    const auto mails = sink.received(1);
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].data, kTricky + "\r\n");
}

TEST(SmtpMail, StartTlsWithALogInAgainstTheShopsOwnCertificate)
{
    test::TempDir keys;
    if (!test::makeTestCertificate(keys))
        GTEST_SKIP() << "/usr/bin/openssl is not installed: no certificate for the test";
    MailSink sink({"--tls", keys.file("cert.pem"), keys.file("key.pem"), "--login", "till",
        "s3cret pass"});
    ASSERT_NE(sink.port(), 0);
    MailServer server = securedServer(sink, MailEncryption::StartTls, "s3cret pass", keys);
    expectOneMailArrives(server, sink);

    std::atomic<bool> stop{false};
    // Without encryption that server takes nothing.
    server.encryption = MailEncryption::None;
    server.userName.clear();
    const MailResult plain
        = sendMail(server, {"shop@example.org", "office@example.org", kTricky}, stop);
    EXPECT_EQ(plain.outcome, MailOutcome::Refused) << plain.words;
    // An untrusted certificate is no secure connection.
    server.encryption = MailEncryption::StartTls;
    server.trustedCertificate.clear();
    const MailResult untrusted
        = sendMail(server, {"shop@example.org", "office@example.org", kTricky}, stop);
    EXPECT_EQ(untrusted.outcome, MailOutcome::SecureFailed) << untrusted.words;
    EXPECT_EQ(sink.received(2, std::chrono::milliseconds(300)).size(), 1u);
}

TEST(SmtpMail, TlsFromTheFirstByteWithALogIn)
{
    test::TempDir keys;
    if (!test::makeTestCertificate(keys))
        GTEST_SKIP() << "/usr/bin/openssl is not installed: no certificate for the test";
    MailSink sink({"--smtps", keys.file("cert.pem"), keys.file("key.pem"), "--login", "till",
        "secret"});
    ASSERT_NE(sink.port(), 0);
    expectOneMailArrives(securedServer(sink, MailEncryption::Tls, "secret", keys), sink);
}

TEST(SmtpMail, ARefusedRecipientIsAProblemInTheServersWords)
{
    MailSink sink({"--refuse", "nobody@example.org"});
    ASSERT_NE(sink.port(), 0);
    std::atomic<bool> stop{false};
    const MailResult result
        = sendMail(plainServer(sink), {"shop@example.org", "nobody@example.org", kTricky}, stop);
    EXPECT_EQ(result.outcome, MailOutcome::Refused);
    const MailNotice notice = mailNotice(result);
    EXPECT_EQ(notice.caption, "Problem");
    EXPECT_EQ(notice.text, "The mail server refused the mail: 550 5.1.1 No such mailbox here");
    EXPECT_TRUE(sink.received(1, std::chrono::milliseconds(300)).empty());
}

TEST(SmtpMail, FailuresBeforeTheDialogueGiveTheirMessages)
{
    std::atomic<bool> stop{false};
    const OutgoingMail mail{"shop@example.org", "office@example.org", kTricky};
    struct Case {
        const char *name;
        std::string server;
        MailOutcome outcome;
        const char *text;
    } cases[] = {
        {"nothing listens", "127.0.0.1:" + std::to_string(closedPort()),
            MailOutcome::ConnectFailed, "Error connecting to the server socket"},
        {"no such host", "no-such-host.invalid", MailOutcome::NoServer,
            "Cannot find SMTP mail server"},
        {"empty server", "", MailOutcome::NoServer, "Cannot find SMTP mail server"},
        {"port out of range", "127.0.0.1:70000", MailOutcome::NoServer,
            "Cannot find SMTP mail server"},
    };
    for (const Case &c : cases) {
        MailServer server;
        server.server = c.server;
        server.connectLimit = std::chrono::seconds(5);
        server.totalLimit = std::chrono::seconds(10);
        const MailResult result = sendMail(server, mail, stop);
        EXPECT_EQ(result.outcome, c.outcome) << c.name << ": " << result.words;
        EXPECT_EQ(mailNotice(result).text, c.text) << c.name;
        EXPECT_EQ(mailNotice(result).caption, "Problem") << c.name;
    }
}

TEST(SmtpMail, AnAddressWithALineBreakNeverReachesTheServer)
{
    MailSink sink;
    ASSERT_NE(sink.port(), 0);
    std::atomic<bool> stop{false};
    for (const char *to : {"office@example.org\r\nRCPT TO:<other@example.org>",
             "office@example.org\n", "a\tb@example.org"}) {
        const MailResult result = sendMail(plainServer(sink), {"shop@example.org", to, kTricky}, stop);
        EXPECT_EQ(result.outcome, MailOutcome::BadSettings) << to;
    }
    EXPECT_TRUE(sink.received(1, std::chrono::milliseconds(300)).empty());
}

TEST(SmtpMail, TheStopFlagAbandonsTheMail)
{
    MailSink sink;
    ASSERT_NE(sink.port(), 0);
    std::atomic<bool> stop{true};
    const MailResult result = sendMail(
        plainServer(sink), {"shop@example.org", "office@example.org", kTricky}, stop);
    EXPECT_EQ(result.outcome, MailOutcome::Stopped);
    EXPECT_TRUE(sink.received(1, std::chrono::milliseconds(300)).empty());
}

} // namespace
} // namespace ovix
