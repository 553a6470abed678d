#include "till/widgets/sale_screen.h"

#include "inventory/logic/item_find.h"
#include "inventory/widgets/item_search_screens.h"
#include "print/logic/pole_display.h"

#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/sounds.h"
#include "platform/widgets/picture_button.h"
#include "store/till_config.h"
#include "sales/logic/abandon_sale.h"
#include "sales/logic/basket.h"
#include "sales/logic/saved_basket.h"
#include "sales/logic/till_state.h"
#include "till/logic/totals_panel.h"
#include "platform/widgets/artwork.h"
#include "till/widgets/main_window.h"
#include "till/widgets/quick_select_buttons.h"
#include "till/widgets/totals_panel_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>

namespace ovix {

namespace {

constexpr int kItemBoxLeft = 20;
constexpr int kItemBoxTop = 68;
constexpr int kItemBoxPixelWidth = 172;
constexpr int kItemBoxHeight = 32;
constexpr int kBigButton = 48;
constexpr int kSaleButtonWidth = 68;
constexpr int kSaleButtonHeight = 40;
constexpr int kKeypadButton = 54;
constexpr int kSaveButton = 92;
// From this window height on, the large layout.
constexpr int kLargeLayoutHeight = 684;
// Characters the keypad puts into a tender amount box.
constexpr int kTenderBoxWidth = 19;

struct SaleButton {
    Command command;
    const char *picture;
    const char *caption;
    const char *toolTip;
    int left;
    int top;
    int width;
    int height;
};

constexpr int kStepLeft = 435;

// The sale buttons with their pictures, captions, tooltips and places (the
// save and retrieve buttons belong to the large layout only).
const SaleButton kSaleButtons[] = {
    { Command::AddItem, "add", "Add", "Add item to basket   ENTER to find", 200, 36, kBigButton,
        kBigButton },
    { Command::PayCash, "cash", "Cash", "Pay by cash", 260, 36, kBigButton, kBigButton },
    { Command::PayByCustomer, "account", "Account", "Pay by credit to customer", 20, 116,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::PriceByWeight, "weight", "Weight", "Adjust price of last item by weight", 96, 116,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::NonInventorySale, "noninventory", "Not on file", "Sell an item not on the database",
        172, 116, kSaleButtonWidth, kSaleButtonHeight },
    { Command::PayCard, "card", "Card", "Pay by credit debit card", 247, 116, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::VoidLine, "void", "Void", "Remove highlighted item", 20, 166, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::EmptyBasket, "empty", "Empty", "Empty basket", 96, 166, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::OpenDrawer, "drawer", "Drawer", "Open cash till drawer", 172, 166, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::ToggleTrade, "trade", "Trade", "Toggle between trade and retail prices", 247, 166,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::RepeatLast, "repeat", "Repeat",
        "Repeat last also multiple of last with quantity in item box", 20, 216, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::AddNote, "note", "Note", "Add a note to the transaction", 96, 216, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::RefundBasket, "refund", "Refund", "Refund basket", 172, 216, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::AdjustPrice, "price", "Price", "Adjust price of last item", 247, 216,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::SaveBasket, "save", "Save", "Save basket", 642, 452, kSaveButton, kSaveButton },
    { Command::ReloadBasket, "retrieve", "Retrieve", "Retrieve saved basket", 642, 546, kSaveButton,
        kSaveButton },
    { Command::ScrollBack, "scroll_back", "Back", "Scroll back through category", kStepLeft, 276,
        kKeypadButton, kKeypadButton },
    { Command::ScrollForwards, "scroll_forward", "Forwards", "Scroll forwards through category",
        kStepLeft, 328, kKeypadButton, kKeypadButton },
    { Command::PreviousCategory, "category_prev", "Previous", "Display previous category",
        kStepLeft, 380, kKeypadButton, kKeypadButton },
    { Command::NextCategory, "category_next", "Next", "Display next category", kStepLeft, 432,
        kKeypadButton, kKeypadButton },
};

// The keypad, row by row, and the pictures of its keys.
const char *const kKeypadCaptions[4][3]
    = { { "1", "2", "3" }, { "4", "5", "6" }, { "7", "8", "9" }, { "CA", "0", "CE" } };
constexpr int kKeypadLefts[3] = { 325, 380, 435 };
constexpr int kKeypadTops[4] = { 35, 90, 145, 200 };

QString keypadPicture(const QString &caption)
{
    if (caption == QLatin1String("CA"))
        return QStringLiteral("key_ca");
    if (caption == QLatin1String("CE"))
        return QStringLiteral("key_ce");
    return QStringLiteral("key") + caption;
}

// A till button drawn from the built-in pictures `picture`; `caption` is its
// name for tests and screen readers.
PictureButton *makeButton(const QString &picture, const QString &caption, QWidget *parent)
{
    auto *button
        = new PictureButton(buttonPicture(picture, false), buttonPicture(picture, true), parent);
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt
        || key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

void sendKey(QWidget *target, int key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

} // namespace

SaleScreen::SaleScreen(
    MainWindow &window, TillState &state, Basket &basket, Basket &savedBasket, Messages &messages)
    : QWidget(&window)
    , window_(window)
    , state_(state)
    , basket_(basket)
    , messages_(messages)
    , entry_(state, basket, savedBasket, *this, messages)
{
    itemBox_ = new QPlainTextEdit(this);
    itemBox_->setObjectName(QStringLiteral("itemBox"));
    itemBox_->setGeometry(kItemBoxLeft, kItemBoxTop, kItemBoxPixelWidth, kItemBoxHeight);
    itemBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    itemBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    itemBox_->setTabChangesFocus(true);
    itemBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont entryFont(QStringLiteral("DejaVu Sans Mono"));
    entryFont.setPixelSize(18);
    entryFont.setBold(true);
    itemBox_->setFont(entryFont);
    itemBox_->setStyleSheet(QStringLiteral(
        "QPlainTextEdit { background: white; border: 2px solid #2563eb; border-radius: 4px; }"));
    // Installed before the window's filter, so the window sees the till's
    // keys first and this screen only what they leave.
    itemBox_->installEventFilter(this);
    connect(itemBox_, &QPlainTextEdit::textChanged, this, [this] { itemBoxChanged(); });

    auto *boxCaption = new QLabel(QStringLiteral("Item number or barcode"), this);
    boxCaption->setGeometry(kItemBoxLeft, kItemBoxTop - 20, kItemBoxPixelWidth, 18);
    boxCaption->setStyleSheet(QStringLiteral("color: #334155; font-weight: bold;"));

    basketList_ = new QListWidget(this);
    basketList_->setObjectName(QStringLiteral("basketList"));
    basketList_->setSelectionMode(QAbstractItemView::SingleSelection);
    basketList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    basketList_->setFocusPolicy(Qt::ClickFocus);
    basketList_->setAlternatingRowColors(true);
    QFont listFont(QStringLiteral("DejaVu Sans Mono"));
    listFont.setPixelSize(14);
    basketList_->setFont(listFont);
    basketList_->setStyleSheet(
        QStringLiteral("QListWidget { background: white; alternate-background-color: #f1f5f9;"
                       " border: 1px solid #94a3b8; border-radius: 6px; }"
                       " QListWidget::item { padding: 3px 4px; }"
                       " QListWidget::item:selected { background: #2563eb; color: white; }"));

    // The screen's own background, behind the pictures of the buttons.
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xe2, 0xe8, 0xf0));
    setPalette(background);

