#pragma once
// The browse window of the screen lists: thirteen rows of four columns, the
// row's number a label that opens the item or customer when clicked, and
// More, Back, OK and Cancel as the list offers them. The rules of paging are
// BrowseList's (reports/logic/browse_list.h); the window only shows them.

#include "reports/logic/browse_list.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace ovix {

class Messages;

class BrowseWindow : public QDialog {
public:
    // What a click on a row's number does, with the window as the parent of
    // what it opens; empty when rows do not react (suppliers).
    using OpenRow = std::function<void(QWidget *parent, int64_t number)>;

    // `list` must have been opened with rows to show; `messages` must
    // outlive the window.
    BrowseWindow(BrowseList list, Messages &messages, OpenRow openRow, QWidget *parent = nullptr);

    // The number label of row `row` (0 to 12) and the three texts beside it.
    QLabel *numberLabel(size_t row) const
    {
        return cells_[row][0];
    }
    QLabel *cell(size_t row, size_t column) const
    {
        return cells_[row][column];
    }
    QPushButton *moreButton() const
    {
        return more_;
    }
    QPushButton *backButton() const
    {
        return back_;
    }
    QPushButton *okButton() const
    {
        return ok_;
    }
    QPushButton *cancelButton() const
    {
        return cancel_;
    }
    const BrowseList &list() const
    {
        return list_;
    }

    // Runs the click on row `row`'s number, as a mouse click does.
    void clickRow(size_t row);

private:
    void showRows();
    void onMore();
    void onBack();
    void focusButton();

    BrowseList list_;
    Messages &messages_;
    OpenRow openRow_;
    std::array<std::array<QLabel *, 4>, kBrowseRows> cells_ {};
    QPushButton *more_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

} // namespace ovix
