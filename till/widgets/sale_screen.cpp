#include "till/widgets/sale_screen.h"

#include "print/logic/pole_display.h"
#include "print/logic/till_drawer.h"

#include "platform/cp1252.h"
#include "platform/messages.h"
#include "till/logic/basket.h"
#include "till/logic/till_state.h"
#include "till/logic/totals_panel.h"
#include "till/widgets/customer_pick_dialog.h"
#include "till/widgets/main_window.h"
#include "till/widgets/non_inventory_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

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

constexpr const char *kNotePrompt
    = "The note must be added before the payment method is selected. 80 character limit. It "
      "can feature on the custom receipt and invoice (Utilities, Custom receipt) .";

struct SaleButton {
    Command command;
    const char *caption;
    const char *toolTip;
    int left;
    int top;
    int width;
    int height;
};

// The sale buttons, their places in the large layout and their tooltips.
const SaleButton kSaleButtons[] = {
    { Command::AddItem, "Add", "Add item to basket   ENTER to find", 200, 36, kBigButton,
        kBigButton },
    { Command::PayCash, "Cash", "Pay by cash", 260, 36, kBigButton, kBigButton },
    { Command::PayByCustomer, "Account", "Pay by credit to customer", 20, 116, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::PriceByWeight, "Weight", "Adjust price of last item by weight", 96, 116,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::NonInventorySale, "Not on file", "Sell an item not on the database", 172, 116,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::PayCard, "Card", "Pay by credit debit card", 247, 116, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::VoidLine, "Void", "Remove highlighted item", 20, 166, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::EmptyBasket, "Empty", "Empty basket", 96, 166, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::OpenDrawer, "Drawer", "Open cash till drawer", 172, 166, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::ToggleTrade, "Trade", "Toggle between trade and retail prices", 247, 166,
        kSaleButtonWidth, kSaleButtonHeight },
    { Command::RepeatLast, "Repeat", "Repeat last also multiple of last with quantity in item box",
        20, 216, kSaleButtonWidth, kSaleButtonHeight },
    { Command::AddNote, "Note", "Add a note to the transaction", 96, 216, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::RefundBasket, "Refund", "Refund basket", 172, 216, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::AdjustPrice, "Price", "Adjust price of last item", 247, 216, kSaleButtonWidth,
        kSaleButtonHeight },
    { Command::SaveBasket, "Save", "Save basket", 642, 452, kSaveButton, kSaveButton },
    { Command::ReloadBasket, "Retrieve", "Retrieve saved basket", 642, 546, kSaveButton,
        kSaveButton },
};

// The keypad, row by row.
const char *const kKeypadCaptions[4][3]
    = { { "1", "2", "3" }, { "4", "5", "6" }, { "7", "8", "9" }, { "CA", "0", "CE" } };
constexpr int kKeypadLefts[3] = { 325, 380, 435 };
constexpr int kKeypadTops[4] = { 35, 90, 145, 200 };

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
    // Installed before the window's filter, so the window sees the till's
    // keys first and this screen only what they leave.
    itemBox_->installEventFilter(this);
    connect(itemBox_, &QPlainTextEdit::textChanged, this, [this] { itemBoxChanged(); });

    basketList_ = new QListWidget(this);
    basketList_->setObjectName(QStringLiteral("basketList"));
    basketList_->setSelectionMode(QAbstractItemView::SingleSelection);
    basketList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    basketList_->setFocusPolicy(Qt::ClickFocus);

    totalsCaptions_ = new QLabel(this);
    totalsCaptions_->setObjectName(QStringLiteral("totalsCaptions"));
    totalsCaptions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    totalsAmounts_ = new QLabel(this);
    totalsAmounts_->setObjectName(QStringLiteral("totalsAmounts"));
    totalsAmounts_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    buildButtons();
    buildKeypad();
    registerCommands();
    window_.setSaleArea(this, itemBox_);
    totalsChanged();
    refreshButtons();
    layOut();
}

void SaleScreen::buildButtons()
{
    for (const SaleButton &item : kSaleButtons) {
        auto *button = new QPushButton(QString::fromLatin1(item.caption), this);
        button->setToolTip(QString::fromLatin1(item.toolTip));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(item.left, item.top, item.width, item.height);
        const Command command = item.command;
        connect(
            button, &QPushButton::clicked, this, [this, command] { window_.runCommand(command); });
        window_.watchToolTips(button);
        buttons_[command] = button;
    }
}

void SaleScreen::buildKeypad()
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QString caption = QString::fromLatin1(kKeypadCaptions[row][column]);
            auto *button = new QPushButton(caption, this);
            button->setObjectName(QStringLiteral("keypad") + caption);
            button->setFocusPolicy(Qt::NoFocus);
            button->setGeometry(
                kKeypadLefts[column], kKeypadTops[row], kKeypadButton, kKeypadButton);
            connect(
                button, &QPushButton::clicked, this, [this, caption] { keypadPressed(caption); });
            keypad_[caption] = button;
        }
    }
}