    totalsPanel_ = new TotalsPanel(this);
    quick_ = std::make_unique<QuickSelectPanel>(state_, this);
    quick_->onPick = [this](int64_t number) {
        window_.runAction([this, number] { entry_.addItem(number, {}); });
    };
    quick_->runPress = [this](const std::function<void()> &work) { window_.runAction(work); };

    buildButtons();
    buildKeypad();
    window_.setEmptyBasket([this] { abandonSale(); });
    window_.setMayAbandonSale([this] { return mayAbandonSale(basket_, messages_); });
    window_.setParkSale([this] { parkSale(); });
    window_.setSaleArea(this, itemBox_);
    // The screen's own override is meant here (it is final).
    // cppcheck-suppress virtualCallInConstructor
    totalsChanged();
    refreshButtons();
    layOut();
    quick_->fill();
}

void SaleScreen::buildButtons()
{
    for (const SaleButton &item : kSaleButtons) {
        auto *button = makeButton(
            QString::fromLatin1(item.picture), QString::fromLatin1(item.caption), this);
        button->setToolTip(QString::fromLatin1(item.toolTip));
        button->setGeometry(item.left, item.top, item.width, item.height);
        const Command command = item.command;
        connect(button, &QAbstractButton::clicked, this,
            [this, command] { window_.runCommand(command); });
        window_.watchToolTips(button);
        buttons_[command] = button;
    }
}

void SaleScreen::buildKeypad()
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QString caption = QString::fromLatin1(kKeypadCaptions[row][column]);
            auto *button = makeButton(keypadPicture(caption), caption, this);
            button->setObjectName(QStringLiteral("keypad") + caption);
            button->setGeometry(
                kKeypadLefts[column], kKeypadTops[row], kKeypadButton, kKeypadButton);
            connect(button, &QAbstractButton::clicked, this,
                [this, caption] { keypadPressed(caption); });
            keypad_[caption] = button;
        }
    }
}

