#pragma once
// Sending the head-office report files of the shop folder to the FTP server
// of upload.cfg, as the upload thread does it: no window is touched; the
// caller shows the message it returns on the window's thread.

#include "platform/messages.h"

#include <atomic>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class UploadConfig;

// What the clerk is told when the upload has ended.
struct ReportUploadMessage {
    std::string text;
    std::string caption;
    MessageKind kind = MessageKind::Information;
};

// Sends each of `names` (Windows-1252 names of files in `dir`) in binary mode
// over an active-mode data connection to the log-on folder of the server of
// `config`, under the same name, replacing what is there. Returns, in this order of precedence:
//   "InternetOpen error %ld" (caption "Problem") when libcurl cannot start,
//   "Please specify the FTP server in the configuration" (caption "Problem"),
//   "Internet ftp connect error" (caption "Problem") when the first file
//       cannot be sent because the server could not be reached or refused
//       the log-on (nothing is sent then),
//   "Transfer failed" (caption "Transmission") when any file failed, a file
//       could not be read, or `stop` was set,
//   "Transfer complete" (caption "Transmission").
// Each file's connection gives up within the time limits of uploadByFtp.
ReportUploadMessage uploadReportFiles(const UploadConfig &config, const DataDir &dir,
    const std::vector<std::string> &names, const std::atomic<bool> &stop);

} // namespace ovix