void SaleScreen::registerCommands()
{
    window_.registerCommand(Command::AddItem, [this] { addItemPressed(); });
    window_.registerCommand(Command::NonInventorySale, [this] { addNonInventoryLine(); });
    window_.registerCommand(
        Command::VoidLine, [this] { entry_.voidLine(basketList_->currentRow()); });
    window_.registerCommand(Command::EmptyBasket, [this] { entry_.emptyBasket(); });
    window_.registerCommand(Command::ToggleTrade, [this] { entry_.toggleTradePrices(); });
    window_.registerCommand(
        Command::RepeatLast, [this] { entry_.repeatLast(fromQString(itemBox_->toPlainText())); });
    window_.registerCommand(Command::AddNote, [this] { addNote(); });
    window_.registerCommand(Command::AssociateCustomer, [this] { associateCustomer(); });
    window_.registerCommand(Command::SaveBasket, [this] { entry_.saveBasket(); });
    window_.registerCommand(Command::ReloadBasket, [this] { entry_.reloadBasket(); });
    // The open-drawer command opens it whatever the drawer's "Use" setting says.
    window_.registerCommand(
        Command::OpenDrawer, [this] { openTillDrawer(state_.config, state_.dir, messages_); });
    window_.setEmptyBasket([this] { abandonSale(); });
}

void SaleScreen::abandonSale()
{
    entry_.emptyBasket();
    // A customer or note given before any line was rung up goes with the sale.
    if (basket_.lineCount == 0 && (basket_.customerNumber != 0 || basket_.transactionNote[0]))
        clearBasket(basket_);
    totalsChanged();
}

QPushButton *SaleScreen::saleButton(Command command) const
{
    auto found = buttons_.find(command);
    return found == buttons_.end() ? nullptr : found->second;
}

QPushButton *SaleScreen::keypadButton(const QString &caption) const
{
    auto found = keypad_.find(caption);
    return found == keypad_.end() ? nullptr : found->second;
}

QString SaleScreen::totalsCaptions() const
{
    return totalsCaptions_->text();
}

QString SaleScreen::totalsAmounts() const
{
    return totalsAmounts_->text();
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
    // The find dialogs come with item maintenance; an Enter in an empty box
    // just leaves it empty.
    clearItemBox();
}

void SaleScreen::addItemPressed()
{
    // The box text as if Enter had been typed after it: an empty box asks for
    // the find dialog, anything else is rung up.
    QString text = itemBox_->toPlainText();
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    if (lineBreak >= 0)
        text.truncate(lineBreak);
    entry_.itemBoxEntered(fromQString(text) + "\n");
    clearItemBox();
    itemBox_->setFocus();
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

void SaleScreen::addNonInventoryLine()
{
    const std::optional<NonInventorySale> sale = askNonInventorySale(this, entry_, state_.config);
    if (sale)
        entry_.addNonInventoryLine(sale->description, sale->price, sale->taxOne, sale->taxTwo);
}

void SaleScreen::addNote()
{
    const std::optional<std::string> note = messages_.askText(kNotePrompt, "Add transaction note",
        toUtf8(readFixedText(basket_.transactionNote, sizeof basket_.transactionNote)));
    if (note)
        entry_.setTransactionNote(fromUtf8(*note));
}

void SaleScreen::associateCustomer()
{
    const int64_t number = lookUpCustomer(this, state_, messages_, "Customer");
    if (number > 0)
        entry_.associateCustomer(number);
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
    const TotalsPanelText text = totalsPanelText(basket_, state_.config);
    QStringList captions;
    for (const std::string &caption : text.captions)
        captions << toQString(caption);
    QStringList amounts;
    for (const std::string &amount : text.amounts)
        amounts << toQString(amount);
    totalsCaptions_->setText(captions.join(QLatin1Char('\n')));
    totalsAmounts_->setText(amounts.join(QLatin1Char('\n')));
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

void SaleScreen::playSound(int)
{
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
    const bool large = window_.height() > kLargeLayoutHeight;
    const int w = width();
    const int h = height();
    if (large) {
        basketList_->setGeometry(622, 65, std::max(100, w - 640), std::max(100, h - 270));
        totalsCaptions_->setGeometry(495, 35, 120, 110);
        totalsAmounts_->setGeometry(495, 150, 120, 160);
    } else {
        const int left = std::max(500, w - 280);
        basketList_->setGeometry(left, 20, 262, std::max(100, h - 290));
        totalsCaptions_->setGeometry(left, std::max(130, h - 260), 125, 250);
        totalsAmounts_->setGeometry(left + 130, std::max(130, h - 260), 125, 250);
    }
    for (Command command : { Command::SaveBasket, Command::ReloadBasket })
        buttons_[command]->setVisible(large);
}

} // namespace ovix
