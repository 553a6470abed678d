#include "inventory/logic/item_maintenance.h"

#include "inventory/logic/record_update.h"
#include "inventory/logic/stock_picture.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/shop.h"

#include <dirent.h>

#include <algorithm>
#include <cinttypes>
#include <vector>

namespace ovix {

namespace {

// One change of film.dat at `slot`, with the files in `wholeFiles` and, when
// `withLog`, the activity log.
bool runItemUpdate(Shop &shop, int64_t slot, const std::vector<std::string> &wholeFiles,
    bool withLog, const std::function<bool(Messages &)> &write, Messages &messages)
{
    return runRecordUpdate(shop.dir, shop.items, { slot, wholeFiles, withLog }, write, messages);
}

bool allDigits(std::string_view text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string ownPictureName(int64_t number)
{
    return cformat("m%" PRId64 ".bmp", number);
}

StoreResult storeNewItem(Shop &shop, const ItemForm &form, Messages &messages)
{
    ItemRecord record {};
    applyItemForm(form, record);
    if (std::optional<std::string> problem = newItemProblem(record)) {
        reportProblem(messages, *problem);
        return { StoreOutcome::Refused, *problem == "Number outside range." };
    }
    clearForNewItem(record);
    if (shop.items.slotOf(record.number)) {
        reportProblem(messages, "Number in use.");
        return { StoreOutcome::Ended, false };
    }
    const int64_t slot = shop.items.index().slotForNewEntry();
    const bool stored = runItemUpdate(shop, slot, {}, false,
        [&](Messages &told) { return shop.items.insert(record, told).has_value(); }, messages);
    return { stored ? StoreOutcome::Stored : StoreOutcome::Ended, false };
}

StoreResult storeAmendedItem(Shop &shop, int64_t number, const ItemForm &form, Messages &messages)
{
    const std::optional<int64_t> slot = shop.items.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return { StoreOutcome::Ended, false };
    }
    ItemRecord record {};
    if (!shop.items.readRecord(*slot, record, messages))
        return { StoreOutcome::Ended, false };
    applyItemForm(form, record);
    if (std::optional<std::string> problem = amendedItemProblem(record, number)) {
        reportProblem(messages, *problem);
        return { StoreOutcome::Refused, false };
    }
    const bool stored = runItemUpdate(shop, *slot, {}, false,
        [&](Messages &told) { return shop.items.writeRecord(*slot, record, told); }, messages);
    return { stored ? StoreOutcome::Stored : StoreOutcome::Ended, false };
}

std::optional<ItemRecord> readItem(const Shop &shop, int64_t number, Messages &messages)
{
    const std::optional<int64_t> slot = shop.items.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return std::nullopt;
    }
    ItemRecord record {};
    if (!shop.items.readRecord(*slot, record, messages))
        return std::nullopt;
    return record;
}

bool deleteItem(Shop &shop, int64_t number, Messages &messages)
{
    const std::optional<ItemRecord> record = readItem(shop, number, messages);
    if (!record)
        return false;
    if (!messages.confirm("Are you sure?", RecordKind<ItemRecord>::deleteCaption(number, *record)))
        return false;
    const int64_t slot = *shop.items.slotOf(number);
    return runItemUpdate(shop, slot, {}, true,
        [&](Messages &told) { return shop.items.remove(shop.items.find(number), told); },
        messages);
}

ItemPromptAnswer readItemPrompt(std::string_view typed)
{
    std::string_view trimmed = typed;
    const size_t first = trimmed.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    trimmed = trimmed.substr(first, trimmed.find_last_not_of(" \t") - first + 1);
    if (allDigits(trimmed)) {
        const int64_t number = typedItemNumber(trimmed);
        if (trimmed.size() <= kItemNumberWidth && number >= 1 && number <= kMaxRecordNumber)
            return { number, {} };
    }
    return { 0, std::string(typed) };
}

std::optional<int64_t> itemOfPrompt(const Shop &shop, std::string_view typed,
    const std::function<int64_t(const std::string &)> &findByDescription, Messages &messages)
{
    const ItemPromptAnswer answer = readItemPrompt(typed);
    if (answer.number > 0) {
        if (!shop.items.slotOf(answer.number)) {
            reportProblem(messages, "Invalid number.");
            return std::nullopt;
        }
        return answer.number;
    }
    if (answer.description.empty() || !findByDescription)
        return std::nullopt;
    const int64_t found = findByDescription(answer.description);
    if (found <= 0 || !shop.items.slotOf(found))
        return std::nullopt;
    return found;
}

bool pictureFolderReadable(const Shop &shop, Messages &messages)
{
    DIR *folder = opendir(shop.dir.root().c_str());
    if (!folder) {
        reportProblem(messages, "Unable to locate directory.");
        return false;
    }
    closedir(folder);
    return true;
}

bool attachPicture(Shop &shop, int64_t number, const std::string &source, Messages &messages,
    const std::function<void()> &attached)
{
    std::optional<ItemRecord> record = readItem(shop, number, messages);
    if (!record)
        return false;
    const std::optional<std::string> bytes = readWholeFile(source);
    if (!bytes) {
        reportProblem(messages, cformat("Unable to read %s.", source.c_str()));
        return false;
    }
    if (!looksLikeBitmap(*bytes)) {
        reportProblem(messages, cformat("%s is not a bitmap picture.", source.c_str()));
        return false;
    }
    record->own_picture = 1;
    const int64_t slot = *shop.items.slotOf(number);
    const std::string picture = ownPictureName(number);
    const bool done = runItemUpdate(shop, slot, { picture }, false,
        [&](Messages &told) {
            const std::string target = shop.dir.path(picture);
            std::string error;
            if (!replaceFileAtomically(target, *bytes, &error)) {
                reportProblem(told, cformat("Unable to write %s: %s", target.c_str(), error.c_str()));
                return false;
            }
            return shop.items.writeRecord(slot, *record, told);
        },
        messages);
    if (!done)
        return false;
    if (attached)
        attached();
    reportInfo(messages, "Updated.", "Picture");
    return true;
}

} // namespace ovix
