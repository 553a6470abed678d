#include "sales/logic/file_update.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/sales_archive.h"
#include "store/activity_log.h"
#include "store/till_config_file.h"

namespace ovix {

namespace {

constexpr const char *kTillConfigProblem = "Data file: wr.cfg, not present.";
constexpr const char *kLogProblem = "Data file: bun4.dat, not present.";

} // namespace

FileUpdate::FileUpdate(const DataDir &dir, std::string notRecorded)
    : dir_(dir)
    , notRecorded_(std::move(notRecorded))
{
}

bool FileUpdate::readyArchive(SalesArchiveWriter &archive, Messages &messages)
{
    // Work of this run left half done (its undoing failed) is undone first: a
    // torn end it explains is put right by the journal, not kept as damage.
    if (fileExists(dir_.path(kJournalName))) {
        const RecoveryResult recovered = recoverInterruptedWork(dir_);
        if (!recovered.ok) {
            refuse(messages, recovered.error, MessageKind::Warning);
            return false;
        }
    }
    // Whatever the journal keeps must be a file it can put back: a folder in
    // the place of one would leave work that no start could undo.
    ArchiveFile unreadable = ArchiveFile::SalesLog;
    if (!archive.inspect(unreadable)) {
        refuse(messages, unableToOpenMessage(unreadable), MessageKind::Warning);
        return false;
    }
    return true;
}

void FileUpdate::refuse(Messages &messages, const std::string &problem, MessageKind kind) const
{
    if (!problem.empty()) {
        if (kind == MessageKind::Error)
            reportFatal(messages, problem);
        else
            reportProblem(messages, problem);
    }
    reportProblem(messages, notRecorded_);
}

void FileUpdate::replaceTillConfig(const TillConfig &config)
{
    config_ = &config;
}

void FileUpdate::appendToArchive(SalesArchiveWriter &archive, const YearIndexEntry &entry,
    const TransactionRecord &transaction, std::span<const SoldItemRecord> lines)
{
    archive_ = &archive;
    entry_ = entry;
    transaction_ = &transaction;
    lines_ = lines;
}

void FileUpdate::appendToFile(std::string fileName, std::string bytes, std::string problem)
{
    appends_.push_back({ std::move(fileName), std::move(bytes), std::move(problem) });
}

void FileUpdate::appendLogBlock(std::string text)
{
    hasLogBlock_ = true;
    logBlock_ = std::move(text);
}

bool FileUpdate::run(Messages &messages)
{
    logWritten_ = true;
    if (config_ && isDirectory(dir_.path(kTillConfigFileName))) {
        refuse(messages, kTillConfigProblem, MessageKind::Error);
        return false;
    }
    const bool logUsable = hasLogBlock_ && !isDirectory(dir_.path(kCurrentLogName));

    FileTransaction work(dir_);
    if (config_)
        work.protectWholeFile(kTillConfigFileName);
    if (archive_)
        archive_->protect(work);
    for (const Append &append : appends_)
        work.protectLength(append.fileName);
    for (const Rewrite &rewrite : rewrites_)
        work.protectRange(rewrite.fileName, rewrite.slot * rewrite.recordSize, rewrite.recordSize);
    if (logUsable)
        work.protectLength(kCurrentLogName);
    if (!work.begin()) {
        refuse(messages, work.error(), MessageKind::Warning);
        return false;
    }
    auto undo = [&](const std::string &problem, MessageKind kind) {
        const bool undone = work.rollback();
        refuse(messages, problem, kind);
        if (!undone)
            reportProblem(messages, work.error());
        return false;
    };

    // begin() has synced a journal holding every byte and length about to
    // change; commit() syncs the changed files and then deletes the journal,
    // and that deletion is the one moment the update becomes real.
    if (config_ && !storeTillConfig(dir_, *config_))
        return undo(kTillConfigProblem, MessageKind::Error);
    if (archive_) {
        std::string problem;
        if (!archive_->append(entry_, *transaction_, lines_, problem))
            return undo(problem, MessageKind::Warning);
    }
    for (const Append &append : appends_) {
        File file = File::open(dir_.path(append.fileName), File::Mode::Append);
        const bool written = file.isOpen() && file.append(append.bytes.data(), append.bytes.size());
        if (!file.close() || !written)
            return undo(append.problem, MessageKind::Warning);
    }
    for (const Rewrite &rewrite : rewrites_) {
        ScriptedMessages quiet;
        if (!rewrite.write(quiet)) {
            if (quiet.shown.empty())
                return undo("Not able to write to " + rewrite.fileName, MessageKind::Warning);
            return undo(quiet.lastText(), quiet.shown.back().kind);
        }
    }
    if (hasLogBlock_) {
        if (!logUsable) {
            logWritten_ = false;
        } else {
            // A log that cannot be written is left as it was and noted; only
            // a torn block that could not be cut off again undoes the update.
            bool tornBlockLeft = false;
            logWritten_ = appendToLog(dir_, logBlock_, &tornBlockLeft);
            if (tornBlockLeft)
                return undo(kLogProblem, MessageKind::Error);
        }
    }
    if (!work.commit()) {
        refuse(messages, work.error(), MessageKind::Warning);
        return false;
    }
    return true;
}

} // namespace ovix
