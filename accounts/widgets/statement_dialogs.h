#pragma once
// The statement's windows: "Statement" (and the period activity, which is the
// same list under its period's title) with its print button, and "Please
// specify the period", which asks for the period's first and last day.

#include "accounts/logic/account_history.h"
#include "platform/clock.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace ovix {

class Messages;

class StatementDialog : public QDialog {
public:
    // `caption` above the list, "CUSTOMER: ..."; `lines` the statement's; the
    // button `printCaption` runs `print`. Texts UTF-8.
    StatementDialog(const QString &title, const std::string &caption,
        const std::vector<std::string> &lines, const QString &printCaption,
        std::function<void()> print, QWidget *parent);

    QListWidget *list() const
    {
        return list_;
    }
    QPushButton *printButton() const
    {
        return print_;
    }

private:
    QListWidget *list_ = nullptr;
    QPushButton *print_ = nullptr;
};

struct Period {
    ArchiveDay start;
    ArchiveDay end;
};

class PeriodDialog : public QDialog {
public:
    // Days 1-31, months 1-12 and `years`, both ends preset to `today`.
    PeriodDialog(const std::vector<int> &years, const LocalTime &today, Messages &messages,
        QWidget *parent);

    // The chosen period, once accepted.
    std::optional<Period> period() const
    {
        return period_;
    }
    // Start day, month, year, then end day, month, year.
    QComboBox *box(size_t index) const
    {
        return boxes_[index];
    }

    // "Invalid selection" (caption "Problem") while a box has no choice.
    void accept() override;

private:
    Messages &messages_;
    std::array<QComboBox *, 6> boxes_ {};
    std::optional<Period> period_;
};

} // namespace ovix
