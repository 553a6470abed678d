#include "comms/logic/ftp_upload.h"


#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <string_view>

namespace ovix {

namespace {

constexpr long kConnectTimeoutSeconds = 30;
constexpr long kStalledSeconds = 60;
// How long an active-mode upload waits for the server to open the data
// connection to us.
constexpr long kAcceptTimeoutMilliseconds = 20000;

bool hasControlCharacter(std::string_view text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

bool isServerCharacter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
        || c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
}

std::string percentEncoded(std::string_view text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0x0F];
        }
    }
    return out;
}

// libcurl's global set-up, once for the program: CURLE_OK or why it failed.
CURLcode curlReady()
{
    static std::once_flag once;
    static CURLcode result = CURLE_FAILED_INIT;
    std::call_once(once, [] { result = curl_global_init(CURL_GLOBAL_DEFAULT); });
    return result;
}

// How far the FTP dialogue got, from the commands libcurl sent.
enum class Stage { LoggingOn, LoggedOn, ChangingFolder, Transferring };

struct Transfer {
    File *file = nullptr;
    int64_t offset = 0;
    const std::atomic<bool> *stop = nullptr;
    Stage stage = Stage::LoggingOn;
};

size_t readBytes(char *buffer, size_t size, size_t count, void *context)
{
    auto *transfer = static_cast<Transfer *>(context);
    const int64_t got = transfer->file->readSomeAt(transfer->offset, buffer, size * count);
    if (got < 0)
        return CURL_READFUNC_ABORT;
    transfer->offset += got;
    return static_cast<size_t>(got);
}

int checkStop(void *context, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Transfer *>(context)->stop->load() ? 1 : 0;
}

int followCommands(CURL *, curl_infotype type, char *data, size_t size, void *context)
{
    if (type != CURLINFO_HEADER_OUT)
        return 0;
    auto *transfer = static_cast<Transfer *>(context);
    std::string_view line(data, size);
    std::string_view command = line.substr(0, line.find_first_of(" \r\n"));
    if (command == "USER" || command == "PASS" || command == "ACCT" || command == "AUTH")
        return 0;
    if (command == "PWD")
        transfer->stage = Stage::LoggedOn;
    else if (command == "CWD")
        transfer->stage = Stage::ChangingFolder;
    else if (command != "QUIT")
        transfer->stage = Stage::Transferring;
    return 0;
}

struct CurlCleanup {
    void operator()(CURL *curl) const
    {
        curl_easy_cleanup(curl);
    }
};

} // namespace

std::string ftpUploadUrl(
    const std::string &server, const std::string &folder, const std::string &name)
{
    if (server.empty() || name.empty() || hasControlCharacter(folder) || hasControlCharacter(name))
        return {};
    for (unsigned char c : server) {
        if (!isServerCharacter(c))
            return {};
    }
    std::string url = "ftp://" + server + "/";
    std::string_view rest(folder);
    while (rest.size() > 1 && rest.back() == '/')
        rest.remove_suffix(1);
    if (!rest.empty() && rest.front() == '/') {
        url += "%2F"; // the server's root, then the folder below it
        rest.remove_prefix(1);
    }
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        url += percentEncoded(rest.substr(0, slash));
        url += '/';
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    return url + percentEncoded(name);
}

FtpResult uploadByFtp(FtpJob &job, const std::atomic<bool> &stop)
{
    const CURLcode ready = curlReady();
    std::unique_ptr<CURL, CurlCleanup> curl(ready == CURLE_OK ? curl_easy_init() : nullptr);
    if (!curl) {
        const long code = ready == CURLE_OK ? CURLE_FAILED_INIT : ready;
        return { UploadOutcome::NoInternet, code };
    }
    if (job.server.empty()) {
        return { UploadOutcome::NoServer, 0 };
    }
    if (hasControlCharacter(job.remoteFolder)) {
        return { UploadOutcome::FolderFailed, CURLE_URL_MALFORMAT };
    }
    const std::string url = ftpUploadUrl(job.server, job.remoteFolder, job.remoteName);
    if (url.empty() || hasControlCharacter(job.userName) || hasControlCharacter(job.password)) {
        return { UploadOutcome::ConnectFailed,
            url.empty() ? CURLE_URL_MALFORMAT : CURLE_LOGIN_DENIED };
    }

    const int64_t size = job.file.size();
    if (size < 0)
        return { UploadOutcome::TransferFailed, 0 };
    Transfer transfer;
    transfer.file = &job.file;
    transfer.stop = &stop;
    CURL *handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(handle, CURLOPT_USERNAME, job.userName.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, job.password.c_str());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "OVIXSYNC");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_TRANSFERTEXT, 0L);
    if (job.activeMode) {
        // "-": our side of the control connection's address, any free port.
        curl_easy_setopt(handle, CURLOPT_FTPPORT, "-");
        curl_easy_setopt(handle, CURLOPT_ACCEPTTIMEOUT_MS, kAcceptTimeoutMilliseconds);
    } else {
        // Passive data connections: libcurl 7.88's active mode (Debian 12) now
        // and then fails to take the server's connection and waits out the
        // timeout.
        curl_easy_setopt(handle, CURLOPT_FTPPORT, static_cast<char *>(nullptr));
    }
    curl_easy_setopt(
        handle, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR_NONE));
    curl_easy_setopt(handle, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, kStalledSeconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size));
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readBytes);
    curl_easy_setopt(handle, CURLOPT_READDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, checkStop);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, followCommands);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);

    const CURLcode result = curl_easy_perform(handle);
    if (result == CURLE_OK)
        return { UploadOutcome::Complete, 0 };
    if (transfer.stage == Stage::LoggingOn && !stop.load())
        return { UploadOutcome::ConnectFailed, result };
    if (transfer.stage == Stage::ChangingFolder && !stop.load())
        return { UploadOutcome::FolderFailed, result };
    return { UploadOutcome::TransferFailed, result };
}

} // namespace ovix
