#include "reports/logic/alphabetical_files.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/record_scan.h"
#include "store/shop.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ovix {

namespace {

constexpr unsigned char kSpace = ' ';

unsigned char byteAt(const std::string &text, size_t position)
{
    return position < text.size() ? static_cast<unsigned char>(text[position]) : 0;
}

// Whether a text falls in one of the walk's two-character groups.
bool inRange(const std::string &text, AlphabeticalRange range)
{
    const unsigned char first = byteAt(text, 0);
    return first >= range.start && first <= range.end && byteAt(text, 1) >= kSpace;
}

std::optional<AlphabeticalRange> rangeOf(char startChar, char endChar)
{
    return alphabeticalRange(std::string_view(&startChar, 1), std::string_view(&endChar, 1));
}

std::string recordBytes(const ListFileRecord &record)
{
    return std::string(reinterpret_cast<const char *>(&record), sizeof record);
}

// Builds the work file from the records of `path` in alphabetical order of
// the text `textOf` gives, each turned into its line by `lineOf`.
template <typename Record, typename TextOf, typename LineOf>
bool writeListFile(const Shop &shop, const std::string &path, int64_t slotLimit,
    AlphabeticalRange range, const char *recordFile, const char *listFile, TextOf textOf,
    LineOf lineOf, Messages &messages)
{
    std::vector<AlphabeticalKey> keys;
    std::vector<ListFileRecord> lines;
    try {
        const ScanResult scan = forEachRecord<Record>(path,
            ScanOptions { ScanSlots::Live, ScanFailure::Stop, slotLimit },
            [&](int64_t slot, const Record &record) {
                std::string text = textOf(record);
                if (!inRange(text, range))
                    return;
                keys.push_back({ slot, std::move(text) });
                lines.push_back(lineOf(record));
            });
        if (!scan.complete()) {
            reportFatal(messages, cformat("Data file %s, not present.", recordFile));
            return false;
        }
        std::string bytes;
        bytes.reserve(lines.size() * kListFileRecordSize);
        for (const size_t position : alphabeticalOrder(keys, range))
            bytes += recordBytes(lines[position]);
        if (!replaceFileAtomically(shop.dir.path(listFile), bytes)) {
            reportProblem(messages, cformat("Data file: %s.", listFile));
            return false;
        }
    } catch (const std::bad_alloc &) {
        reportProblem(messages, "Insufficient memory to process request");
        return false;
    }
    return true;
}

} // namespace

std::optional<AlphabeticalRange> alphabeticalRange(std::string_view start, std::string_view end)
{
    if (start.empty() || end.empty())
        return std::nullopt;
    const auto capital = [](char typed) {
        return static_cast<unsigned char>(typed >= 'a' && typed <= 'z' ? typed - 'a' + 'A' : typed);
    };
    AlphabeticalRange range { capital(start.front()), capital(end.front()) };
    if (range.start < 'A' || range.end < range.start)
        return std::nullopt;
    if (range.start == 'A')
        range.start = kSpace;
    return range;
}

std::optional<AlphabeticalRange> askAlphabeticalRange(Messages &messages, std::string_view caption)
{
    const std::optional<std::string> start
        = messages.askText("Enter the start character:", caption, "A");
    if (!start)
        return std::nullopt;
    const std::optional<std::string> end
        = messages.askText("Enter the end character:", caption, "Z");
    if (!end)
        return std::nullopt;
    const std::optional<AlphabeticalRange> range
        = alphabeticalRange(fromUtf8(*start), fromUtf8(*end));
    if (!range)
        reportProblem(messages, "Outside range");
    return range;
}

std::vector<size_t> alphabeticalOrder(const std::vector<AlphabeticalKey> &keys,
    AlphabeticalRange range)
{
    std::vector<size_t> order;
    order.reserve(keys.size());
    for (size_t position = 0; position < keys.size(); ++position) {
        if (inRange(keys[position].text, range))
            order.push_back(position);
    }
    // std::string compares its bytes as unsigned characters, as the walk does.
    std::sort(order.begin(), order.end(), [&keys](size_t a, size_t b) {
        const int compared = keys[a].text.compare(keys[b].text);
        return compared != 0 ? compared < 0 : keys[a].slot < keys[b].slot;
    });
    return order;
}

bool writeAlphabeticalItemFile(
    const Shop &shop, char startChar, char endChar, Messages &messages)
{
    const std::optional<AlphabeticalRange> range = rangeOf(startChar, endChar);
    return range && writeAlphabeticalItemFile(shop, *range, messages);
}

bool writeAlphabeticalItemFile(const Shop &shop, AlphabeticalRange range, Messages &messages)
{
    return writeListFile<ItemRecord>(shop, shop.items.filePath(), shop.items.slotCount(), range,
        kItemFileName, kItemListFileName,
        [](const ItemRecord &item) { return readText(item.description); },
        [](const ItemRecord &item) {
            ListFileRecord line {};
            line.number = item.number;
            writeText(line.name, readText(item.description));
            writeText(line.column1, cformat("%d", item.quantity));
            writeText(line.column2, cformat("%.2f", static_cast<double>(item.retail_price)));
            return line;
        },
        messages);
}

bool writeAlphabeticalCustomerFile(
    const Shop &shop, char startChar, char endChar, Messages &messages)
{
    const std::optional<AlphabeticalRange> range = rangeOf(startChar, endChar);
    return range && writeAlphabeticalCustomerFile(shop, *range, messages);
}

bool writeAlphabeticalCustomerFile(
    const Shop &shop, AlphabeticalRange range, Messages &messages)
{
    return writeListFile<CustomerRecord>(shop, shop.customers.filePath(),
        shop.customers.slotCount(), range, kCustomerFileName, kCustomerListFileName,
        [](const CustomerRecord &customer) { return readText(customer.name); },
        [](const CustomerRecord &customer) {
            ListFileRecord line {};
            line.number = customer.number;
            writeText(line.name, readText(customer.name));
            writeText(line.column1, readText(customer.road));
            writeText(line.column2, readText(customer.telephone));
            return line;
        },
        messages);
}

std::optional<std::vector<ListFileRecord>> readListFile(
    const DataDir &dir, const char *fileName, Messages &messages)
{
    const std::optional<std::string> bytes = readWholeFile(dir.path(fileName));
    if (!bytes) {
        reportFatal(messages, cformat("Data file: %s, not present.", fileName));
        return std::nullopt;
    }
    std::vector<ListFileRecord> records(bytes->size() / kListFileRecordSize);
    if (!records.empty())
        std::memcpy(records.data(), bytes->data(), records.size() * kListFileRecordSize);
    return records;
}

} // namespace ovix
