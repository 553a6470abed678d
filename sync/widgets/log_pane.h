#pragma once
// The scrolling pane of log lines, black on white, with the small mark at its
// bottom right. It shows what it is given; it is read-only to the user.

#include <QPlainTextEdit>
#include <QStringList>

class QLabel;

namespace ovix {

class LogPane : public QPlainTextEdit {
public:
    explicit LogPane(QWidget *parent = nullptr);

    // Shows `lines`, one per row, scrolled to the last one.
    void setLines(const QStringList &lines);
    QStringList shownLines() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeMark();

    QLabel *mark_;
};

} // namespace ovix
