// ovixinit: sets up or repairs the shop's data set in the folder it is run in.

#include "platform/clock.h"
#include "platform/console_messages.h"
#include "platform/data_dir.h"
#include "platform/data_lock.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "store/data_set.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char *kUsage =
    "Usage: ovixinit [--demo | --rebuild | --help]\n"
    "Works on the data set in the current folder.\n"
    "  (no option)  create a new, empty data set: film.dat, member.dat, mans.dat,\n"
    "               wr.cfg and resn.dat (refused when any of them is already there)\n"
    "  --demo       create a new data set holding a small sample shop\n"
    "  --rebuild    repair film.dat, member.dat and mans.dat: free records with a bad\n"
    "               or repeated number and clear the loan details\n"
    "  --help       show this text\n";

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kBadUsage = 2;

int createNewDataSet(const ovix::DataDir &dir, bool withDemoShop, ovix::Messages &messages)
{
    const ovix::LocalTime now = ovix::localNow();
    if (!ovix::createDataSet(dir, now, ovix::localeCurrencySymbolCp1252(), messages))
        return kFailure;
    if (withDemoShop && !ovix::addDemoShop(dir, now, messages))
        return kFailure;
    ovix::reportInfo(messages,
                     withDemoShop ? "New data set with the sample shop created."
                                  : "New data set created.",
                     "ovixinit");
    return kSuccess;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view option = argc > 1 ? argv[1] : "";
    if (argc > 2 || (!option.empty() && option != "--demo" && option != "--rebuild" &&
                     option != "--help")) {
        (void)std::fputs(kUsage, stderr);
        return kBadUsage;
    }
    if (option == "--help") {
        (void)std::fputs(kUsage, stdout);
        return kSuccess;
    }

    const ovix::DataDir dir(".");
    ovix::ConsoleMessages messages;
    // A till working on the folder keeps its indexes in memory: the record
    // files must not change under it.
    ovix::DataFolderLock lock;
    if (!lock.tryLock(dir.root())) {
        ovix::reportProblem(messages, lock.heldElsewhere()
                                          ? "The till is running on this data set; close it first."
                                          : "Unable to open the current folder.");
        return kFailure;
    }
    if (option == "--rebuild")
        return ovix::rebuildDataSet(dir, messages) ? kSuccess : kFailure;
    return createNewDataSet(dir, option == "--demo", messages);
}
