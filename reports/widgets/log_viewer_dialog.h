#pragma once
// The log viewer: a read-only text box framed " Detail:" with Next, Previous
// and OK. Paging through the activity log it is "OVIX log"; showing one day's
// summary it is "Activity report" without Next and Previous.

#include "reports/logic/log_pages.h"

#include <QDialog>

#include <optional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace ovix {

class LogViewerDialog : public QDialog {
public:
    // "OVIX log" over `pager`, which shows its first page already.
    LogViewerDialog(LogPager pager, QWidget *parent);
    // "Activity report" showing `text` (Windows-1252) alone.
    LogViewerDialog(const std::string &text, QWidget *parent);

    QPlainTextEdit *textBox() const { return text_; }
    QPushButton *nextButton() const { return next_; }
    QPushButton *previousButton() const { return previous_; }

private:
    void build();
    void showPage();

    std::optional<LogPager> pager_;
    QPlainTextEdit *text_ = nullptr;
    QPushButton *next_ = nullptr;
    QPushButton *previous_ = nullptr;
};

} // namespace ovix
