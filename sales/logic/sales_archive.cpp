#include "sales/logic/sales_archive.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/undo_journal.h"

#include <cstring>

namespace ovix {

namespace {

template <typename Record> std::string_view bytesOf(const Record &record)
{
    return { reinterpret_cast<const char *>(&record), sizeof record };
}

// Whole records of `recordSize` bytes found in `bytes` from `start`.
template <typename Record> std::vector<Record> recordsIn(std::string_view bytes, size_t start)
{
    std::vector<Record> records;
    if (bytes.size() <= start)
        return records;
    const size_t count = (bytes.size() - start) / sizeof(Record);
    records.resize(count);
    if (count > 0)
        std::memcpy(records.data(), bytes.data() + start, count * sizeof(Record));
    return records;
}

// The whole file; an empty text for a missing file; nothing when it exists
// but cannot be read.
std::optional<std::string> readIfPresent(const std::string &path)
{
    if (!fileExists(path))
        return std::string();
    return readWholeFile(path);
}

} // namespace

std::string yearIndexName(int year)
{
    return cformat("%d/%s", year, kArchiveMarkerName);
}

std::string dayFileName(int year, int month, int day, std::string_view file)
{
    return dayFolderName(year, month, day) + "/" + std::string(file);
}

const char *unableToOpenMessage(ArchiveFile file)
{
    switch (file) {
    case ArchiveFile::YearIndex:
        return "Unable to open invoice log.";
    case ArchiveFile::SalesLog:
        return "Unable to open sales log.";
    case ArchiveFile::ItemsLog:
        break;
    }
    return "Unable to open items log.";
}

const char *unableToWriteMessage(ArchiveFile file)
{
    switch (file) {
    case ArchiveFile::YearIndex:
        return "Unable to write to invoice log.";
    case ArchiveFile::SalesLog:
        return "Unable to write to sales log.";
    case ArchiveFile::ItemsLog:
        break;
    }
    return "Unable to write to items log.";
}

std::optional<ArchiveFileShape> shapeOfRecordFile(const std::string &path, size_t recordSize)
{
    ArchiveFileShape shape;
    if (isDirectory(path))
        return std::nullopt;
    if (!fileExists(path))
        return shape;
    shape.exists = true;
    shape.size = fileSize(path);
    if (shape.size < 0)
        return std::nullopt;
    const auto step = static_cast<int64_t>(recordSize);
    shape.wholeLength = shape.size - shape.size % step;
    return shape;
}

std::optional<ArchiveFileShape> shapeOfYearIndex(const DataDir &dir, int year)
{
    const std::string path = dir.path(yearIndexName(year));
    ArchiveFileShape shape;
    if (isDirectory(path))
        return std::nullopt;
    if (!fileExists(path)) {
        shape.needsHeader = true;
        return shape;
    }
    shape.exists = true;
    File file = File::open(path, File::Mode::Read);
    shape.size = file.isOpen() ? file.size() : -1;
    if (shape.size < 0)
        return std::nullopt;
    const auto entry = static_cast<int64_t>(kYearIndexEntrySize);
    const auto header = static_cast<int64_t>(kYearIndexHeaderSize);
    if (shape.size < header) {
        shape.needsHeader = true;
        shape.wholeLength = 0;
        return shape;
    }
    int32_t first = 0;
    if (!file.readAt(0, &first, sizeof first))
        return std::nullopt;
    if (first != 0) {
        shape.headerless = true;
        shape.wholeLength = shape.size - shape.size % entry;
    } else {
        shape.wholeLength = header + (shape.size - header) / entry * entry;
    }
    return shape;
}

SalesArchiveWriter::SalesArchiveWriter(const DataDir &dir, int year, int month, int day)
    : dir_(dir)
    , year_(year)
    , month_(month)
    , day_(day)
{
}

namespace {

// The first of "<file>.cut1", "<file>.cut2", ... that names nothing yet.
std::optional<std::string> freeSideFileName(const DataDir &dir, const std::string &file)
{
    for (int number = 1; number < 10000; ++number) {
        std::string name = cformat("%s.cut%d", file.c_str(), number);
        const std::string path = dir.path(name);
        if (!fileExists(path) && !isDirectory(path))
            return name;
    }
    return std::nullopt;
}

} // namespace

bool SalesArchiveWriter::inspect(ArchiveFile &failed)
{
    inspected_ = false;
    tornTails_.clear();
    std::optional<ArchiveFileShape> index = shapeOfYearIndex(dir_, year_);
    if (!index) {
        failed = ArchiveFile::YearIndex;
        return false;
    }
    std::optional<ArchiveFileShape> sales
        = shapeOfRecordFile(dir_.path(salesLog()), kTransactionRecordSize);
    if (!sales) {
        failed = ArchiveFile::SalesLog;
        return false;
    }
    std::optional<ArchiveFileShape> items
        = shapeOfRecordFile(dir_.path(itemsLog()), kSoldItemRecordSize);
    if (!items) {
        failed = ArchiveFile::ItemsLog;
        return false;
    }
    const struct {
        ArchiveFile which;
        std::string name;
        const ArchiveFileShape &shape;
    } files[] = { { ArchiveFile::YearIndex, yearIndex(), *index },
        { ArchiveFile::SalesLog, salesLog(), *sales },
        { ArchiveFile::ItemsLog, itemsLog(), *items } };
    for (const auto &file : files) {
        if (file.shape.size <= file.shape.wholeLength)
            continue;
        TornTail tail;
        tail.which = file.which;
        tail.file = file.name;
        tail.bytes.resize(static_cast<size_t>(file.shape.size - file.shape.wholeLength));
        File torn = File::open(dir_.path(file.name), File::Mode::Read);
        std::optional<std::string> side = freeSideFileName(dir_, file.name);
        if (!side || !torn.isOpen()
            || !torn.readAt(file.shape.wholeLength, tail.bytes.data(), tail.bytes.size())) {
            tornTails_.clear();
            failed = file.which;
            return false;
        }
        tail.sideFile = std::move(*side);
        tornTails_.push_back(std::move(tail));
    }
    yearIndexShape_ = *index;
    salesShape_ = *sales;
    itemsShape_ = *items;
    inspected_ = true;
    return true;
}

void SalesArchiveWriter::protect(FileTransaction &work) const
{
    auto protectOne = [&work](const std::string &name, const ArchiveFileShape &shape) {
        if (shape.size > shape.wholeLength)
            work.protectRange(name, shape.wholeLength, shape.size - shape.wholeLength);
        work.protectLength(name);
    };
    protectOne(yearIndex(), yearIndexShape_);
    protectOne(salesLog(), salesShape_);
    protectOne(itemsLog(), itemsShape_);
    for (const TornTail &tail : tornTails_)
        work.protectLength(tail.sideFile);
}

bool SalesArchiveWriter::keepTornTail(ArchiveFile which) const
{
    for (const TornTail &tail : tornTails_) {
        if (tail.which != which)
            continue;
        File side = File::open(dir_.path(tail.sideFile), File::Mode::CreateNew);
        const bool kept = side.isOpen() && side.append(tail.bytes.data(), tail.bytes.size());
        return side.close() && kept;
    }
    return true;
}

bool SalesArchiveWriter::appendTo(ArchiveFile which, const std::string &name,
    const ArchiveFileShape &shape, std::span<const std::string_view> records, std::string &problem)
{
    File file = File::open(dir_.path(name), File::Mode::Append);
    if (!file.isOpen()) {
        problem = unableToOpenMessage(which);
        return false;
    }
    bool written = file.size() == shape.size;
    if (written && shape.size > shape.wholeLength)
        written = keepTornTail(which) && file.truncate(shape.wholeLength);
    if (written && shape.needsHeader) {
        const int32_t header = 0;
        written = file.append(&header, sizeof header);
    }
    for (size_t i = 0; written && i < records.size(); ++i)
        written = file.append(records[i].data(), records[i].size());
    if (!file.close())
        written = false;
    if (!written)
        problem = unableToWriteMessage(which);
    return written;
}

bool SalesArchiveWriter::append(const YearIndexEntry &entry, const TransactionRecord &transaction,
    std::span<const SoldItemRecord> lines, std::string &problem)
{
    if (!inspected_) {
        problem = unableToWriteMessage(ArchiveFile::YearIndex);
        return false;
    }
    const std::string_view entryBytes[] = { bytesOf(entry) };
    if (!appendTo(ArchiveFile::YearIndex, yearIndex(), yearIndexShape_, entryBytes, problem))
        return false;
    const std::string_view transactionBytes[] = { bytesOf(transaction) };
    if (!appendTo(ArchiveFile::SalesLog, salesLog(), salesShape_, transactionBytes, problem))
        return false;
    std::vector<std::string_view> lineBytes;
    lineBytes.reserve(lines.size());
    for (const SoldItemRecord &line : lines)
        lineBytes.push_back(bytesOf(line));
    return appendTo(ArchiveFile::ItemsLog, itemsLog(), itemsShape_, lineBytes, problem);
}

std::optional<std::vector<YearIndexEntry>> readYearIndex(const DataDir &dir, int year)
{
    std::optional<std::string> bytes = readIfPresent(dir.path(yearIndexName(year)));
    if (!bytes)
        return std::nullopt;
    if (bytes->size() < kYearIndexHeaderSize)
        return std::vector<YearIndexEntry>();
    int32_t first = 0;
    std::memcpy(&first, bytes->data(), sizeof first);
    return recordsIn<YearIndexEntry>(*bytes, first != 0 ? 0 : kYearIndexHeaderSize);
}

std::optional<std::vector<TransactionRecord>> readDayTransactions(
    const DataDir &dir, int year, int month, int day)
{
    std::optional<std::string> bytes
        = readIfPresent(dir.path(dayFileName(year, month, day, kSalesLogName)));
    if (!bytes)
        return std::nullopt;
    return recordsIn<TransactionRecord>(*bytes, 0);
}

std::optional<std::vector<SoldItemRecord>> readDayLines(
    const DataDir &dir, int year, int month, int day)
{
    std::optional<std::string> bytes
        = readIfPresent(dir.path(dayFileName(year, month, day, kItemsLogName)));
    if (!bytes)
        return std::nullopt;
    return recordsIn<SoldItemRecord>(*bytes, 0);
}

std::vector<SoldItemRecord> linesOfTransaction(
    std::span<const SoldItemRecord> lines, int64_t transactionNumber)
{
    std::vector<SoldItemRecord> found;
    for (const SoldItemRecord &line : lines) {
        const int64_t number = line.transactionNumber;
        if (number == transactionNumber)
            found.push_back(line);
    }
    return found;
}

} // namespace ovix
