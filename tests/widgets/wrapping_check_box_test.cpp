// The check box whose caption wraps on a narrow page.

#include "platform/widgets/wrapping_check_box.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

using namespace ovix;

namespace {

const QString kCaption = QStringLiteral(
    "Display summary box after each transaction (with receipt and invoice print buttons).");

// The rows of `image` that hold dark text pixels, counted from the top.
int inkedRows(const QImage &image, int left)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

} // namespace

TEST(WrappingCheckBox, TakesOneLineWhenThereIsRoomAndMoreWhenNarrow)
{
    WrappingCheckBox box(kCaption);
    EXPECT_EQ(box.text(), kCaption);
    const int oneLine = box.sizeHint().height();
    EXPECT_EQ(box.heightForWidth(box.sizeHint().width()), oneLine);
    const int narrow = box.sizeHint().width() / 3;
    EXPECT_GE(box.heightForWidth(narrow), 3 * box.fontMetrics().height());
    EXPECT_LT(box.minimumSizeHint().width(), narrow);

    // Drawn narrow, the caption's ink spans several lines, all inside the box.
    box.resize(narrow, box.heightForWidth(narrow));
    const QImage wrapped = box.grab().toImage();
    box.resize(box.sizeHint());
    const QImage single = box.grab().toImage();
    EXPECT_GE(inkedRows(wrapped, 20), 2 * inkedRows(single, 20));
}

TEST(WrappingCheckBox, ClickingAnyLineOfTheCaptionTicksIt)
{
    QWidget page;
    auto *box = new WrappingCheckBox(kCaption, &page);
    const int narrow = box->sizeHint().width() / 3;
    box->setGeometry(0, 0, narrow, box->heightForWidth(narrow));
    page.show();
    QApplication::processEvents();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(narrow / 2, box->height() - 4));
    EXPECT_TRUE(box->isChecked());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
}
