#include "till/widgets/splash_window.h"

#include "platform/widgets/artwork.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace ovix {

namespace {

constexpr QRgb kSeeThrough = qRgb(0, 0, 255);

} // namespace

QPixmap drawSplashPicture()
{
    QPixmap picture = splashPicture();
    if (picture.size() != QSize(kSplashWidth, kSplashHeight))
        picture = picture.scaled(kSplashWidth, kSplashHeight);
    return picture;
}

SplashWindow::SplashWindow(std::function<void()> closed)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , picture_(drawSplashPicture())
    , closed_(std::move(closed))
{
    setFixedSize(kSplashWidth, kSplashHeight);
    setMask(picture_.createMaskFromColor(QColor::fromRgb(kSeeThrough), Qt::MaskInColor));
}

void SplashWindow::start(int milliseconds)
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    QTimer::singleShot(milliseconds, this, [this] { close(); });
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (closed_) {
        std::function<void()> closed = std::move(closed_);
        closed_ = nullptr;
        closed();
    }
}

} // namespace ovix
