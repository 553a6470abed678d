#pragma once
// "Item description search", opened by an Enter in the till's empty item
// box: the text to look for, whether it is the start of the description
// ("Initial characters") or any part of it ("Within the description"), and
// "Keep search type as default".

#include "inventory/logic/item_find.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace ovix {

class TillSearchDialog : public QDialog {
public:
    // Opens with the search type `preset` chosen.
    explicit TillSearchDialog(TillSearchType preset, QWidget *parent = nullptr);

    // What the clerk asked for (the text as Windows-1252).
    TillSearchRequest request() const;

    QLineEdit *textBox() const
    {
        return text_;
    }
    QRadioButton *initialButton() const
    {
        return initial_;
    }
    QRadioButton *withinButton() const
    {
        return within_;
    }
    QCheckBox *keepBox() const
    {
        return keep_;
    }

private:
    QLineEdit *text_ = nullptr;
    QRadioButton *initial_ = nullptr;
    QRadioButton *within_ = nullptr;
    QCheckBox *keep_ = nullptr;
};

// Opens the dialog; the request on OK, nothing on Cancel.
std::optional<TillSearchRequest> askTillSearch(TillSearchType preset, QWidget *parent);

} // namespace ovix
