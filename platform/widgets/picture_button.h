#pragma once
// A button drawn only with its two pictures: one when up, one while pressed.
// A disabled button is drawn faded.

#include <QAbstractButton>
#include <QPixmap>

namespace ovix {

class PictureButton : public QAbstractButton {
public:
    PictureButton(QPixmap normal, QPixmap pressed, QWidget *parent = nullptr);

    QSize sizeHint() const override
    {
        return normal_.deviceIndependentSize().toSize();
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap normal_;
    QPixmap pressed_;
};

} // namespace ovix
