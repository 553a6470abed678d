#pragma once
// Sending one plain-text mail to an SMTP server (libcurl), as one mail job
// does it on its own thread. Nothing here touches a window: the caller shows
// mailOutcomeText() on the window's thread.

#include "comms/logic/mail_settings.h"

#include <atomic>
#include <chrono>
#include <string>

namespace ovix {

struct MailServer {
    std::string server; // "host" or "host:port"
    int port = 0;       // used when the server text has none; 0 = 25 (465 for TLS)
    MailEncryption encryption = MailEncryption::None;
    std::string userName; // empty = no log-in
    std::string password;
    // A certificate file trusted besides the system's (a shop's own mail
    // server with a certificate of its own); empty = the system's only.
    std::string trustedCertificate;
    std::chrono::seconds connectLimit{30};
    std::chrono::seconds totalLimit{300};
};

MailServer mailServerOf(const MailSettings &settings);

struct OutgoingMail {
    std::string from; // MAIL FROM address, without the angle brackets
    std::string to;   // RCPT TO address
    // The whole message as the server is to receive it (header lines, a blank
    // line, the body; lines ended by CR LF). A line beginning with "." is
    // doubled on the wire and arrives intact.
    std::string text;
};

enum class MailOutcome {
    Sent,          // "Report", caption "Finished"
    NoSockets,     // "Windows sockets not available"
    NoServer,      // the name does not resolve: "Cannot find SMTP mail server"
    BadSettings,   // an address or server text that cannot be sent
    ConnectFailed, // "Error connecting to the server socket"
    SecureFailed,  // the secure connection could not be made
    Refused,       // the server answered with a refusal: its words are kept
    Failed,        // anything else, with libcurl's words
    Stopped,       // abandoned because the till is ending
};

struct MailResult {
    MailOutcome outcome = MailOutcome::Failed;
    std::string words; // the server's last reply, or libcurl's description
};

// EHLO (HELO for an older server) with the server's host name, STARTTLS or
// TLS as chosen, AUTH when a user name is set, MAIL FROM, RCPT TO, DATA, the
// text, the end of the data and QUIT; every reply is read and checked, and a
// refusal ends the dialogue. Connecting is given up after connectLimit, the
// whole mail after totalLimit; setting `stop` abandons it within about a
// second.
MailResult sendMail(const MailServer &server, const OutgoingMail &mail,
    const std::atomic<bool> &stop);

// What the clerk is told (UTF-8) and its caption.
struct MailNotice {
    std::string text;
    std::string caption;
};
MailNotice mailNotice(const MailResult &result);

} // namespace ovix
