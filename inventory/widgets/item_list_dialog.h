#pragma once
// The list an item search shows when searches are set to show a list
// ("Please select", or "Inventory list by format" for Find in SKUs): one line
// per item found, the first selected; OK or a double click takes the line.

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace ovix {

class ItemListDialog : public QDialog {
public:
    // `lines` are Windows-1252.
    ItemListDialog(const QString &title, const std::vector<std::string> &lines,
        QWidget *parent = nullptr);

    // The selected row, nothing when none is.
    std::optional<size_t> chosenRow() const;
    QListWidget *list() const
    {
        return list_;
    }

private:
    QListWidget *list_ = nullptr;
};

} // namespace ovix
