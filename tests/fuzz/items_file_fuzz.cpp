// film.dat as the till loads it (see record_file_fuzz.h), with the barcode
// look-up, the item view and the bundles' components read from any record.

#include "fuzz/record_file_fuzz.h"
#include "inventory/logic/bundle_form.h"
#include "inventory/logic/bundle_maintenance.h"
#include "inventory/logic/item_view_text.h"
#include "platform/clock.h"
#include "store/shop.h"

namespace {

using namespace ovix;
using ovix::fuzz::check;

// A slot the look-up finds holds the text asked for in SKU 1, is live with a
// key, and no earlier slot answers.
void checkBarcodes(const ItemIndex &items, const std::string &file)
{
    const int64_t slots = items.slotCount();
    for (int64_t slot = 0; slot < slots && slot < 64; ++slot) {
        ItemRecord record;
        std::memcpy(&record, file.data() + slot * kItemRecordSize, sizeof record);
        const std::string sku = readText(record.sku1);
        const std::optional<int64_t> found = items.findBySku1(sku);
        const bool answers = record.number > 0 && record.description[0] != '\0';
        check(!answers || (found.has_value() && *found <= slot));
        if (!found)
            continue;
        ItemRecord hit;
        std::memcpy(&hit, file.data() + *found * kItemRecordSize, sizeof hit);
        check(hit.number > 0 && hit.description[0] != '\0' && readText(hit.sku1) == sku);
    }
}

// The bundle dialog and its checks over every bundle on file.
void checkBundles(const std::string &folder, const std::string &file)
{
    Shop shop(folder);
    ScriptedMessages quiet;
    check(shop.items.load(quiet));
    LocalTime today;
    today.year = 2026;
    today.month = 3;
    today.day = 5;
    const int64_t slots = shop.items.slotCount();
    for (int64_t slot = 0; slot < slots && slot < 64; ++slot) {
        ItemRecord record;
        std::memcpy(&record, file.data() + slot * kItemRecordSize, sizeof record);
        itemViewLines(record, shop.config);
        if (record.number <= 0 || record.record_kind != kBundleRecordKind)
            continue;
        const BundleForm form = formOfBundle(record, today);
        for (const BundleComponent &component : form.components)
            check(component.quantity >= 1 && component.quantity <= kMaxComponentQuantity);
        for (const std::optional<int64_t> &number : componentNumbers(record))
            check(!number || (*number >= 1 && *number <= kMaxRecordNumber));
        componentsProblem(shop, record);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::loadRecordFileOnce<ItemRecord>(
        data, size, [](ItemIndex &items, const std::string &file) {
            checkBarcodes(items, file);
            checkBundles(ovix::fuzz::FuzzFolder::instance().path(), file);
        });
    return 0;
}
