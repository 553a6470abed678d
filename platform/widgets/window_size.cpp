#include "platform/widgets/window_size.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ovix {

void openAtPreferredSize(QWidget *window)
{
    QLayout *layout = window->layout();
    if (!layout)
        return;
    layout->activate();
    QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // A dialog opens on the screen of the window it belongs to.
    const QWidget *owner = window->parentWidget() ? window->parentWidget() : window;
    if (const QScreen *screen = owner->screen())
        room = screen->availableGeometry().size()
            - QSize(2 * kBorderRoom, kTitleBarRoom + 2 * kBorderRoom);
    const QSize wanted = layout->totalSizeHint();
    const int width = std::min(wanted.width(), room.width());
    const int height
        = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : wanted.height();
    window->resize(
        QSize(width, std::min(height, room.height())).expandedTo(layout->totalMinimumSize()));
}

} // namespace ovix
