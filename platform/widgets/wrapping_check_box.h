#pragma once
// A check box whose caption wraps onto further lines when the page is too
// narrow for it on one line, as the long settings captions must on a small
// screen. Its text() is the whole caption; clicking the caption ticks it.

#include <QCheckBox>

namespace ovix {

class WrappingCheckBox : public QCheckBox {
public:
    explicit WrappingCheckBox(const QString &text, QWidget *parent = nullptr);

    // One line when there is room: as wide as the whole caption.
    QSize sizeHint() const override;
    // As narrow as the longest word of the caption.
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override
    {
        return true;
    }
    // The height of the caption wrapped to `width`.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;

private:
    // The width of the tick box and the gap after it.
    int indicatorSpace() const;
    // The caption's lines at `width`, from the top of the box.
    QRect captionArea(int width) const;
};

} // namespace ovix
