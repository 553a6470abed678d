#pragma once
// Utilities "Restore": the master files put back from a backup folder, the
// sales history (which no longer matches them) cleared, and the till ended
// so that it starts afresh on the restored files.

#include <optional>
#include <string>

namespace ovix {

class Messages;
class TillState;

// The notice shown before the file is picked.
inline constexpr const char *kRestoreNoticeCaption = "Restore data from backup";
extern const char *const kRestoreNoticeText;

// The backup folder of the file the user picked: its folder when the file is
// WR.CFG in any letter case, the path kept as it is. Otherwise "File not
// present." (caption "Fatal error") and nothing.
std::optional<std::string> backupFolderOfChoice(const std::string &chosenPath,
                                                Messages &messages);

enum class RestoreResult {
    Refused,  // the folder's files did not pass the checks; nothing changed
    Failed,   // a copy or the swap failed and was told; nothing changed
    Restored, // the till must end now without storing anything
};

// Checks wr.cfg, film.dat, member.dat and mans.dat in `folder` (found whatever
// their case) before anything is touched: one that cannot be opened shows its
// path with the caption "File not present.", an empty one its path with "File
// has no content" (OK and Cancel), a record file whose size the start-up
// would refuse its path with "File is damaged". Then copies every master file
// the folder has into the data folder under temporary names, each synced;
// the restored wr.cfg's next transaction number is set to 1. Only when every
// copy is there are they swapped in for the shop's files, all together or
// not at all (a crash part-way is undone at the next start), and only then is
// the sales history purged. On success sets state.dataReplaced, shows "OVIX
// will now close down" (caption "Restore complete") and gives Restored.
RestoreResult restoreFromFolder(TillState &state, const std::string &folder, Messages &messages);

} // namespace ovix
