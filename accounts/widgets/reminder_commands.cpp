#include "accounts/widgets/reminder_commands.h"

#include "accounts/logic/customer_find.h"
#include "accounts/logic/reminders.h"
#include "accounts/widgets/customer_maintenance_dialogs.h"
#include "accounts/widgets/reminder_dialogs.h"
#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/widgets/window_size.h"
#include "print/logic/print_request.h"
#include "print/widgets/print_job.h"
#include "sales/widgets/till_window.h"
#include "store/fixed_text.h"
#include "store/shop.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ovix {

namespace {

struct Reminders {
    TillWindow &window;
    Shop &shop;
    Messages &messages;
    ReminderItemFind findItem;

    QWidget *parent() const
    {
        return window.widget();
    }

    // "Select day:": the day chosen, or nothing.
    std::optional<int> chooseDay() const
    {
        const std::optional<std::vector<ReminderRecord>> days
            = loadReminderDays(shop.dir, messages);
        if (!days)
            return std::nullopt;
        return chooseFromList(
            parent(), QStringLiteral("Select day:"), reminderDayLines(*days, localNow()));
    }

    // The record of `day` when it holds reminders; "No reminders recorded."
    // (caption "Reminders") when it holds none.
    std::optional<ReminderRecord> dayWithEntries(int day) const
    {
        const std::optional<std::vector<ReminderRecord>> days
            = loadReminderDays(shop.dir, messages);
        if (!days)
            return std::nullopt;
        const ReminderRecord &record = (*days)[static_cast<size_t>(day)];
        if (reminderCount(record) == 0) {
            reportInfo(messages, "No reminders recorded.", "Reminders");
            return std::nullopt;
        }
        return record;
    }

    std::optional<std::string> customerText() const
    {
        const FoundCustomer found = lookUpCustomer(shop, "Find customer", true, messages,
            customerScreens(parent(), shop, messages));
        const std::optional<int64_t> slot
            = found.number > 0 ? shop.customers.slotOf(found.number) : std::nullopt;
        CustomerRecord customer {};
        if (!slot || !shop.customers.readRecord(*slot, customer, messages))
            return std::nullopt;
        return toUtf8(cformat("%lld, %s %s", static_cast<long long>(found.number),
            readText(customer.first_name).c_str(), readText(customer.name).c_str()));
    }

    std::optional<std::string> itemText() const
    {
        const int64_t number = findItem(parent());
        const std::optional<int64_t> slot
            = number > 0 ? shop.items.slotOf(number) : std::nullopt;
        ItemRecord item {};
        if (!slot || !shop.items.readRecord(*slot, item, messages))
            return std::nullopt;
        return toUtf8(readText(item.description));
    }

    void add(int day) const
    {
        const std::optional<std::vector<ReminderRecord>> days
            = loadReminderDays(shop.dir, messages);
        if (!days)
            return;
        const ReminderRecord &record = (*days)[static_cast<size_t>(day)];
        if (reminderCount(record) >= kRemindersPerDay) {
            reportInfo(messages, "Total reached", "Reminders");
            return;
        }
        AddReminderDialog::Actions actions;
        actions.findCustomer = [this] { return customerText(); };
        if (findItem)
            actions.findItem = [this] { return itemText(); };
        actions.store = [this, day](const std::string &customer, const std::string &item) {
            return addReminder(shop.dir, day, fromUtf8(customer), fromUtf8(item), messages);
        };
        AddReminderDialog dialog(
            reminderDayText(localNow(), day), reminderEntries(record), std::move(actions), parent());
        openAtPreferredSize(&dialog);
        dialog.exec();
    }

    void list(int day) const
    {
        const std::optional<ReminderRecord> record = dayWithEntries(day);
        if (!record)
            return;
        const std::string dayText = reminderDayText(localNow(), day);
        ReminderListDialog dialog(QString::fromStdString(toUtf8("Reminders: " + dayText)),
            reminderListLines(*record), [this, &record, &dayText] { print(*record, dayText); },
            parent());
        openAtPreferredSize(&dialog);
        dialog.exec();
    }

    void print(const ReminderRecord &record, const std::string &dayText) const
    {
        PrintRequest request = documentPrintRequest(shop.config, shop.dir, PrintDocument::Other);
        request.kind = "reminders";
        request.preview = true;
        const std::string storeName = shop.heading.storeName();
        const std::vector<ReminderEntry> entries = reminderEntries(record);
        runPrintJob(request,
            [&](PrintDevice &device, Messages &) {
                printReminders(device, storeName, dayText, entries);
            },
            messages);
    }

    // "Amend reservation" or "Delete reservation": the entry chosen.
    std::optional<std::pair<int, int>> chooseEntry(const char *title) const
    {
        const std::optional<int> day = chooseDay();
        if (!day)
            return std::nullopt;
        const std::optional<ReminderRecord> record = dayWithEntries(*day);
        if (!record)
            return std::nullopt;
        const std::optional<int> entry
            = chooseFromList(parent(), QString::fromLatin1(title), reminderChoiceLines(*record));
        if (!entry)
            return std::nullopt;
        return std::make_pair(*day, *entry);
    }
};

} // namespace

void connectReminderCommands(
    TillWindow &window, Shop &shop, Messages &messages, ReminderItemFind findItem)
{
    auto reminders = std::make_shared<Reminders>(Reminders { window, shop, messages, std::move(findItem) });
    window.registerCommand(Command::ReminderAdd, [reminders] {
        if (const std::optional<int> day = reminders->chooseDay())
            reminders->add(*day);
    });
    window.registerCommand(Command::ReminderAddToday, [reminders] { reminders->add(0); });
    window.registerCommand(Command::ReminderList, [reminders] {
        if (const std::optional<int> day = reminders->chooseDay())
            reminders->list(*day);
    });
    window.registerCommand(Command::ReminderPrint, [reminders] {
        const std::optional<int> day = reminders->chooseDay();
        if (!day)
            return;
        if (const std::optional<ReminderRecord> record = reminders->dayWithEntries(*day))
            reminders->print(*record, reminderDayText(localNow(), *day));
    });
    window.registerCommand(Command::ReminderAmend, [reminders] {
        if (const auto entry = reminders->chooseEntry("Amend reservation"))
            amendReminder(reminders->shop.dir, entry->first, entry->second, reminders->messages);
    });
    window.registerCommand(Command::ReminderDelete, [reminders] {
        if (const auto entry = reminders->chooseEntry("Delete reservation"))
            deleteReminder(reminders->shop.dir, entry->first, entry->second, reminders->messages);
    });
}

} // namespace ovix
