#include "till/widgets/toolbar_style.h"

#include <QAction>
#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolBar>

namespace ovix {

namespace {

// Pixels between the picture and the button's edge, on each side.
constexpr int kRim = 2;

class PackedToolButtonStyle : public QProxyStyle {
public:
    PackedToolButtonStyle()
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    {
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
        const QWidget *widget) const override
    {
        if (type == CT_ToolButton)
            return contents + QSize(2 * kRim, 2 * kRim);
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }
};

} // namespace

void packToolButtons(QToolBar *bar)
{
    auto *style = new PackedToolButtonStyle;
    style->setParent(bar);
    for (QAction *action : bar->actions())
        if (QWidget *button = bar->widgetForAction(action); button && !action->isSeparator())
            button->setStyle(style);
}

} // namespace ovix
