#include "reports/logic/highest_volume.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/shop.h"

#include <algorithm>
#include <cstring>

namespace ovix {

void VolumeTable::offer(const VolumeEntry &entry)
{
    if (entries_.size() < kHighestVolumeItems) {
        entries_.push_back(entry);
        return;
    }
    auto smallest = std::min_element(entries_.begin(), entries_.end(),
        [](const VolumeEntry &a, const VolumeEntry &b) { return a.sold < b.sold; });
    if (entry.sold > smallest->sold)
        *smallest = entry;
}

std::vector<VolumeEntry> VolumeTable::ranked() const
{
    std::vector<VolumeEntry> ranked = entries_;
    std::sort(ranked.begin(), ranked.end(), [](const VolumeEntry &a, const VolumeEntry &b) {
        return a.sold != b.sold ? a.sold > b.sold : a.slot < b.slot;
    });
    return ranked;
}

bool writeHighestVolumeFile(const Shop &shop, int entry, Messages &messages)
{
    VolumeTable table;
    const ScanResult scan = shop.items.forEachRecord([&](int64_t slot, const ItemRecord &item) {
        if (entry != 0 && +item.display_category != entry - 1)
            return;
        VolumeEntry kept { slot, item.total_sold, {} };
        kept.line.number = item.number;
        writeText(kept.line.name, readText(item.description));
        writeText(kept.line.column1, cformat("%d", +item.total_sold));
        writeText(kept.line.column2, cformat("%.2f", static_cast<double>(item.retail_price)));
        table.offer(kept);
    });
    if (scan.status == ScanResult::Status::NotOpened) {
        reportFatal(messages, "Data file: film.dat, not present.");
        return false;
    }
    if (!scan.complete()) {
        reportProblem(messages, "Not able to read film.dat");
        return false;
    }
    std::string bytes;
    for (const VolumeEntry &kept : table.ranked())
        bytes.append(reinterpret_cast<const char *>(&kept.line), sizeof kept.line);
    if (!replaceFileAtomically(shop.dir.path(kItemListFileName), bytes, nullptr,
            ReplacedMode::OwnerOnly)) {
        reportProblem(messages, "Data file: f2.dat.");
        return false;
    }
    return true;
}

std::string highestVolumeTitle(const Shop &shop, int entry)
{
    std::string title = "Highest volume products";
    if (entry >= 1 && entry <= 18)
        title += ": " + toUtf8(shop.config.categoryName(entry));
    return title;
}

} // namespace ovix
