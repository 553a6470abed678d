#include "till/widgets/totals_panel_widget.h"

#include "platform/cp1252.h"
#include "platform/widgets/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace ovix {

namespace {

const QColor kPanel(0x1e, 0x29, 0x3b);
const QColor kPanelEdge(0x0f, 0x17, 0x2a);
const QColor kText(0xe2, 0xe8, 0xf0);
const QColor kDim(0x94, 0xa3, 0xb8);
const QColor kTotal(0x4a, 0xde, 0x80);
const QColor kBadge(0xf5, 0x9e, 0x0b);
const QColor kBadgeText(0x1e, 0x29, 0x3b);

constexpr int kMargin = 10;
// From this panel height on the picture of the item-entry area is shown.
constexpr int kPictureRoom = 300;

QFont panelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A rounded label in the panel's status row; returns its width.
int drawBadge(QPainter &painter, int left, int top, const QString &text, const QColor &fill)
{
    painter.setFont(panelFont(12, true));
    const int width = painter.fontMetrics().horizontalAdvance(text) + 12;
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, width, 20), 6, 6);
    painter.fillPath(path, fill);
    painter.setPen(kBadgeText);
    painter.drawText(QRect(left, top, width, 20), Qt::AlignCenter, text);
    return width;
}

} // namespace

TotalsPanel::TotalsPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("totalsPanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TotalsPanel::setText(const TotalsPanelText &text)
{
    text_ = text;
    update();
}

void TotalsPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), palette().window());
    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.fillPath(frame, kPanel);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.drawPath(frame);

    const int inner = width() - 2 * kMargin;
    int y = kMargin;
    if (height() >= kPictureRoom) {
        const QPixmap picture = entryPanelPicture();
        const QSize size = picture.size().scaled(inner, 60, Qt::KeepAspectRatio);
        painter.drawPixmap(QRect(QPoint((width() - size.width()) / 2, y), size), picture);
        y += size.height() + 8;
    }

    // Status row: trade sale and barcode badges, the line count, and the
    // next transaction number on the right.
    int x = kMargin;
    QString transaction;
    for (const std::string &caption : text_.captions) {
        const QString shown = toQString(caption);
        if (shown.startsWith(QLatin1String("Transaction:")))
            transaction = shown;
        else if (!shown.isEmpty() && shown.at(0).isDigit())
            x += drawBadge(painter, x, y,
                     shown
                         + (shown == QLatin1String("1") ? QStringLiteral(" line")
                                                        : QStringLiteral(" lines")),
                     kText)
                + 6;
        else
            x += drawBadge(painter, x, y, shown, kBadge) + 6;
    }
    painter.setFont(panelFont(12, false));
    painter.setPen(kDim);
    painter.drawText(
        QRect(x, y, width() - kMargin - x, 20), Qt::AlignRight | Qt::AlignVCenter, transaction);
    y += 28;

    if (text_.amounts.empty()) {
        painter.setFont(panelFont(18, true));
        painter.setPen(kDim);
        painter.drawText(QRect(kMargin, y, inner, height() - y - kMargin), Qt::AlignCenter,
            QStringLiteral("Ready"));
        return;
    }

    // Amounts, one row each; the total larger and in colour.
    const int rows = static_cast<int>(text_.amounts.size());
    const int room = height() - y - kMargin;
    const int row = std::clamp(room / (rows + 2), 14, 24);
    for (int i = 0; i < rows; ++i) {
        const QString caption = i < static_cast<int>(text_.amountCaptions.size())
            ? toQString(text_.amountCaptions[i])
            : QString();
        const QString amount = toQString(text_.amounts[i]);
        const bool total = caption == QLatin1String("Total");
        const int height = total ? row * 2 : row;
        if (total) {
            painter.setPen(QPen(kDim, 1));
            painter.drawLine(kMargin, y + 2, width() - kMargin, y + 2);
        }
        painter.setFont(panelFont(total ? row + 2 : row - 4, total));
        painter.setPen(total ? kTotal : kDim);
        painter.drawText(QRect(kMargin, y, inner, height), Qt::AlignLeft | Qt::AlignVCenter,
            caption.isEmpty() ? QString() : caption);
        painter.setPen(total ? kTotal : kText);
        painter.drawText(
            QRect(kMargin, y, inner, height), Qt::AlignRight | Qt::AlignVCenter, amount);
        y += height;
    }
}

} // namespace ovix
