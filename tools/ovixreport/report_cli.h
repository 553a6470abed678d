#pragma once
// ovixreport: prints one report of a shop folder to a PDF file or a named
// printer, from the command line, while the till may be running. It takes no
// lock and writes nothing in the shop folder.

#include <cstdio>
#include <string>
#include <vector>

namespace ovix {

// Exit statuses: printed; nothing printed (the reason on `err`); the command
// line or the shop folder is wrong (one line on `err`).
inline constexpr int kReportPrinted = 0;
inline constexpr int kReportNotPrinted = 1;
inline constexpr int kReportBadArguments = 2;

// Runs the program on `args` (without the program's name). Needs a
// QGuiApplication.
int runReportCli(const std::vector<std::string> &args, std::FILE *out, std::FILE *err);

} // namespace ovix
