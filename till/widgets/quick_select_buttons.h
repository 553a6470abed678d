#pragma once
// The quick-select picture buttons and the category buttons of the till
// screen. The screen places and shows them; QuickSelectPanel keeps them filled
// from the selected category.

#include "till/logic/quick_select.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QWidget;

namespace ovix {

class DataDir;
class TillState;

// One quick-select slot, 200 x 50: the item's picture at 48 x 48 on the left,
// its number and the first 14 characters of its description on the right. An
// empty slot shows the plain background, greyed, and does nothing when pressed.
class QuickSelectButton : public QAbstractButton {
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 50;

    explicit QuickSelectButton(QWidget *parent = nullptr);

    // Shows `slot`, with its picture from `dir`.
    void showSlot(const QuickSelectSlot &slot, const DataDir &dir);
    int64_t itemNumber() const
    {
        return itemNumber_;
    }
    // The two texts as drawn: the number and the shortened description.
    QString numberText() const
    {
        return numberText_;
    }
    QString descriptionText() const
    {
        return descriptionText_;
    }

    QSize sizeHint() const override
    {
        return { kWidth, kHeight };
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int64_t itemNumber_ = 0;
    QString numberText_;
    QString descriptionText_;
    QPixmap picture_;
};

// One category button, 48 x 48, with the category's three-letter name (or
// "ALL") centred; the selected category is drawn highlighted.
class CategoryButton : public QAbstractButton {
public:
    static constexpr int kSide = 48;

    explicit CategoryButton(QWidget *parent = nullptr);

    void setSelected(bool selected);
    bool isSelected() const
    {
        return selected_;
    }

    QSize sizeHint() const override
    {
        return { kSide, kSide };
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool selected_ = false;
};

// The 14 quick-select buttons and the 19 category buttons, made as children
// of `parent`, kept filled from the items of the selected category. It sets
// no geometry and no visibility: the screen does.
class QuickSelectPanel {
public:
    static constexpr int kCategoryButtons = kAllCategories + 1;

    // `state` must outlive the panel; the buttons belong to `parent`.
    QuickSelectPanel(TillState &state, QWidget *parent);

    // Fills the slots with the first page of the selected category
    // (TillConfig quick-select category) and redraws the category buttons.
    void fill();
    // Reads the items anew after item maintenance, keeping the page.
    void reload();
    // 14 slots when `large`, else 8; refills when that changes.
    void setLarge(bool large);
    bool isLarge() const
    {
        return large_;
    }
    void scrollForward();
    void scrollBack();
    void nextCategory();
    void previousCategory();
    // Stores `category` (0-18, 18 = all items) as the selected category and
    // refills; a value outside that range changes nothing.
    void selectCategory(int category);
    int category() const;

    QuickSelectButton *quickButton(int index) const;
    CategoryButton *categoryButton(int category) const;
    // Slot `index` (0-13) as shown; empty outside the page.
    const QuickSelectSlot &slot(int index) const;

    // Called with the item number when a button with an item is clicked.
    std::function<void(int64_t)> onPick;
    // When set, a category button's work is handed to it to run (the till
    // window applies its command rules); otherwise it runs at once.
    std::function<void(const std::function<void()> &)> runPress;

private:
    void showSlots();
    void showCategories();

    TillState &state_;
    QuickSelect quick_;
    bool large_ = false;
    std::array<QuickSelectButton *, kLargeQuickSelectSlots> quickButtons_ {};
    std::array<CategoryButton *, kCategoryButtons> categoryButtons_ {};
};

} // namespace ovix
