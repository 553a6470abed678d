#pragma once
// The Reminders popup's windows: a list to choose from ("Select day:", "Amend
// reservation", "Delete reservation", the day's reminders with Print) and the
// "Add reminder" dialog. They collect choices and text only; the reminders
// are stored by accounts/logic/reminders.h.

#include "accounts/logic/reminders.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace ovix {

class ReminderListDialog : public QDialog {
public:
    // `lines` in Windows-1252. With `print`, a "Print" button runs it and the
    // list stays; the list then closes with "OK" alone, else with "OK" and
    // "Cancel".
    ReminderListDialog(const QString &title, const std::vector<std::string> &lines,
        std::function<void()> print, QWidget *parent = nullptr);

    QListWidget *list() const
    {
        return list_;
    }
    // The chosen line's position, or -1.
    int chosen() const;

private:
    QListWidget *list_ = nullptr;
};

// Shows the lines under `title` with OK and Cancel: the position chosen, or
// nothing when cancelled.
std::optional<int> chooseFromList(
    QWidget *parent, const QString &title, const std::vector<std::string> &lines);

class AddReminderDialog : public QDialog {
public:
    struct Actions {
        // Each gives the text for its box, or nothing.
        std::function<std::optional<std::string>()> findCustomer;
        std::function<std::optional<std::string>()> findItem;
        // Stores one entry (UTF-8 texts); false when it was not stored.
        std::function<bool(const std::string &customer, const std::string &item)> store;
    };

    // `dayText` and `entries` in Windows-1252.
    AddReminderDialog(const std::string &dayText, const std::vector<ReminderEntry> &entries,
        Actions actions, QWidget *parent = nullptr);

    QLineEdit *customerBox() const
    {
        return customer_;
    }
    QLineEdit *itemBox() const
    {
        return item_;
    }
    QComboBox *byItem() const
    {
        return byItem_;
    }

private:
    bool storeEntry();
    void addShown(const ReminderEntry &entry);

    Actions actions_;
    QComboBox *byItem_ = nullptr;
    QComboBox *byCustomer_ = nullptr;
    QLineEdit *customer_ = nullptr;
    QLineEdit *item_ = nullptr;
};

} // namespace ovix
