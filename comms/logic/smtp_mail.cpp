#include "comms/logic/smtp_mail.h"

#include "platform/cp1252.h"

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>

namespace ovix {

namespace {

constexpr long kStalledSeconds = 60;
constexpr int kSmtpPort = 25;
constexpr int kSmtpsPort = 465;

CURLcode curlReady()
{
    static std::once_flag once;
    static CURLcode result = CURLE_FAILED_INIT;
    std::call_once(once, [] { result = curl_global_init(CURL_GLOBAL_DEFAULT); });
    return result;
}

struct CurlCleanup {
    void operator()(CURL *curl) const { curl_easy_cleanup(curl); }
};

struct Dialogue {
    std::string_view text;
    size_t sent = 0;
    const std::atomic<bool> *stop = nullptr;
    bool answered = false;  // the server said anything at all
    std::string lastReply;  // its last reply line, without CR LF
    std::string refusal;    // its last 4xx or 5xx reply line
};

size_t readText(char *buffer, size_t size, size_t count, void *context)
{
    auto *dialogue = static_cast<Dialogue *>(context);
    const size_t room = size * count;
    const size_t part = std::min(room, dialogue->text.size() - dialogue->sent);
    std::memcpy(buffer, dialogue->text.data() + dialogue->sent, part);
    dialogue->sent += part;
    return part;
}

int checkStop(void *context, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Dialogue *>(context)->stop->load() ? 1 : 0;
}

int followReplies(CURL *, curl_infotype type, char *data, size_t size, void *context)
{
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto *dialogue = static_cast<Dialogue *>(context);
    std::string_view line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    dialogue->answered = true;
    dialogue->lastReply = std::string(line.substr(0, 512));
    if (!line.empty() && (line.front() == '4' || line.front() == '5'))
        dialogue->refusal = dialogue->lastReply;
    return 0;
}

struct HostPort {
    std::string host; // as it goes into the address, brackets kept
    int port = 0;     // 0 when the text names none
};

// "host", "host:port", "[v6]" or "[v6]:port"; empty host when malformed.
HostPort splitServer(const std::string &server)
{
    HostPort split;
    std::string_view text(server);
    size_t colon = std::string_view::npos;
    if (!text.empty() && text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string_view::npos)
            return {};
        if (close + 1 < text.size()) {
            if (text[close + 1] != ':')
                return {};
            colon = close + 1;
        }
    } else {
        colon = text.find(':');
        if (colon != std::string_view::npos && text.find(':', colon + 1) != std::string_view::npos)
            return {};
    }
    if (colon == std::string_view::npos) {
        split.host = std::string(text);
        return split;
    }
    const std::string_view digits = text.substr(colon + 1);
    if (digits.empty() || digits.size() > 5)
        return {};
    int port = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return {};
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535)
        return {};
    split.host = std::string(text.substr(0, colon));
    split.port = port;
    return split;
}

bool isHostCharacter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
        || c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
}

bool isSecureFailure(CURLcode code)
{
    switch (code) {
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
        return true;
    default:
        return false;
    }
}

} // namespace

MailServer mailServerOf(const MailSettings &settings)
{
    MailServer server;
    server.server = toUtf8(settings.server);
    server.port = settings.port;
    server.encryption = settings.encryption;
    server.userName = toUtf8(settings.userName);
    server.password = toUtf8(settings.password);
    return server;
}

