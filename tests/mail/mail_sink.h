#pragma once
// A real mail server for the tests: tests/mail/smtp_sink.py (python3-aiosmtpd)
// on 127.0.0.1 at a free port, keeping what it receives in a temporary folder.
// It stops when the sink goes, when the test program ends, and by itself after
// ten minutes.

#include "support/test_support.h"

#include <QProcess>
#include <QStringList>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace ovix::test {

struct ReceivedMail {
    std::string from;
    std::string to;
    std::string data;
};

class MailSink {
public:
    explicit MailSink(const std::vector<std::string> &options = {})
    {
        QStringList arguments{QStringLiteral(SMTP_SINK_SCRIPT), QString::fromStdString(folder_.path())};
        for (const std::string &option : options)
            arguments << QString::fromStdString(option);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("/usr/bin/python3"), arguments);
        process_.waitForStarted(10000);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < end && process_.state() == QProcess::Running) {
            const std::string port = readBytes(folder_.file("port"));
            if (!port.empty()) {
                port_ = std::stoi(port);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~MailSink()
    {
        writeBytes(folder_.file("stop"), "");
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    MailSink(const MailSink &) = delete;
    MailSink &operator=(const MailSink &) = delete;

    // 0 when it did not come up.
    int port() const { return port_; }
    std::string server() const { return "127.0.0.1:" + std::to_string(port_); }

    // The messages received so far, in order, waiting up to `limit` for `count`.
    std::vector<ReceivedMail> received(size_t count,
        std::chrono::milliseconds limit = std::chrono::milliseconds(10000)) const
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        std::vector<ReceivedMail> mails;
        for (;;) {
            mails.clear();
            for (int n = 1;; ++n) {
                char base[16];
                std::snprintf(base, sizeof base, "%03d", n);
                if (!fileExists(folder_.file(std::string(base) + ".data")))
                    break;
                mails.push_back({readBytes(folder_.file(std::string(base) + ".from")),
                    readBytes(folder_.file(std::string(base) + ".to")),
                    readBytes(folder_.file(std::string(base) + ".data"))});
            }
            if (mails.size() >= count || std::chrono::steady_clock::now() >= end)
                return mails;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

private:
    static bool fileExists(const std::string &path) { return !readBytes(path).empty(); }

    TempDir folder_;
    QProcess process_;
    int port_ = 0;
};

// A throwaway certificate for 127.0.0.1 and its key, made by openssl in
// `folder`; false when openssl is not there.
inline bool makeTestCertificate(const TempDir &folder)
{
    if (readBytes("/usr/bin/openssl").empty())
        return false;
    QProcess openssl;
    openssl.start(QStringLiteral("/usr/bin/openssl"),
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
            QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
            QString::fromStdString(folder.file("key.pem")), QStringLiteral("-out"),
            QString::fromStdString(folder.file("cert.pem")), QStringLiteral("-days"),
            QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
            QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    return openssl.waitForFinished(30000) && openssl.exitCode() == 0
        && !readBytes(folder.file("cert.pem")).empty();
}

} // namespace ovix::test
