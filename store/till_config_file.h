#pragma once
// Reading and writing wr.cfg, the file image of the till's configuration block.

#include <cstdint>
#include <optional>
#include <string>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;
struct LocalTime;

inline constexpr const char *kTillConfigFileName = "wr.cfg";

// Reads wr.cfg (found whatever the case of its name) into `config`: the first
// 42550 bytes; a shorter file fills what it holds and leaves the rest zero.
// `fileSize`, when given, receives the size of the file as found.
// A missing or unreadable file is reported ("Data file wr.cfg not present in
// Opendata.", caption "Fatal error"), leaves `config` unchanged and gives false.
bool loadTillConfig(const DataDir &dir, TillConfig &config, Messages &messages,
                    int64_t *fileSize = nullptr);

// Keeps wr.cfg as it is now, byte for byte, in a new file beside it named
// "wr.cfg.damaged-YYYYMMDD-HHMMSS" after `now` ("-2", "-3", ... added while
// that name is taken), readable and writable by the owner only. An earlier
// copy is never replaced. Gives the copy's file name, or nothing (with `error`,
// when given, saying what failed) when no copy could be made. Shows nothing.
std::optional<std::string> keepTillConfigCopy(const DataDir &dir, const LocalTime &now,
                                              std::string *error = nullptr);

// Replaces wr.cfg with the whole block, all or nothing: a failure or a crash
// part-way leaves the previous file in place. An existing WR.CFG keeps its
// name; a new file is created as "wr.cfg". False (with `error`, when given,
// saying what failed) when the file cannot be written or synced. Shows nothing.
bool storeTillConfig(const DataDir &dir, const TillConfig &config, std::string *error = nullptr);

// The moments at which the till stores the block; each tells a failure its own way.
enum class TillConfigStoreMoment {
    AfterStart,       // "WR.CFG" (caption "Problem")
    BeforeBackup,     // "WR.CFG" (caption "Problem")
    AfterTransaction, // "Data file: wr.cfg, not present." (caption "Fatal error")
    AtShutdown,       // "Unable to create WR.CFG at end of WinMaim" (caption "Problem")
};

// storeTillConfig, telling the user with the moment's message when it fails.
// The block in memory stays in use either way.
bool storeTillConfig(const DataDir &dir, const TillConfig &config, Messages &messages,
                     TillConfigStoreMoment moment);

} // namespace ovix
