#pragma once
// Shared drawing for the artwork program: colours, button tiles, labels and
// the pictogram grid. Pictograms are drawn on a 24 x 24 grid that is scaled
// into whatever square the tile leaves for them.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace artwork {

// Behind the rounded corners of the screen buttons: the till screen's background.
inline const QColor kBackdrop(0xe2, 0xe8, 0xf0);
// Behind the toolbar pictures: the window grey of the toolbar.
inline const QColor kToolbarBackdrop(0xef, 0xef, 0xef);
inline constexpr int kToolbarPictureSide = 32;
inline const QColor kInk(0x26, 0x32, 0x38);

// One colour per button family.
inline const QColor kPayment(0x2e, 0x7d, 0x32);
inline const QColor kRemoval(0xc6, 0x28, 0x28);
inline const QColor kBasket(0x15, 0x65, 0xc0);
inline const QColor kUtility(0x54, 0x6e, 0x7a);
inline const QColor kPricing(0x6a, 0x1b, 0x9a);
inline const QColor kRefund(0xe6, 0x5c, 0x00);
inline const QColor kKey(0x37, 0x47, 0x4f);
inline const QColor kCategory(0x00, 0x69, 0x5c);
inline const QColor kSelected(0xef, 0x6c, 0x00);

using Pictogram = std::function<void(QPainter &)>;

QImage blankImage(int width, int height, const QColor &fill = kBackdrop);
void prepare(QPainter &painter);
QFont boldFont(double pixelSize);

// A rounded tile of `colour`; pressed tiles are darker, with an inset shadow.
// Returns the tile's inner rectangle, shifted down when pressed.
QRectF drawTile(QPainter &painter, const QRectF &area, const QColor &colour, bool pressed,
    double radius, int pressedDarkness = 130);

// Upper-case `text` in white, as large as fits `area` up to `largest` pixels.
void drawLabel(QPainter &painter, const QRectF &area, const QString &text, double largest,
    const QColor &colour = Qt::white);

// Runs `pictogram` with the 24 x 24 grid mapped into the centre of `area`.
void drawPictogram(QPainter &painter, const QRectF &area, const Pictogram &pictogram);

// Pens and brushes in grid units for the pictograms.
QPen stroke(double width, const QColor &colour = Qt::white);
void strokeOnly(QPainter &painter, double width, const QColor &colour = Qt::white);
void fillOnly(QPainter &painter, const QColor &colour = Qt::white);

// A button picture: tile, pictogram and label (either may be empty).
QImage drawButton(int width, int height, const QColor &colour, bool pressed,
    const Pictogram &pictogram, const QString &label, int pressedDarkness = 130);

// The named button pictogram, or an empty function.
Pictogram buttonPictogram(const QString &name);

// Built-in stock picture `number` (1..24), 96 x 96.
QImage drawStockPicture(int number);

// The toolbar pictures, 32 x 32, by file name (without ".bmp"), in toolbar order.
std::vector<std::pair<QString, QImage>> drawToolbarPictures();

} // namespace artwork
