#include "exchange/logic/import_run.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/undo_journal.h"
#include "store/shop.h"
#include "store/time_stamp.h"

#include <algorithm>
#include <optional>

namespace ovix {

namespace {

// Records go to the disk in blocks of about this size.
constexpr size_t kWriteBlockBytes = size_t(1) << 20;

const IndexedRecordFile &targetFile(const Shop &shop, ImportSubject subject)
{
    if (subject == ImportSubject::Items)
        return shop.items;
    return shop.customers;
}

// Copies the file at `from` whole over `to`, all or nothing.
bool copyOver(const std::string &from, const std::string &to)
{
    File in = File::open(from, File::Mode::Read);
    if (!in.isOpen())
        return false;
    AtomicFileWriter out(to, ReplacedMode::KeepOld);
    if (!out.isOpen())
        return false;
    std::string block(kWriteBlockBytes, '\0');
    for (int64_t offset = 0;;) {
        const int64_t got = in.readSomeAt(offset, block.data(), block.size());
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (!out.write(std::string_view(block.data(), static_cast<size_t>(got))))
            return false;
        offset += got;
    }
    return out.commit();
}

} // namespace

ImportRun::ImportRun(Shop &shop, const ImportSource &source, const ImportPlan &plan)
    : shop_(shop)
    , source_(source)
    , scanner_(source.bytes, plan, makeTimeStamp(localNow()),
          plan.merge && plan.subject == ImportSubject::Items
              ? std::function<bool(int64_t)>(
                    [&shop](int64_t number) { return shop.items.index().contains(number); })
              : std::function<bool(int64_t)>())
    , totalLines_(countImportLines(source.bytes))
    , targetPath_(targetFile(shop, plan.subject).filePath())
{
}

ImportRun::~ImportRun() = default;

bool ImportRun::open(Messages &messages)
{
    if (scanner_.plan().merge && scanner_.plan().subject == ImportSubject::Items) {
        if (File::open(targetPath_, File::Mode::Read).isOpen())
            return true;
    } else {
        out_ = std::make_unique<AtomicFileWriter>(targetPath_, ReplacedMode::KeepOld);
        if (out_->isOpen())
            return true;
        out_.reset();
    }
    reportProblem(messages,
        cformat("Unable to open %s", targetFile(shop_, scanner_.plan().subject).fileName()));
    return false;
}

bool ImportRun::flush()
{
    if (!out_ || pending_.empty())
        return !writeFailed_;
    if (!out_->write(pending_))
        writeFailed_ = true;
    pending_.clear();
    return !writeFailed_;
}

bool ImportRun::step(int64_t lines)
{
    scanner_.scan(lines, pending_);
    if (out_ && pending_.size() >= kWriteBlockBytes)
        return flush();
    return !writeFailed_;
}

bool ImportRun::replaceFile(Messages &messages)
{
    const char *name = targetFile(shop_, scanner_.plan().subject).fileName();
    if (!flush() || !out_) {
        reportProblem(messages, cformat("Not able to write to %s", name));
        return false;
    }
    const bool items = scanner_.plan().subject == ImportSubject::Items;
    // The item file replaced stays as temp2.dat until the next replacing
    // import. Its copy and the new item file go in together under the undo
    // journal: a failure or a crash between the two leaves neither, so
    // temp2.dat never holds the file still in use while an older copy is lost.
    std::optional<FileTransaction> work;
    if (items) {
        work.emplace(shop_.dir);
        work->protectWholeFile(kItemImportBackup);
        work->protectWholeFile(name);
        if (!work->begin()) {
            out_.reset();
            reportProblem(messages, cformat("Not able to write to %s\n%s", name,
                                        work->error().c_str()));
            return false;
        }
        if (!copyOver(targetPath_, shop_.dir.path(kItemImportBackup))) {
            out_.reset();
            work->rollback();
            reportProblem(messages, cformat("Not able to copy %s to %s; nothing was imported.",
                                        name, kItemImportBackup));
            return false;
        }
    }
    // Once the new file stands under its name it is the shop's file, whole,
    // even when the folder could not be synced after the rename.
    const bool inPlace = out_->commit() || out_->inPlace();
    out_.reset();
    if (!inPlace || (work && !work->commit())) {
        if (work)
            work->rollback();
        reportProblem(messages, cformat("Not able to write to %s", name));
        return false;
    }
    return true;
}

bool ImportRun::appendMerged(Messages &messages)
{
    if (pending_.empty())
        return true;
    const char *name = shop_.items.fileName();
    FileTransaction work(shop_.dir);
    work.protectLength(name);
    if (!work.begin()) {
        reportProblem(messages, cformat("Not able to write to %s\n%s", name, work.error().c_str()));
        return false;
    }
    File file = File::open(targetPath_, File::Mode::Append);
    bool written = file.isOpen();
    for (size_t at = 0; written && at < pending_.size(); at += kWriteBlockBytes) {
        const size_t size = std::min(kWriteBlockBytes, pending_.size() - at);
        written = file.append(pending_.data() + at, size);
    }
    written = file.close() && written;
    if (!written || !work.commit()) {
        work.rollback();
        reportProblem(messages, cformat("Not able to write to %s", name));
        return false;
    }
    pending_.clear();
    return true;
}

ImportResult ImportRun::finish(Messages &messages)
{
    while (!atEnd() && !writeFailed_)
        step(int64_t(1) << 20);
    ImportResult result;
    result.taken = scanner_.taken();
    result.notTaken = scanner_.notTaken();
    result.rejections = scanner_.rejections();
    const ImportPlan &plan = scanner_.plan();
    const bool merge = plan.merge && plan.subject == ImportSubject::Items;
    if (result.taken == 0 && !merge) {
        out_.reset();
        reportProblem(messages,
            plan.subject == ImportSubject::Items ? "No valid items" : "No valid customers");
        result.outcome = ImportOutcome::NothingTaken;
        return result;
    }
    if (!(merge ? appendMerged(messages) : replaceFile(messages))) {
        result.outcome = ImportOutcome::Failed;
        return result;
    }
    if (const std::optional<int64_t> twice = firstDuplicate(scanner_.numbers())) {
        messages.beep();
        messages.show(cformat("Item %lld duplicated", static_cast<long long>(*twice)),
            "Import inconsistancy", MessageKind::Warning);
    }
    result.outcome = ImportOutcome::Imported;
    return result;
}

std::string importReportText(const std::string &sourcePath, const ImportResult &result)
{
    std::string text = cformat("Import of %s\r\n%lld lines taken, %lld not taken.\r\n",
        sourcePath.c_str(), static_cast<long long>(result.taken),
        static_cast<long long>(result.notTaken));
    if (!result.rejections.empty())
        text += "\r\nLines not taken:\r\n";
    for (const ImportRejection &rejection : result.rejections) {
        if (rejection.column > 0) {
            text += cformat("Line %lld, column %d: %s\r\n",
                static_cast<long long>(rejection.line), rejection.column,
                rejection.reason.c_str());
        } else {
            text += cformat("Line %lld: %s\r\n", static_cast<long long>(rejection.line),
                rejection.reason.c_str());
        }
    }
    return text;
}

std::string importReportPath(const std::string &sourcePath)
{
    return sourcePath + ".rejected.txt";
}

bool saveImportReport(const std::string &sourcePath, const ImportResult &result,
    std::string *error)
{
    return replaceFileAtomically(importReportPath(sourcePath),
        importReportText(sourcePath, result), error, ReplacedMode::OwnerOnly);
}

void announceImportEnd(ImportSubject subject, const ImportResult &result, Messages &messages)
{
    reportInfo(messages,
        cformat("OVIX will now close down\n\n%lld lines taken, %lld not taken.",
            static_cast<long long>(result.taken), static_cast<long long>(result.notTaken)),
        subject == ImportSubject::Items ? "Inventory import complete" : "File import complete");
}

} // namespace ovix
