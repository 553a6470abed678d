// wr.cfg as the till reads and checks it at start. The input is the file.
// Whatever the bytes: the block holds the file's first 42550 bytes; the
// check sets back only what it names and finds nothing in what it set back;
// a damaged file is told and kept byte for byte in a copy beside it, and
// wr.cfg is not touched before the start has passed every check. Then the
// till starts on a new shop with this wr.cfg: a refused start leaves the
// folder as it was (the copy apart); a start that goes through stores a
// block that the next start finds sound.

#include "fuzz/fuzz_folder.h"
#include "sales/logic/till_state.h"
#include "store/till_config_file.h"
#include "store/till_config_repair.h"
#include "till/logic/damaged_config.h"
#include "till/logic/startup.h"

using namespace ovix;
using ovix::fuzz::check;
using ovix::fuzz::FuzzFolder;

namespace {

LocalTime startTime()
{
    LocalTime now;
    now.year = 2026;
    now.month = 3;
    now.day = 5;
    now.hour = 9;
    return now;
}

bool isCopyName(const std::string &name)
{
    return name.rfind("wr.cfg.damaged-", 0) == 0;
}

// The copies of a damaged wr.cfg in the folder, taken out of `files`.
std::vector<std::string> takeCopies(std::map<std::string, std::string> &files)
{
    std::vector<std::string> copies;
    for (auto at = files.begin(); at != files.end();) {
        if (isCopyName(at->first)) {
            copies.push_back(at->second);
            at = files.erase(at);
        } else {
            ++at;
        }
    }
    return copies;
}

TillConfigRepair checkAndKeep(const std::string &bytes)
{
    FuzzFolder &folder = FuzzFolder::instance();
    folder.clear();
    folder.write(kTillConfigFileName, bytes);
    const DataDir dir(folder.path());
    TillConfig config;
    int64_t size = -1;
    ScriptedMessages messages;
    check(loadTillConfig(dir, config, messages, &size));
    check(size == static_cast<int64_t>(bytes.size()));
    TillConfig asRead;
    asRead.assign(bytes);
    check(config.view() == asRead.view());

    const TillConfigRepair repair = repairTillConfig(config, size, startTime());
    check(repair.damaged() == (repair.wrongSize() || !repair.found.empty()));
    if (repair.found.empty())
        check(config.view() == asRead.view());
    TillConfig again = config;
    const TillConfigRepair second = repairTillConfig(again, kTillConfigSize, startTime());
    // A day of last use out of range is only told; the new-day check mends it.
    check(second.passwordsSetBack.empty());
    for (const std::string &kind : second.found)
        check(kind == "day of last use");
    check(again.view() == config.view());

    check(keepAndTellDamagedConfig(dir, repair, startTime(), messages));
    check(messages.shown.size() == (repair.damaged() ? 1u : 0u));
    std::map<std::string, std::string> files = folder.snapshot();
    const std::vector<std::string> copies = takeCopies(files);
    check(copies.size() == (repair.damaged() ? 1u : 0u));
    for (const std::string &copy : copies)
        check(copy == bytes);
    check(files.size() == 1 && files[kTillConfigFileName] == bytes);

    // Stored and read back, the checked block is sound as it stands.
    check(storeTillConfig(dir, config));
    TillConfig stored;
    check(loadTillConfig(dir, stored, messages, &size) && size == kTillConfigSize);
    check(stored.view() == config.view());
    return repair;
}

void startWith(const std::string &bytes, bool answerOk)
{
    FuzzFolder &folder = FuzzFolder::instance();
    folder.clear();
    folder.write(fuzz::newShopFiles(false));
    folder.write(kTillConfigFileName, bytes);
    std::map<std::string, std::string> before = folder.snapshot();

    setFixedLocalTime(startTime());
    TillState state(folder.path());
    ScriptedMessages messages;
    messages.answers.push_back(answerOk ? Answer::Ok : Answer::Cancel);
    if (!openData(state, messages)) {
        check(state.startFailed && !messages.shown.empty());
        std::map<std::string, std::string> after = folder.snapshot();
        takeCopies(after);
        check(after == before);
        return;
    }
    // The pole display's port is the shop's device, not this test's.
    state.config.set(cfg::poleInUse, 0);
    check(completeStart(state, messages));
    TillConfig stored;
    int64_t size = 0;
    check(loadTillConfig(state.dir, stored, messages, &size) && size == kTillConfigSize);
    const TillConfigRepair next = repairTillConfig(stored, size, startTime());
    check(next.found.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    checkAndKeep(bytes);
    startWith(bytes, size % 2 == 0);
    setFixedLocalTime(std::nullopt);
    return 0;
}
