#include "exchange/logic/export_file.h"

#include "exchange/logic/export_lines.h"
#include "platform/c_format.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/shop.h"

#include <strings.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace ovix {

namespace {

// The output is handed to the file in pieces of about this size.
constexpr size_t kWriteBlockBytes = size_t(256) << 10;

// The files an export must never replace: the records, settings and logs.
constexpr const char *kShopFiles[] = { "film.dat", "member.dat", "mans.dat", "wr.cfg",
    "ADDRESS.VT", "language.ini", "resn.dat", "bun4.dat", "bun2.dat", "thedaily.dat",
    "basket.sav", "f2.dat", "m2.dat", "temp2.dat" };

bool namesShopFile(const Shop &shop, const std::string &path)
{
    std::error_code error;
    const std::filesystem::path output = std::filesystem::weakly_canonical(path, error);
    if (error)
        return false;
    for (const char *name : kShopFiles) {
        const std::filesystem::path shopFile
            = std::filesystem::weakly_canonical(shop.dir.path(name), error);
        if (!error && shopFile == output)
            return true;
        // A data set copied from elsewhere may name its files in capitals.
        if (!error && output.parent_path() == shopFile.parent_path()
            && strcasecmp(output.filename().c_str(), name) == 0)
            return true;
    }
    return false;
}

// Streams the records of index positions [range.first, range.last) in number
// order into `out`: one block pass over the file; a record read ahead of its
// turn waits in memory until those before it are written, so a file whose
// slots run in number order is written as it is read.
template <typename Record, typename Append>
bool writeInNumberOrder(const RecordFile<Record> &file, RecordIndex::Range range,
    AtomicFileWriter &out, Append append, bool &readWhole)
{
    const RecordIndex &index = file.index();
    const size_t count = range.last - range.first;
    std::vector<int64_t> orderOfSlot(static_cast<size_t>(file.slotCount()), -1);
    for (size_t position = range.first; position < range.last; ++position) {
        const int64_t slot = index[position].slot;
        if (slot >= 0 && slot < file.slotCount())
            orderOfSlot[static_cast<size_t>(slot)] = static_cast<int64_t>(position - range.first);
    }
    std::vector<std::string> waiting(count);
    std::vector<char> made(count, 0);
    size_t next = 0;
    std::string block;
    bool written = true;
    const ScanResult scan = file.forEachRecord([&](int64_t slot, const Record &record) {
        const int64_t order = slot < static_cast<int64_t>(orderOfSlot.size())
            ? orderOfSlot[static_cast<size_t>(slot)]
            : -1;
        if (order < 0)
            return true;
        const auto position = static_cast<size_t>(order);
        if (position != next) {
            append(waiting[position], record);
            made[position] = 1;
            return true;
        }
        append(block, record);
        ++next;
        while (next < count && made[next]) {
            block += waiting[next];
            std::string().swap(waiting[next]);
            ++next;
        }
        if (block.size() >= kWriteBlockBytes) {
            written = out.write(block);
            block.clear();
        }
        return written;
    });
    readWhole = scan.complete() || scan.status == ScanResult::Status::Stopped;
    if (!scan.complete())
        return false;
    // A record the index holds but the disk no longer does is left out.
    for (; next < count; ++next) {
        if (made[next])
            block += waiting[next];
    }
    return out.write(block);
}

} // namespace

std::string exportOutputPath(const Shop &shop, const std::string &typed)
{
    if (!typed.empty() && typed.front() == '/')
        return typed;
    return shop.dir.root() + "/" + typed;
}

bool exportRecords(const Shop &shop, const ExportChoice &choice, const std::string &outputPath,
    Messages &messages)
{
    if (!exportRangeValid(choice, messages) || !exportFieldsChosen(choice, messages))
        return false;
    const bool items = choice.subject == ExportSubject::Items;
    const IndexedRecordFile &records = items ? static_cast<const IndexedRecordFile &>(shop.items)
                                             : shop.customers;
    const std::optional<RecordIndex::Range> range
        = records.walkRange(choice.start, choice.finish, messages);
    if (!range)
        return false;
    if (namesShopFile(shop, outputPath)) {
        reportProblem(messages, cformat("%s is one of the shop's data files.", outputPath.c_str()));
        return false;
    }
    const std::string notPresent = cformat("Data file: %s, not present.", records.fileName());
    if (!File::open(records.filePath(), File::Mode::Read).isOpen()) {
        reportFatal(messages, notPresent);
        return false;
    }
    AtomicFileWriter out(outputPath, kOwnerOnlyFileMode);
    if (!out.isOpen()) {
        reportProblem(messages, "Unable to open file.");
        return false;
    }
    bool readWhole = true;
    bool written = out.write(exportHead(choice));
    if (written && items) {
        written = writeInNumberOrder(shop.items, *range, out,
            [&choice](std::string &bytes, const ItemRecord &item) {
                if (!choice.category || item.display_category == *choice.category)
                    appendItemExport(bytes, item, choice);
            },
            readWhole);
    } else if (written) {
        written = writeInNumberOrder(shop.customers, *range, out,
            [&choice](std::string &bytes, const CustomerRecord &customer) {
                appendCustomerExport(bytes, customer, choice);
            },
            readWhole);
    }
    if (!readWhole) {
        reportFatal(messages, notPresent);
        return false;
    }
    if (!written || !out.write(exportTail(choice)) || !out.commit()) {
        reportProblem(messages, "Unable to open file.");
        return false;
    }
    reportInfo(messages, "Complete.", "File export");
    return true;
}

} // namespace ovix
