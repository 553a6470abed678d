#pragma once
// "Tip of the day ...": one tip at a time, "Next" for the following one, and
// a check box that decides whether the box comes up when the till starts.

#include <QDialog>

class QCheckBox;
class QLabel;

namespace ovix {

class TillConfig;

class TipsDialog : public QDialog {
public:
    // Shows the tip the configuration's rotating index points at and moves
    // the index on; `config` must outlive the dialog. Closing the dialog
    // stores the check box.
    TipsDialog(TillConfig &config, QWidget *parent);

    void done(int result) override;

    // Shows the following tip (and moves the index on).
    void showNextTip();

    QLabel *tipLabel() const
    {
        return tip_;
    }
    QCheckBox *showAtStartBox() const
    {
        return showAtStart_;
    }

private:
    TillConfig &config_;
    QLabel *tip_;
    QCheckBox *showAtStart_;
};

// Shows the dialog modally.
void showTipsDialog(QWidget *parent, TillConfig &config);

} // namespace ovix
