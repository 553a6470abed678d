#pragma once
// Sending a file to an FTP server (libcurl), as one upload thread does it.
// Nothing here touches a window: the caller tells the outcome.

#include "platform/file.h"

#include <atomic>
#include <string>

namespace ovix {

struct FtpJob {
    std::string server; // "host" (port 21) or "host:port", UTF-8
    std::string userName; // UTF-8
    std::string password; // UTF-8
    std::string remoteFolder; // changed to after log-on; "" = stay in the log-on folder
    std::string remoteName; // name of the file on the server
    File file; // open for reading: the bytes sent, from its start
    // Active mode: the server opens the data connection to us (PORT/EPRT).
    // Off: passive mode, we open it to the server (the publisher's way).
    bool activeMode = false;
};

enum class UploadOutcome { // with the texts the publisher logs for each
    NoInternet, // libcurl could not be set up: "InternetOpen error %ld"
    NoServer, // "Please specify the FTP server in the configuration."
    ConnectFailed, // no connection or log-on refused: "Internet ftp connect error %ld"
    FolderFailed, // "Unable to set directory to %s", "Reported error %ld"
    TransferFailed, // "Transfer failed."
    Complete, // "Transfer complete."
};

// The address libcurl is given: "ftp://" server, the remote folder (taken
// from the server's root when it starts with "/") and the name, each folder
// part and the name percent-encoded. Empty when the server is not a host name
// or address with an optional ":port", or the folder or name holds a control
// character.
std::string ftpUploadUrl(
    const std::string &server, const std::string &folder, const std::string &name);

struct FtpResult {
    UploadOutcome outcome = UploadOutcome::TransferFailed;
    long code = 0; // libcurl's error code, where the outcome reports one
};

// Logs in with the job's user name and password, changes to the remote
// folder (which is never created) and stores the file under the remote name
// in binary (image) mode over a passive data connection (an active one when
// the job asks), replacing a file of that name. A server that stops answering
// is given up on within about a minute. Setting `stop` abandons the upload
// within about a second (it then counts as failed).
FtpResult uploadByFtp(FtpJob &job, const std::atomic<bool> &stop);

} // namespace ovix
