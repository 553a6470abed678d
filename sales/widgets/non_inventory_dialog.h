#pragma once
// The "Non inventory sale" dialog: a description, a price typed with the
// decimal point, the tax boxes, and what the line would come to.

#include <QDialog>

#include <optional>
#include <string>

class QCheckBox;
class QLineEdit;

namespace ovix {

class ItemEntry;
class TillConfig;

// What the clerk asked for: the description (Windows-1252, at most 39
// bytes), the price as typed (not yet checked) and the tax choice.
struct NonInventorySale {
    std::string description;
    double price = 0;
    bool taxOne = false;
    bool taxTwo = false;
};

class NonInventoryDialog : public QDialog {
public:
    // `entry` answers what a line of the typed price would hold; it must
    // outlive the dialog. The tax boxes start ticked when the configuration
    // makes non-inventory sales taxable.
    NonInventoryDialog(const ItemEntry &entry, const TillConfig &config, QWidget *parent);

    // The typed sale; an empty or unreadable price counts as 0.
    NonInventorySale sale() const;

private:
    void appendToDescription(const QString &text);
    void appendToPrice(const QString &text);
    void updateAmounts();
    double typedPrice() const;

    const ItemEntry &entry_;
    QLineEdit *description_ = nullptr;
    QLineEdit *price_ = nullptr;
    QCheckBox *taxOne_ = nullptr;
    QCheckBox *taxTwo_ = nullptr;
    QLineEdit *nett_ = nullptr;
    QLineEdit *taxOneAmount_ = nullptr;
    QLineEdit *taxTwoAmount_ = nullptr;
    QLineEdit *total_ = nullptr;
};

// Shows the dialog; the sale on "Add", nothing on "Cancel".
std::optional<NonInventorySale> askNonInventorySale(
    QWidget *parent, const ItemEntry &entry, const TillConfig &config);

} // namespace ovix
