#include "sync/widgets/log_pane.h"

#include "sync/widgets/sync_pictures.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>

namespace ovix {

LogPane::LogPane(QWidget *parent)
    : QPlainTextEdit(parent)
    , mark_(new QLabel(viewport()))
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    mark_->setPixmap(paneMark());
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark_->resize(mark_->sizeHint());
}

void LogPane::setLines(const QStringList &lines)
{
    setPlainText(lines.join(u'\n'));
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QStringList LogPane::shownLines() const
{
    QStringList lines;
    if (document()->isEmpty())
        return lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

void LogPane::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeMark();
}

void LogPane::placeMark()
{
    const QSize space = viewport()->size();
    mark_->move(space.width() - mark_->width() - 4, space.height() - mark_->height() - 4);
}

} // namespace ovix