void SaleScreen::abandonSale()
{
    entry_.emptyBasket();
    // A customer or note given before any line was rung up goes with the sale.
    if (basket_.lineCount == 0 && (basket_.customerNumber != 0 || basket_.transactionNote[0]))
        clearBasket(basket_);
    totalsChanged();
}

void SaleScreen::parkSale()
{
    // The till is being stopped: no box can be shown, so a failure goes to
    // the standard error, where the system keeps it.
    std::string error;
    if (!entry_.parkBasket(&error))
        (void)std::fprintf(stderr, "ovixtill: the sale in progress could not be parked in %s: %s\n",
            kSavedBasketName, error.c_str());
}

QAbstractButton *SaleScreen::saleButton(Command command) const
{
    auto found = buttons_.find(command);
    return found == buttons_.end() ? nullptr : found->second;
}

QAbstractButton *SaleScreen::keypadButton(const QString &caption) const
{
    auto found = keypad_.find(caption);
    return found == keypad_.end() ? nullptr : found->second;
}

namespace {

QString joinedLines(const std::vector<std::string> &lines)
{
    QStringList shown;
    for (const std::string &line : lines)
        shown << toQString(line);
    return shown.join(QLatin1Char('\n'));
}

} // namespace

QString SaleScreen::totalsCaptions() const
{
    return joinedLines(totalsPanel_->text().captions);
}

QString SaleScreen::totalsAmounts() const
{
    return joinedLines(totalsPanel_->text().amounts);
}

void SaleScreen::refreshButtons()
{
    for (auto &[command, button] : buttons_)
        button->setEnabled(window_.isBuilt(command));
}

void SaleScreen::itemBoxChanged()
{
    if (clearingBox_)
        return;
    QString text = itemBox_->toPlainText();
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0) {
        if (text.size() > static_cast<qsizetype>(kItemBoxWidth)) {
            // Typing stops at the width the till reads.
            QSignalBlocker blocker(itemBox_);
            itemBox_->setPlainText(text.left(static_cast<qsizetype>(kItemBoxWidth)));
            itemBox_->moveCursor(QTextCursor::End);
        }
        return;
    }
    // Enter: what stands before the first line break is the entry.
    text.truncate(lineBreak + 1);
    if (QWidget *tenderBox = window_.tenderAmountBox()) {
        // While a tender box is open the item box rings nothing up: the line
        // break is taken off and the focus goes back to the amount.
        QSignalBlocker blocker(itemBox_);
        itemBox_->setPlainText(text.left(lineBreak));
        itemBox_->moveCursor(QTextCursor::End);
        tenderBox->activateWindow();
        tenderBox->setFocus();
        return;
    }
    const ItemBoxOutcome outcome = entry_.itemBoxEntered(fromQString(text));
    if (outcome == ItemBoxOutcome::NotEntered)
        return;
    clearItemBox();
    if (outcome == ItemBoxOutcome::OpenFind)
        findAndAddItem();
}

void SaleScreen::findAndAddItem()
{
    const int64_t number
        = findForTill(state_.items, state_.config, messages_, itemSearchScreens(this, state_));
    if (number != 0)
        entry_.addItem(number, {});
}

void SaleScreen::keypadPressed(const QString &caption)
{
    QWidget *tenderBox = window_.tenderAmountBox();
    if (tenderBox) {
        auto *line = qobject_cast<QLineEdit *>(tenderBox);
        if (line)
            line->end(false);
        if (caption == QLatin1String("CA")) {
            if (line)
                line->selectAll();
            sendKey(tenderBox, Qt::Key_Delete);
        } else if (caption == QLatin1String("CE")) {
            sendKey(tenderBox, Qt::Key_Backspace);
        } else if (!line || line->text().size() < kTenderBoxWidth) {
            sendKey(tenderBox, Qt::Key_0 + caption.at(0).digitValue(), caption);
        }
        tenderBox->setFocus();
        return;
    }
    if (caption == QLatin1String("CA")) {
        clearItemBox();
    } else if (caption == QLatin1String("CE")) {
        QTextCursor cursor = itemBox_->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.deletePreviousChar();
        itemBox_->setTextCursor(cursor);
    } else {
        itemBox_->moveCursor(QTextCursor::End);
        itemBox_->insertPlainText(caption);
    }
    itemBox_->moveCursor(QTextCursor::End);
    itemBox_->setFocus();
}