MailResult sendMail(const MailServer &server, const OutgoingMail &mail,
    const std::atomic<bool> &stop)
{
    const CURLcode ready = curlReady();
    std::unique_ptr<CURL, CurlCleanup> curl(ready == CURLE_OK ? curl_easy_init() : nullptr);
    if (!curl)
        return {MailOutcome::NoSockets, {}};

    for (unsigned char c : server.server) {
        if (!isHostCharacter(c))
            return {MailOutcome::BadSettings, "The SMTP server name is not a host name"};
    }
    const HostPort hostPort = splitServer(server.server);
    if (hostPort.host.empty())
        return {MailOutcome::NoServer, {}};
    if (holdsControlCharacter(mail.from) || holdsControlCharacter(mail.to)
        || holdsControlCharacter(server.userName) || holdsControlCharacter(server.password))
        return {MailOutcome::BadSettings, "An address holds a line break or control character"};
    if (mail.to.empty())
        return {MailOutcome::BadSettings, "There is no address to send to"};

    int port = hostPort.port;
    if (port == 0)
        port = server.port;
    if (port <= 0 || port > 65535)
        port = server.encryption == MailEncryption::Tls ? kSmtpsPort : kSmtpPort;
    const char *scheme = server.encryption == MailEncryption::Tls ? "smtps://" : "smtp://";
    std::string greeting = hostPort.host; // what EHLO / HELO names
    if (greeting.front() == '[')
        greeting = greeting.substr(1, greeting.size() - 2);
    const std::string url
        = scheme + hostPort.host + ":" + std::to_string(port) + "/" + greeting;

    Dialogue dialogue;
    dialogue.text = mail.text;
    dialogue.stop = &stop;
    char errorWords[CURL_ERROR_SIZE] = {};
    curl_slist *recipients = curl_slist_append(nullptr, mail.to.c_str());
    std::unique_ptr<curl_slist, void (*)(curl_slist *)> recipientList(
        recipients, curl_slist_free_all);

    CURL *handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorWords);
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, mail.from.c_str());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readText);
    curl_easy_setopt(handle, CURLOPT_READDATA, &dialogue);
    if (server.encryption == MailEncryption::StartTls)
        curl_easy_setopt(handle, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!server.trustedCertificate.empty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, server.trustedCertificate.c_str());
    if (!server.userName.empty()) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, server.userName.c_str());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, server.password.c_str());
    }
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(server.connectLimit.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, static_cast<long>(server.totalLimit.count()));
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, kStalledSeconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, checkStop);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &dialogue);
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, followReplies);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &dialogue);
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);

    const CURLcode result = curl_easy_perform(handle);
    if (result == CURLE_OK)
        return {MailOutcome::Sent, dialogue.lastReply};
    if (stop.load())
        return {MailOutcome::Stopped, {}};
    const std::string words = errorWords[0] ? errorWords : curl_easy_strerror(result);
    if (result == CURLE_COULDNT_RESOLVE_HOST)
        return {MailOutcome::NoServer, words};
    if (isSecureFailure(result))
        return {MailOutcome::SecureFailed, words};
    if (!dialogue.answered)
        return {MailOutcome::ConnectFailed, words};
    // The server answered, then something it said ended the dialogue.
    if (result == CURLE_LOGIN_DENIED || result == CURLE_SEND_ERROR
        || result == CURLE_WEIRD_SERVER_REPLY || result == CURLE_REMOTE_ACCESS_DENIED
        || result == CURLE_RECV_ERROR)
        return {MailOutcome::Refused, !dialogue.refusal.empty() ? dialogue.refusal : words};
    return {MailOutcome::Failed, words};
}

MailNotice mailNotice(const MailResult &result)
{
    switch (result.outcome) {
    case MailOutcome::Sent:
        return {"Report", "Finished"};
    case MailOutcome::NoSockets:
        return {"Windows sockets not available", "Problem"};
    case MailOutcome::NoServer:
        return {"Cannot find SMTP mail server", "Problem"};
    case MailOutcome::BadSettings:
        return {"The mail was not sent: " + result.words, "Problem"};
    case MailOutcome::ConnectFailed:
        return {"Error connecting to the server socket", "Problem"};
    case MailOutcome::SecureFailed:
        return {"No secure connection to the mail server: " + result.words, "Problem"};
    case MailOutcome::Refused:
        return {"The mail server refused the mail: " + result.words, "Problem"};
    case MailOutcome::Failed:
        return {"The mail was not sent: " + result.words, "Problem"};
    case MailOutcome::Stopped:
        return {"The mail was not sent: the till was closing", "Problem"};
    }
    return {"The mail was not sent", "Problem"};
}

} // namespace ovix
