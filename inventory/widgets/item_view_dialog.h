#pragma once
// The item view: every field of an item, read-only, with its picture;
// "Next" shows the item with the next higher number. Find shows what it
// found here, and an item that cannot be amended here (a bundle) is shown here.

#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;

namespace ovix {

class Messages;
class Shop;

class ItemViewDialog : public QDialog {
public:
    // Shows item `number`, which must be on file and readable. `shop` and
    // `messages` must outlive the dialog.
    ItemViewDialog(const Shop &shop, int64_t number, Messages &messages,
        QWidget *parent = nullptr);

    int64_t shownNumber() const
    {
        return number_;
    }
    // The value box of the line labelled `label` ("Description", "Sell by"),
    // or null.
    QLineEdit *valueBox(const QString &label) const;

    // Shows the item with the next higher number; at the last item the view
    // stays and the warning sound plays. False when it stayed.
    bool showNext();

private:
    bool showItem(int64_t number);

    const Shop &shop_;
    Messages &messages_;
    int64_t number_ = 0;
    std::vector<QLabel *> labels_;
    std::vector<QLineEdit *> values_;
    QLabel *picture_ = nullptr;
};

// Shows item `number` in the view until it is closed; "Invalid number."
// (caption "Problem") when it is not on file, the record file's message when
// it cannot be read.
void showItemView(QWidget *parent, const Shop &shop, int64_t number, Messages &messages);

} // namespace ovix
