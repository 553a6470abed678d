#include "till/widgets/splash_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace ovix {

namespace {

constexpr QRgb kSeeThrough = qRgb(0, 0, 255);

void drawTill(QPainter &painter, const QRect &area)
{
    const QColor body(0xe8, 0xe4, 0xd8);
    const QColor dark(0x30, 0x30, 0x30);
    painter.setPen(QPen(dark, 2));
    // Drawer and body.
    painter.setBrush(body.darker(115));
    painter.drawRect(area.left(), area.bottom() - 22, area.width(), 22);
    painter.setBrush(body);
    painter.drawRect(area.left() + 8, area.top() + 30, area.width() - 16, area.height() - 56);
    // Display on its stalk.
    painter.setBrush(QColor(0x1d, 0x3b, 0x2a));
    painter.drawRect(area.left() + 20, area.top(), area.width() - 40, 24);
    painter.setPen(QColor(0x7c, 0xff, 0x9a));
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(area.left() + 20, area.top(), area.width() - 40, 24), Qt::AlignCenter,
        QStringLiteral("12.50"));
    // Keys.
    painter.setPen(QPen(dark, 1));
    painter.setBrush(QColor(0xf8, 0xf8, 0xf4));
    const int keyTop = area.top() + 38;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            painter.drawRect(area.left() + 18 + column * 20, keyTop + row * 14, 16, 10);
}

} // namespace

QPixmap drawSplashPicture()
{
    QPixmap picture(kSplashWidth, kSplashHeight);
    picture.fill(QColor::fromRgb(kSeeThrough));
    QPainter painter(&picture);

    // The card, with sharp edges so that no blend of the see-through blue
    // is left around it.
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, kSplashWidth, kSplashHeight), 18, 18);
    QLinearGradient shade(0, 0, 0, kSplashHeight);
    shade.setColorAt(0, QColor(0x0b, 0x5d, 0x4b));
    shade.setColorAt(1, QColor(0x06, 0x2e, 0x26));
    painter.fillPath(card, shade);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawTill(painter, QRect(28, 40, 110, 118));

    QFont title = painter.font();
    title.setPixelSize(44);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(
        QRect(160, 42, 230, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("OVIX"));
    QFont subtitle = painter.font();
    subtitle.setPixelSize(24);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xf2, 0xc9, 0x4c));
    painter.drawText(
        QRect(160, 96, 230, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Retail"));
    QFont note = painter.font();
    note.setPixelSize(12);
    painter.setFont(note);
    painter.setPen(QColor(0xd0, 0xe8, 0xe0));
    painter.drawText(QRect(160, 134, 230, 24), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Point of sale for the shop counter"));
    painter.end();
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
