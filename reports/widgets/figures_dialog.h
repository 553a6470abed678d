#pragma once
// A read-only dialog of figures: a two-column list of captions and values,
// notes under it, and the buttons its command gives it. Used by the status
// screen, the till reconciliation and closeout, the stock summary and the
// list of items below cost.

#include <QDialog>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QDialogButtonBox;
class QTreeWidget;

namespace ovix {

class FiguresDialog : public QDialog {
public:
    // `rows` are UTF-8 caption and value pairs; a row with an empty caption
    // and value is a gap. `notes` are shown under the list, one per line.
    FiguresDialog(const QString &title, const std::vector<std::pair<std::string, std::string>> &rows,
        const std::vector<std::string> &notes, QWidget *parent = nullptr);

    // Adds a button; clicking it runs `action`, and the dialog closes (with
    // `result` as its result) when the action gives true. Buttons appear in
    // the order added.
    QPushButton *addAction(const QString &caption, std::function<bool()> action, int result);

    QTreeWidget *list() const
    {
        return list_;
    }

private:
    QTreeWidget *list_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
};

} // namespace ovix