void SaleScreen::lineAdded(std::string_view listText)
{
    basketList_->addItem(toQString(listText));
    basketList_->setCurrentRow(basketList_->count() - 1);
}

void SaleScreen::lineRemoved(int index)
{
    delete basketList_->takeItem(index);
    basketList_->setCurrentRow(basketList_->count() - 1);
}

void SaleScreen::listCleared()
{
    basketList_->clear();
}

void SaleScreen::totalsChanged()
{
    totalsPanel_->setText(totalsPanelText(basket_, state_.config));
}

void SaleScreen::clearItemBox()
{
    clearingBox_ = true;
    itemBox_->clear();
    clearingBox_ = false;
}

void SaleScreen::poleShowPassive()
{
    ovix::poleShowPassive(state_.config, state_.dir, messages_);
}

void SaleScreen::poleShowItem(std::string_view description, double priceWithTax)
{
    ovix::poleShowItem(state_.config, state_.dir, messages_, description, priceWithTax);
}

void SaleScreen::playSound(int resource)
{
    if (sounds_)
        sounds_->play(resource);
}

bool SaleScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == itemBox_ && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)
            && !isModifierKey(key->key())) {
            // Ctrl held while typing: the box is cleared and nothing else.
            clearItemBox();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // The line break always goes at the end of the entry.
            itemBox_->moveCursor(QTextCursor::End);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SaleScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void SaleScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refreshButtons();
}

void SaleScreen::layOut()
{
    // The large layout needs a window client area taller than 684 pixels.
    const bool large = window_.height() > kLargeLayoutHeight;
    const int w = width();
    const int h = height();
    if (large) {
        basketList_->setGeometry(622, 65, std::max(200, w - 640), std::max(120, h - 309));
        const int top = 65 + basketList_->height() + 7;
        const int left = 642 + kSaveButton + 12;
        totalsPanel_->setGeometry(
            left, top, std::max(220, w - 18 - left), std::max(190, h - 8 - top));
    } else {
        const int left = std::max(500, w - 280);
        const int panelHeight = 236;
        basketList_->setGeometry(left, 10, 262, std::max(100, h - panelHeight - 18));
        totalsPanel_->setGeometry(left, basketList_->geometry().bottom() + 8, 262, panelHeight);
    }
    for (Command command : { Command::SaveBasket, Command::ReloadBasket })
        buttons_[command]->setVisible(large);
    // The narrow list of the small layout takes a smaller type.
    QFont listFont = basketList_->font();
    listFont.setPixelSize(large ? 14 : 12);
    basketList_->setFont(listFont);
    const bool changed = !laidOut_ || large != large_;
    large_ = large;
    laidOut_ = true;
    if (changed)
        layoutChanged();
}

SaleScreen::~SaleScreen() = default;

namespace {

constexpr int kQuickLefts[2] = { 31, 233 };
constexpr int kQuickTop = 276;
constexpr int kQuickStep = 52;
constexpr int kCategoryLefts[2] = { 502, 562 };
constexpr int kCategoryTop = 34;
constexpr int kCategoryStep = 60;
constexpr int kCategoriesPerColumn = 9;

} // namespace

void SaleScreen::layoutChanged()
{
    const int slotCount
        = static_cast<int>(large_ ? kLargeQuickSelectSlots : kSmallQuickSelectSlots);
    const int rows = slotCount / 2;
    for (int i = 0; i < static_cast<int>(kLargeQuickSelectSlots); ++i) {
        QuickSelectButton *button = quick_->quickButton(i);
        // Filled down the first column, then the second.
        button->setGeometry(kQuickLefts[i / rows % 2], kQuickTop + (i % rows) * kQuickStep,
            QuickSelectButton::kWidth, QuickSelectButton::kHeight);
        button->setVisible(i < slotCount);
    }
    for (int c = 0; c < QuickSelectPanel::kCategoryButtons; ++c) {
        CategoryButton *button = quick_->categoryButton(c);
        if (c == kAllCategories)
            button->setGeometry(531, 574, CategoryButton::kSide, CategoryButton::kSide);
        else
            button->setGeometry(kCategoryLefts[c / kCategoriesPerColumn],
                kCategoryTop + (c % kCategoriesPerColumn) * kCategoryStep, CategoryButton::kSide,
                CategoryButton::kSide);
        button->setVisible(large_);
    }
    quick_->setLarge(large_);
}

} // namespace ovix
