#include "till/widgets/quick_select_buttons.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "store/till_config.h"
#include "sales/logic/till_state.h"
#include "platform/widgets/artwork.h"

#include <QPainter>

#include <cinttypes>

namespace ovix {

namespace {

// Characters of the description shown on a quick-select button.
constexpr size_t kShownDescription = 14;
constexpr int kTextLeft = kItemPictureSide + 8;

} // namespace

QuickSelectButton::QuickSelectButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kWidth, kHeight);
    setEnabled(false);
}

void QuickSelectButton::showSlot(const QuickSelectSlot &slot, const DataDir &dir)
{
    itemNumber_ = slot.itemNumber;
    if (itemNumber_ == 0) {
        numberText_.clear();
        descriptionText_.clear();
        picture_ = QPixmap();
    } else {
        numberText_ = QString::fromStdString(cformat("%" PRId64, itemNumber_));
        descriptionText_
            = toQString(std::string_view(slot.description).substr(0, kShownDescription));
        picture_ = itemPicture(dir, slot.pictureFile);
    }
    setEnabled(itemNumber_ != 0);
    update();
}

void QuickSelectButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), buttonPicture(QStringLiteral("quick"), isDown()));
    if (itemNumber_ == 0) {
        painter.fillRect(rect(), QColor(255, 255, 255, 110)); // greyed: nothing to press
        return;
    }
    const int shift = isDown() ? 1 : 0;
    const int top = (height() - kItemPictureSide) / 2 + shift;
    painter.drawPixmap(QRect(1 + shift, top, kItemPictureSide, kItemPictureSide), picture_);
    painter.setPen(Qt::black);
    const QRect text(kTextLeft + shift, 4 + shift, width() - kTextLeft - 4, height() - 8);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, numberText_);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, descriptionText_);
}

CategoryButton::CategoryButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kSide, kSide);
}

void CategoryButton::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void CategoryButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap tile = selected_ ? buttonPicture(QStringLiteral("category_selected"), false)
                                   : buttonPicture(QStringLiteral("category"), isDown());
    painter.drawPixmap(rect(), tile);
    QFont font = painter.font();
    font.setBold(selected_);
    painter.setFont(font);
    // White on the dark green tiles, black on the bright orange of the
    // selected one: either way well over 4.5 : 1.
    painter.setPen(selected_ ? Qt::black : Qt::white);
    const int shift = isDown() ? 1 : 0;
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, text());
}

QuickSelectPanel::QuickSelectPanel(TillState &state, QWidget *parent)
    : state_(state)
    , quick_(state.items)
{
    for (size_t index = 0; index < quickButtons_.size(); ++index) {
        auto *button = new QuickSelectButton(parent);
        quickButtons_[index] = button;
        QObject::connect(button, &QAbstractButton::clicked, button, [this, button] {
            if (button->itemNumber() != 0 && onPick)
                onPick(button->itemNumber());
        });
    }
    for (int category = 0; category < kCategoryButtons; ++category) {
        auto *button = new CategoryButton(parent);
        categoryButtons_[static_cast<size_t>(category)] = button;
        QObject::connect(button, &QAbstractButton::clicked, button, [this, category] {
            if (runPress)
                runPress([this, category] { selectCategory(category); });
            else
                selectCategory(category);
        });
    }
    showCategories();
}

int QuickSelectPanel::category() const
{
    return quickSelectCategory(state_.config);
}

void QuickSelectPanel::fill()
{
    quick_.fill(category(), large_ ? kLargeQuickSelectSlots : kSmallQuickSelectSlots);
    showSlots();
    showCategories();
}

void QuickSelectPanel::reload()
{
    if (quick_.category() != category()) {
        fill();
        return;
    }
    quick_.reload();
    showSlots();
    showCategories();
}

void QuickSelectPanel::setLarge(bool large)
{
    if (large_ == large)
        return;
    large_ = large;
    fill();
}

void QuickSelectPanel::scrollForward()
{
    if (quick_.scrollForward())
        showSlots();
}

void QuickSelectPanel::scrollBack()
{
    if (quick_.scrollBack())
        showSlots();
}

void QuickSelectPanel::nextCategory()
{
    selectCategory(ovix::nextCategory(category()));
}

void QuickSelectPanel::previousCategory()
{
    selectCategory(ovix::previousCategory(category()));
}

void QuickSelectPanel::selectCategory(int category)
{
    if (category < 0 || category > kAllCategories)
        return;
    state_.config.set(cfg::quickSelectCurrent, category);
    fill();
}

QuickSelectButton *QuickSelectPanel::quickButton(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= quickButtons_.size())
        return nullptr;
    return quickButtons_[static_cast<size_t>(index)];
}

CategoryButton *QuickSelectPanel::categoryButton(int category) const
{
    if (category < 0 || category >= kCategoryButtons)
        return nullptr;
    return categoryButtons_[static_cast<size_t>(category)];
}

const QuickSelectSlot &QuickSelectPanel::slot(int index) const
{
    return quick_.slot(index < 0 ? quickButtons_.size() : static_cast<size_t>(index));
}

void QuickSelectPanel::showSlots()
{
    for (size_t index = 0; index < quickButtons_.size(); ++index)
        quickButtons_[index]->showSlot(quick_.slot(index), state_.dir);
}

void QuickSelectPanel::showCategories()
{
    const int selected = category();
    for (int category = 0; category < kCategoryButtons; ++category) {
        CategoryButton *button = categoryButtons_[static_cast<size_t>(category)];
        button->setText(category == kAllCategories
                ? QStringLiteral("ALL")
                : toQString(state_.config.categoryName(category + 1)));
        button->setSelected(category == selected);
    }
}

} // namespace ovix
