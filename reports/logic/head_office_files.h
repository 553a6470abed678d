#pragma once
// The report files a head office receives by FTP, written into the shop
// folder before the upload starts: the daily overview, the daily item list
// and the reorder list. Each file is replaced whole (owner only when new);
// names come from upload.cfg and which files are wanted from wr.cfg.

#include "comms/logic/upload_config.h"

#include <optional>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;
class TillState;
struct LocalTime;

// The daily item list of `now`'s day: "Daily item list: " and the store name,
// the column heading, then one line per sold line of the day's sales (account
// payments and refunds left out). Nothing when the command ends: "No items
// for that day." (caption "Problem") without the day's saleslog.dat, nothing
// said without its itemslog.dat, "Unable to produce items file." when the
// logs cannot be read.
std::optional<std::string> dailyItemsText(const DataDir &dir, const std::string &storeName,
    const LocalTime &now, Messages &messages);

// The reorder list: "Reorder list: " and the store name, the column heading,
// then every live item of film.dat that is not a bundle and whose restock
// level is at least its stock, in file order; a record that cannot be read
// whole ends the list. Nothing, after "Data file film.dat, not present."
// (caption "Fatal error"), when film.dat cannot be opened.
std::optional<std::string> reorderListText(const DataDir &dir, const std::string &storeName,
    Messages &messages);

// Writes every chosen report whose file name is not empty into the shop
// folder, in the order overview, item list, reorder list, and returns the
// names written. Nothing when the upload must not go on: "No reports
// selected." (caption "Problem") when none is chosen and named, or a report
// that could not be built or written, with its message ("Unable to produce
// report file.", "Unable to produce items file.", "Unable to produce reorder
// file.", caption "Problem"; a name with a folder part or the name of one of
// the shop's own files, as a damaged upload.cfg may hold, is not written).
// Files written before a failure stay in the folder.
std::optional<std::vector<std::string>> writeHeadOfficeFiles(const TillState &state,
    const UploadConfig &upload, Messages &messages, const LocalTime &now);

} // namespace ovix
