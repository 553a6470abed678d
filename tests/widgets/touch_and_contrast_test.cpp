// Measured from the drawn pixels: the toolbar pictures are large enough to
// touch and a greyed one plainly differs from a live one; the category
// buttons' names are legible on their tiles.

#include "platform/scripted_messages.h"
#include "sales/logic/till_state.h"
#include "support/test_support.h"
#include "till/widgets/main_window.h"
#include "till/widgets/quick_select_buttons.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using namespace ovix;

namespace {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white), as the web
// content accessibility guidelines define it for contrast ratios.
double luminance(QRgb colour)
{
    auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour))
        + 0.0722 * linear(qBlue(colour));
}

double contrastRatio(QRgb one, QRgb other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// How far a colour is from grey: 0 for greys, 1 for a pure primary.
double colourfulness(QRgb colour)
{
    const int high = std::max({ qRed(colour), qGreen(colour), qBlue(colour) });
    const int low = std::min({ qRed(colour), qGreen(colour), qBlue(colour) });
    return (high - low) / 255.0;
}

// The colour most pixels of `area` in `image` have: the face the rest is drawn on.
QRgb commonest(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
        return a.second < b.second;
    })->first;
}

QImage drawn(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pixels of a picture drawn on a plain button face.
struct Picture {
    QRect extent;
    double meanContrast = 0; // mean luminance difference from the face
    double meanColourfulness = 0;
};

Picture pictureOn(const QImage &image, QRgb face, const QRect &within)
{
    Picture picture;
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == face)
                continue;
            picture.extent |= QRect(x, y, 1, 1);
            picture.meanContrast += std::abs(luminance(pixel) - luminance(face));
            picture.meanColourfulness += colourfulness(pixel);
            ++count;
        }
    }
    if (count > 0) {
        picture.meanContrast /= count;
        picture.meanColourfulness /= count;
    }
    return picture;
}

struct Till {
    test::TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    MainWindow window { state, messages };
};

} // namespace

// A finger needs a picture of 32 pixels or more. A greyed picture must read
// as unavailable at a glance: it keeps none of the colour of the live one
// (mean colourfulness under 0.02) and at most half of its contrast with the
// button face (the mean difference in luminance).
TEST(TouchAndContrast, ToolbarPicturesAreLargeAndGreyedOnesPlainlyFaded)
{
    Till till;
    till.window.resize(800, 600);
    till.window.show();
    QApplication::processEvents();
    EXPECT_GE(till.window.toolBar()->iconSize().width(), 32);
    EXPECT_GE(till.window.toolBar()->iconSize().height(), 32);

    int buttons = 0;
    for (QAction *action : till.window.toolBar()->actions()) {
        if (action->isSeparator())
            continue;
        ++buttons;
        SCOPED_TRACE(action->toolTip().toStdString());
        auto *button = qobject_cast<QToolButton *>(till.window.toolBar()->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible()) << "the toolbar has no room for the button";
        action->setEnabled(true);
        const QImage live = drawn(button);
        action->setEnabled(false);
        const QImage greyed = drawn(button);

        const QRect inside = live.rect().adjusted(2, 2, -2, -2);
        const QRgb face = commonest(live, inside);
        const Picture shown = pictureOn(live, face, inside);
        EXPECT_GE(std::max(shown.extent.width(), shown.extent.height()), 30);
        EXPECT_GE(std::min(shown.extent.width(), shown.extent.height()), 20);

        const Picture faded = pictureOn(greyed, commonest(greyed, inside), inside);
        EXPECT_LT(faded.meanColourfulness, 0.02);
        EXPECT_LE(faded.meanContrast, 0.5 * shown.meanContrast)
            << "live " << shown.meanContrast << ", greyed " << faded.meanContrast;
    }
    EXPECT_EQ(buttons, 20);
}

// Each category name, on a plain, a pressed and the selected tile, reaches a
// contrast of 4.5 : 1 with the tile in the strokes of its letters.
TEST(TouchAndContrast, CategoryNamesStandOutFromTheirTiles)
{
    const struct {
        const char *name;
        bool selected;
        bool down;
    } cases[] = {
        { "ALC", false, false },
        { "WIN", false, true },
        { "POP", true, false },
        { "ALL", false, false },
        { "ALL", true, false },
    };
    for (const auto &shown : cases) {
        SCOPED_TRACE(std::string(shown.name) + (shown.selected ? " selected" : "")
            + (shown.down ? " pressed" : ""));
        CategoryButton button;
        button.setText(QString::fromLatin1(shown.name));
        button.setSelected(shown.selected);
        button.setDown(shown.down);
        const QImage image = drawn(&button);
        // The middle of the tile: the name, clear of the tile's edges and rings.
        const QRect middle(8, 12, image.width() - 16, image.height() - 24);
        const QRgb tile = commonest(image, middle);
        int strokes = 0;
        double best = 1;
        for (int y = middle.top(); y <= middle.bottom(); ++y) {
            for (int x = middle.left(); x <= middle.right(); ++x) {
                const double ratio = contrastRatio(image.pixel(x, y), tile);
                best = std::max(best, ratio);
                strokes += ratio >= 4.5 ? 1 : 0;
            }
        }
        EXPECT_GE(strokes, 12) << "best contrast " << best;
    }
}
