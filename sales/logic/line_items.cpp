#include "sales/logic/line_items.h"

#include "platform/messages.h"
#include "platform/scripted_messages.h"
#include "sales/logic/archive_records.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_archiving.h"

#include <map>

namespace ovix {

LineItems reachLineItems(TillState &state, const Basket &basket, TransactionArchiving &notices,
    const std::function<void(ItemRecord &record, int line)> &change)
{
    LineItems reached;
    std::map<int64_t, int> itemOfNumber; // item number -> index in items, -1 unreachable
    for (int line = 0; line < basket.lineCount; ++line) {
        const int64_t number = basket.lineItemNumber[line];
        if (number == 0) {
            reached.lineCategories.push_back(kNonInventoryCategory);
            continue;
        }
        auto known = itemOfNumber.find(number);
        if (known == itemOfNumber.end()) {
            int found = -1;
            const std::optional<int64_t> slot
                = number > 0 ? state.items.slotOf(number) : std::nullopt;
            ScriptedMessages quiet;
            LineItem item;
            bool read = false;
            if (slot) {
                item.slot = *slot;
                read = state.items.readRecord(item.slot, item.record, quiet)
                    && item.record.number == number;
            }
            if (read) {
                found = static_cast<int>(reached.items.size());
                reached.items.push_back(item);
            } else {
                notices.holdBackAll(quiet);
                if (quiet.shown.empty())
                    notices.holdBack("Invalid entry", "Problem", MessageKind::Warning);
            }
            known = itemOfNumber.emplace(number, found).first;
        }
        if (known->second < 0) {
            reached.lineCategories.push_back(kNonInventoryCategory);
            continue;
        }
        ItemRecord &record = reached.items[static_cast<size_t>(known->second)].record;
        change(record, line);
        reached.lineCategories.push_back(+record.display_category);
    }
    return reached;
}

} // namespace ovix
