#pragma once
// The "Please select" list of the customers a name search found, and the
// "Number / name" look-up that uses it.

#include "store/customer_lookup.h"

#include <QDialog>

#include <cstdint>
#include <string_view>
#include <vector>

class QListWidget;

namespace ovix {

class Messages;
class TillState;

class CustomerPickDialog : public QDialog {
public:
    // One line per candidate, "%I64d %s,  %s" (number, name, road), in the
    // order given; the first is selected.
    CustomerPickDialog(const std::vector<CustomerCandidate> &candidates, QWidget *parent);

    // The number of the selected line, 0 when none is selected.
    int64_t chosenNumber() const;
    QListWidget *list() const
    {
        return list_;
    }

private:
    std::vector<CustomerCandidate> candidates_;
    QListWidget *list_ = nullptr;
};

// Asks "Number / name" under `caption` and finds the customer: a positive
// number directly, other text as a name pattern whose matches are offered in
// the "Please select" list. Returns the chosen customer number, 0 when the
// prompt or the list was cancelled or nothing answered.
int64_t lookUpCustomer(
    QWidget *parent, const TillState &state, Messages &messages, std::string_view caption);

} // namespace ovix
