#include "store/item_index.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"

#include <cinttypes>

namespace ovix {

namespace {

const RecordFileLayout kItemLayout = {
    kItemFileName,
    kItemRecordSize,
    static_cast<int>(offsetof(ItemRecord, description)),
    static_cast<int>(offsetof(ItemRecord, sku1)),
    sizeof(ItemRecord::sku1),
    kMaxRecordNumber,
    "Unable to open film.dat in Opendata",
    "Film.dat has no data in Opendata.",
    "Data file film.dat corrupt in Opendata.",
    0,
};

} // namespace

ItemIndex::ItemIndex(const DataDir &dir)
    : IndexedRecordFile(dir, kItemLayout)
{
}

bool ItemIndex::readRecord(int64_t slot, ItemRecord &record, Messages &messages) const
{
    return readBytes(slot, &record, messages);
}

bool ItemIndex::writeRecord(int64_t slot, const ItemRecord &record, Messages &messages)
{
    return writeBytes(slot, &record, messages);
}

std::optional<int64_t> ItemIndex::insert(const ItemRecord &record, Messages &messages)
{
    return insertBytes(&record, messages);
}

bool ItemIndex::remove(size_t position, Messages &messages)
{
    ItemRecord removed;
    if (!removeAt(position, &removed, messages))
        return false;
    const std::string line = cformat("\r\nItem %" PRId64 ", %s deleted.  Date: %s\r\n",
        removed.number, readText(removed.description).c_str(), logTimePrefixNow().c_str());
    if (!appendToLog(dir(), line))
        reportFatal(messages, "Data file: bun4.dat, not present.");
    return true;
}

bool ItemIndex::deleteItem(int64_t number, Messages &messages)
{
    std::optional<int64_t> slot = slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return false;
    }
    ItemRecord record;
    if (!readRecord(*slot, record, messages))
        return false;
    if (!messages.confirm("Are you sure?", itemDeleteCaption(number, readText(record.description))))
        return false;
    return remove(find(number), messages);
}

std::string itemDeleteCaption(int64_t number, std::string_view description)
{
    return cformat("%" PRId64 " Item: %s", number, toUtf8(description).c_str());
}

} // namespace ovix
