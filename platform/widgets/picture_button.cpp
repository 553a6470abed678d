#include "platform/widgets/picture_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ovix {

PictureButton::PictureButton(QPixmap normal, QPixmap pressed, QWidget *parent)
    : QAbstractButton(parent)
    , normal_(std::move(normal))
    , pressed_(std::move(pressed))
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.35);
    painter.drawPixmap(rect(), isDown() ? pressed_ : normal_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace ovix
