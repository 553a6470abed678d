#include "platform/widgets/wrapping_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace ovix {

namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

WrappingCheckBox::WrappingCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrappingCheckBox::indicatorSpace() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this)
        + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect WrappingCheckBox::captionArea(int width) const
{
    const int left = indicatorSpace();
    const QRect wrapped = fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, width - left), 1 << 20), kCaptionFlags, text());
    // A one-line caption sits where a plain check box puts it.
    const int oneLine = QCheckBox::sizeHint().height();
    const int top = std::max(0, (oneLine - fontMetrics().height()) / 2);
    return QRect(left, top, wrapped.width(), wrapped.height());
}

QSize WrappingCheckBox::sizeHint() const
{
    return QCheckBox::sizeHint();
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    int widest = 0;
    for (const QString &word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    return QSize(indicatorSpace() + widest + 1, QCheckBox::sizeHint().height());
}

int WrappingCheckBox::heightForWidth(int width) const
{
    const QRect caption = captionArea(width);
    return std::max(QCheckBox::sizeHint().height(), caption.bottom() + 1 + caption.top());
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();

    // The tick box beside the first line.
    const int oneLine = QCheckBox::sizeHint().height();
    QStyleOptionButton indicator = option;
    const int side = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    indicator.rect = QRect(0, (oneLine - side) / 2,
        style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this), side);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect caption = captionArea(width());
    style()->drawItemText(&painter, caption.adjusted(0, 0, 1, 0), kCaptionFlags, palette(),
        isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = caption.adjusted(-1, 0, 2, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingCheckBox::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

} // namespace ovix
