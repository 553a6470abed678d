#include "store/till_config.h"
#include "support/test_support.h"
#include "till/item_entry_fixture.h"
#include "till/widgets/quick_select_buttons.h"

#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace ovix;
using ovix::test::ItemBytes;
using ovix::test::putI32;

namespace {

// A till with items 11 and 12 in category 0, 21 in category 1, and the
// panel's buttons on a plain window.
struct PanelTill : ovix::test::Till {
    QWidget window;
    QuickSelectPanel panel { state, &window };
    std::vector<int64_t> picked;

    PanelTill()
    {
        addIn(11, 0, "A DESCRIPTION LONGER THAN FOURTEEN");
        addIn(12, 0, "SHORT");
        addIn(21, 1, "OTHER");
        state.config.setCategoryName(1, "DRI");
        state.config.setCategoryName(2, "FOO");
        state.config.set(cfg::quickSelectCurrent, 0);
        panel.onPick = [this](int64_t number) { picked.push_back(number); };
        panel.fill();
        window.show();
    }

    void addIn(int64_t number, int32_t category, std::string_view description)
    {
        ItemBytes bytes(number, description, 1.0f);
        putI32(bytes.bytes, 1787, category);
        putI32(bytes.bytes, 1202, 1);
        add(bytes);
    }
};

} // namespace

TEST(QuickSelectButtons, FilledButtonPicksItsItemAndEmptyOneDoesNothing)
{
    PanelTill till;
    QuickSelectButton *first = till.panel.quickButton(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->size(), QSize(200, 50));
    EXPECT_EQ(first->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(first->numberText(), "11");
    EXPECT_EQ(first->descriptionText(), "A DESCRIPTION "); // the first 14 characters
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::mouseClick(till.panel.quickButton(1), Qt::LeftButton);
    EXPECT_EQ(till.picked, (std::vector<int64_t> { 11, 12 }));

    QuickSelectButton *empty = till.panel.quickButton(2);
    EXPECT_FALSE(empty->isEnabled());
    QTest::mouseClick(empty, Qt::LeftButton);
    EXPECT_EQ(till.picked.size(), 2u);
    EXPECT_EQ(till.panel.quickButton(14), nullptr);

    // Both kinds of button draw, pressed or not, without anything set up.
    QImage image(first->size(), QImage::Format_ARGB32);
    first->setDown(true);
    first->render(&image);
    empty->render(&image);
    till.panel.categoryButton(18)->render(&image);
}

TEST(QuickSelectButtons, CategoryClickRefillsHighlightsAndIsStored)
{
    PanelTill till;
    EXPECT_TRUE(till.panel.categoryButton(0)->isSelected());
    EXPECT_EQ(till.panel.categoryButton(0)->text(), "DRI");
    EXPECT_EQ(till.panel.categoryButton(1)->text(), "FOO");
    EXPECT_EQ(till.panel.categoryButton(18)->text(), "ALL");
    EXPECT_EQ(till.panel.categoryButton(19), nullptr);

    QTest::mouseClick(till.panel.categoryButton(1), Qt::LeftButton);
    EXPECT_EQ(till.state.config.get(cfg::quickSelectCurrent), 1);
    EXPECT_TRUE(till.panel.categoryButton(1)->isSelected());
    EXPECT_FALSE(till.panel.categoryButton(0)->isSelected());
    EXPECT_EQ(till.panel.slot(0).itemNumber, 21);
    EXPECT_EQ(till.panel.slot(1).itemNumber, 0);
    QTest::mouseClick(till.panel.quickButton(0), Qt::LeftButton);
    EXPECT_EQ(till.picked, (std::vector<int64_t> { 21 }));

    till.panel.previousCategory();
    till.panel.previousCategory();
    EXPECT_EQ(till.state.config.get(cfg::quickSelectCurrent), kAllCategories);
    EXPECT_EQ(till.panel.slot(2).itemNumber, 21);
    till.panel.nextCategory();
    EXPECT_EQ(till.state.config.get(cfg::quickSelectCurrent), 0);

    till.panel.selectCategory(19); // out of range: nothing changes
    EXPECT_EQ(till.state.config.get(cfg::quickSelectCurrent), 0);
}

TEST(QuickSelectButtons, LargeLayoutFillsFourteenAndPagesByFourteen)
{
    PanelTill till;
    for (int64_t number = 100; number < 120; ++number)
        till.addIn(number, 2, "MANY");
    till.panel.selectCategory(2);
    EXPECT_EQ(till.panel.slot(7).itemNumber, 107);
    EXPECT_EQ(till.panel.slot(8).itemNumber, 0);
    EXPECT_FALSE(till.panel.quickButton(8)->isEnabled());

    till.panel.setLarge(true);
    EXPECT_EQ(till.panel.slot(13).itemNumber, 113);
    EXPECT_TRUE(till.panel.quickButton(13)->isEnabled());
    till.panel.scrollForward();
    EXPECT_EQ(till.panel.slot(0).itemNumber, 114);
    EXPECT_EQ(till.panel.quickButton(0)->numberText(), "114");
    till.panel.scrollForward(); // no further item: the page stays
    EXPECT_EQ(till.panel.slot(0).itemNumber, 114);
    till.panel.scrollBack();
    EXPECT_EQ(till.panel.slot(0).itemNumber, 100);
}
