#pragma once
// One import into the shop's film.dat or member.dat, run in slices so that the
// till can show its progress and offer Cancel.
//
//     ImportRun run(shop, source, plan);
//     if (!run.open(messages)) return;
//     while (!run.atEnd()) run.step(5000);   // destroy the run to cancel
//     ImportResult result = run.finish(messages);
//
// Nothing in the data folder changes before finish(). A replacing import
// writes the new file under a temporary name (AtomicFileWriter) and puts it in
// place only when at least one record was taken; the item file it replaces is
// first copied whole to temp2.dat, and the copy and the new file are put in
// place together under the undo journal (one FileTransaction), so a failure or
// a crash leaves both as they were or both new. A merge keeps the new items in memory and
// appends them to film.dat in one FileTransaction, so a failure or a crash
// leaves film.dat as it was. Cancelling (destroying the run before finish())
// removes the temporary file and changes nothing. After an import the till
// must end: its indexes no longer describe the file, and the next start
// rebuilds them.

#include "exchange/logic/import_scan.h"
#include "exchange/logic/import_source.h"
#include "platform/file.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ovix {

class Messages;
class Shop;

// The copy of the item file kept by a replacing import.
inline constexpr const char *kItemImportBackup = "temp2.dat";

enum class ImportOutcome {
    Imported, // the file was written (or a merge ran to its end): the till closes down
    NothingTaken, // no line was taken; the files are as they were
    Failed, // a file could not be written; told, and the files are as they were
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Failed;
    int64_t taken = 0;
    int64_t notTaken = 0;
    std::vector<ImportRejection> rejections;
};

class ImportRun {
public:
    // `source` and `shop` must outlive the run.
    ImportRun(Shop &shop, const ImportSource &source, const ImportPlan &plan);
    ~ImportRun();
    ImportRun(const ImportRun &) = delete;
    ImportRun &operator=(const ImportRun &) = delete;

    // Creates the temporary file of a replacing import: "Unable to open
    // film.dat" or "Unable to open member.dat" (caption "Problem") when it
    // cannot be created. False, with nothing changed, on failure.
    bool open(Messages &messages);

    // Reads up to `lines` more lines. False when writing the temporary file
    // failed; the run can then only be finished (it fails) or dropped.
    bool step(int64_t lines);
    bool atEnd() const { return scanner_.atEnd(); }
    int64_t linesRead() const { return scanner_.linesRead(); }
    int64_t totalLines() const { return totalLines_; }

    // Puts the new records in place and tells what happened: "No valid items"
    // or "No valid customers" (caption "Problem") when no line was taken by a
    // replacing import; "Item %I64d duplicated" (caption "Import
    // inconsistancy") when a number was taken twice (both records stay); the
    // write failures (caption "Problem"). The closing message is the
    // caller's (announceImportEnd).
    ImportResult finish(Messages &messages);

private:
    bool flush();
    bool replaceFile(Messages &messages);
    bool appendMerged(Messages &messages);

    Shop &shop_;
    const ImportSource &source_;
    ImportScanner scanner_;
    int64_t totalLines_ = 0;
    std::string targetPath_;
    std::unique_ptr<AtomicFileWriter> out_; // a replacing import's new file
    std::string pending_; // records not yet written (all of a merge's)
    bool writeFailed_ = false;
};

// The report of the lines not taken, as shown and saved: a heading naming the
// file and the counts, then one line per line not taken ("Line 7, column 2:
// reason"; a reason about the whole line has no column).
std::string importReportText(const std::string &sourcePath, const ImportResult &result);

// Where the report of `sourcePath` is saved: "<file>.rejected.txt" beside it.
std::string importReportPath(const std::string &sourcePath);

// Saves the report beside the imported file (mode 0600, replacing an old
// one). False, with `error` set, when it cannot be written.
bool saveImportReport(const std::string &sourcePath, const ImportResult &result,
    std::string *error);

// The closing message of an import that was put in place: "OVIX will now
// close down" (caption "Inventory import complete" for items, "File import
// complete" for customers) with the counts of lines taken and not taken.
void announceImportEnd(ImportSubject subject, const ImportResult &result, Messages &messages);

} // namespace ovix
