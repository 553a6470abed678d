#pragma once
// "Advanced search": a description fragment and four SKU fragments, each up
// to 39 characters and typed in capitals, and whether an item must answer
// any of them or all of them.

#include "inventory/logic/item_search.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QRadioButton;

namespace ovix {

class AdvancedSearchDialog : public QDialog {
public:
    explicit AdvancedSearchDialog(QWidget *parent = nullptr);

    // The boxes as typed (Windows-1252).
    AdvancedSearch search() const;

    QLineEdit *descriptionBox() const
    {
        return description_;
    }
    // SKU box 0..3.
    QLineEdit *skuBox(size_t index) const
    {
        return skus_[index];
    }
    QRadioButton *anyButton() const
    {
        return any_;
    }
    QRadioButton *allButton() const
    {
        return all_;
    }

private:
    QLineEdit *description_ = nullptr;
    std::array<QLineEdit *, 4> skus_ {};
    QRadioButton *any_ = nullptr;
    QRadioButton *all_ = nullptr;
};

// Opens the dialog; the boxes when the clerk pressed OK, else nothing.
std::optional<AdvancedSearch> askAdvancedSearch(QWidget *parent);

// Makes `box` take at most `width` characters and show what is typed in
// capitals, as the description and SKU boxes do.
void makeCapitalsBox(QLineEdit *box, int width);

} // namespace ovix
