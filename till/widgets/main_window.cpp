#include "till/widgets/main_window.h"

#include "sales/logic/till_state.h"
#include "store/till_config.h"
#include "till/logic/clerks.h"
#include "till/logic/menu_toggles.h"
#include "till/logic/till_keys.h"
#include "till/widgets/log_on_dialog.h"
#include "till/widgets/menu_for_clerk.h"
#include "till/widgets/toolbar_icons.h"
#include "till/widgets/toolbar_style.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QToolBar>
#include <QToolButton>

namespace ovix {

namespace {

// Where the item box sits below the toolbar, and its size.
constexpr int kItemBoxLeft = 20;
constexpr int kItemBoxTop = 68;
constexpr int kItemBoxWidth = 172;
constexpr int kItemBoxHeight = 32;

QString actionText(const MenuEntry &entry)
{
    QString text = QString::fromLatin1(entry.caption);
    if (entry.shortcut)
        text += QLatin1Char('\t') + QString::fromLatin1(entry.shortcut);
    return text;
}

} // namespace

const std::vector<ToolbarButton> &toolbarButtons()
{
    static const std::vector<ToolbarButton> buttons = {
        { "Amend inventory (F3)", Command::InventoryAmend },
        { "Display transaction (F11)", Command::DisplayTransaction },
        { "Print reorder list", Command::ReorderList },
        { "Add image to inventory", Command::InventoryAddCustomImage },
        { nullptr, Command::LogOff },
        { "Add new inventory (F4)", Command::InventoryNewLine },
        { "Add customer", Command::CustomerAdd },
        { "Email report", Command::EmailReport },
        { "Sales report", Command::SalesReport },
        { nullptr, Command::LogOff },
        { "Find inventory (F2)", Command::InventoryFind },
        { "Delete inventory", Command::InventoryDelete },
        { "Find customer", Command::CustomerFind },
        { "Delete customer", Command::CustomerDelete },
        { nullptr, Command::LogOff },
        { "Add reminder", Command::ReminderAdd },
        { "Delete reminder", Command::ReminderDelete },
        { "Print reminders", Command::ReminderPrint },
        { "Display reminders", Command::ReminderList },
        { nullptr, Command::LogOff },
        { "Print overdue letter", Command::DebtorLetterOne },
        { "Payments", Command::CustomerStatement },
        { "Log off (Shortcut F9)", Command::LogOff },
        { "Backup", Command::Backup },
    };
    return buttons;
}

MainWindow::MainWindow(TillState &state, Messages &messages, QWidget *parent)
    : QMainWindow(parent)
    , state_(state)
    , messages_(messages)
{
    setWindowTitle(QString::fromUtf8(kLoggedOffCaption));
    buildMenus();
    buildToolBar();
    buildCentralArea();
    // Log off is the window's own; everything else is connected by the
    // subsystems (till/widgets/menu_wiring.h).
    registerCommand(Command::LogOff, [this] { logOff(); });
    // A desktop log-out asks the program to keep its work before it is ended.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager &) { sessionEnding(); });
}

MainWindow::~MainWindow()
{
    // Mails and uploads still running are stopped while the window they
    // report to still exists.
    endBackgroundJobs();
}

void MainWindow::buildMenus()
{
    std::map<std::pair<Popup, std::string>, QMenu *> submenus;
    for (const MenuEntry &entry : menuTable()) {
        QMenu *&popup = popups_[entry.popup];
        if (!popup) {
            popup = menuBar()->addMenu(QString::fromLatin1(popupCaption(entry.popup)));
            connect(popup, &QMenu::aboutToShow, this, [this] { refreshMenus(); });
        }
        QMenu *container = popup;
        if (entry.submenu) {
            QMenu *&submenu = submenus[{ entry.popup, entry.submenu }];
            if (!submenu) {
                if (entry.separatorBefore)
                    popup->addSeparator();
                submenu = popup->addMenu(QString::fromLatin1(entry.submenu));
            } else if (entry.separatorBefore) {
                submenu->addSeparator();
            }
            container = submenu;
        } else if (entry.separatorBefore) {
            popup->addSeparator();
        }
        QAction *action = container->addAction(actionText(entry));
        action->setCheckable(entry.checkable);
        const Command command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        actions_[command] = action;
    }
}

void MainWindow::buildToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(kToolbarIconSide, kToolbarIconSide));
    for (const ToolbarButton &button : toolbarButtons()) {
        if (!button.toolTip) {
            toolBar_->addSeparator();
            continue;
        }
        const Command command = button.command;
        QAction *action
            = toolBar_->addAction(toolbarIcon(command), QString::fromLatin1(button.toolTip));
        action->setToolTip(QString::fromLatin1(button.toolTip));
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        toolActions_.emplace_back(command, action);
        watchToolTips(toolBar_->widgetForAction(action));
    }
    packToolButtons(toolBar_);
}

void MainWindow::buildCentralArea()
{
    // The till screen's buttons, keypad and totals come with the sale work;
    // until then the area holds the item box alone.
    auto *area = new QWidget(this);
    itemBox_ = new QPlainTextEdit(area);
    itemBox_->setGeometry(kItemBoxLeft, kItemBoxTop, kItemBoxWidth, kItemBoxHeight);
    itemBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    itemBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    itemBox_->setTabChangesFocus(true);
    itemBox_->installEventFilter(this);
    setCentralWidget(area);
}

void MainWindow::registerCommand(Command command, std::function<void()> work)
{
    work_[command] = std::move(work);
    built_.insert(command);
    refreshMenus();
}

void MainWindow::runCommand(Command command)
{
    if (tenderAmountBox_) {
        tenderAmountBox_->setFocus();
        return;
    }
    const MenuEntry *entry = menuEntry(command);
    if (state_.restricted()) {
        if (entry && !menuCommandAllowed(*entry, state_.config, true))
            return;
        int flag = controlFlagOfButton(command);
        if (flag >= 0 && userControlSet(state_.config, static_cast<UserControlItem>(flag)))
            return;
    }
    auto found = work_.find(command);
    if (found == work_.end())
        return;
    if (entry && entry->leavesSale) {
        if (!saleMayGo())
            return;
        if (emptyBasket_)
            emptyBasket_();
    }
    // A copy: the work may register commands anew while it runs.
    std::function<void()> work = found->second;
    work();
    refreshMenus();
    focusEntryBox();
}

void MainWindow::runAction(const std::function<void()> &work)
{
    if (tenderAmountBox_) {
        tenderAmountBox_->setFocus();
        return;
    }
    work();
    focusEntryBox();
}

void MainWindow::setEmptyBasket(std::function<void()> emptyBasket)
{
    emptyBasket_ = std::move(emptyBasket);
}

void MainWindow::setMayAbandonSale(std::function<bool()> mayAbandonSale)
{
    mayAbandonSale_ = std::move(mayAbandonSale);
}

void MainWindow::setParkSale(std::function<void()> parkSale)
{
    parkSale_ = std::move(parkSale);
}

bool MainWindow::saleMayGo()
{
    return !mayAbandonSale_ || mayAbandonSale_();
}

void MainWindow::setTenderAmountBox(QWidget *amountBox)
{
    tenderAmountBox_ = amountBox;
}

void MainWindow::setSaleArea(QWidget *area, QPlainTextEdit *itemBox)
{
    itemBox_ = itemBox;
    itemBox_->installEventFilter(this);
    setCentralWidget(area);
}

void MainWindow::setOnClosed(std::function<void()> onClosed)
{
    onClosed_ = std::move(onClosed);
}

void MainWindow::closeParkingTheSale()
{
    parkOnClose_ = true;
    close();
}

void MainWindow::sessionEnding()
{
    parkOnClose_ = true;
    if (parkSale_)
        parkSale_();
}

void MainWindow::logOff()
{
    if (!saleMayGo())
        return;
    if (emptyBasket_)
        emptyBasket_();
    runLogOnUntilSuccess(this, state_, messages_, [this] {
        if (emptyBasket_)
            emptyBasket_();
        refreshMenus();
    });
    focusEntryBox();
}

void MainWindow::refreshMenus()
{
    updateMenuForClerk(actions_, popups_, state_, built_);
    for (const MenuEntry &entry : menuTable())
        if (entry.checkable)
            actions_[entry.command]->setChecked(commandChecked(entry.command, state_.config));
    for (auto &[command, action] : toolActions_)
        action->setEnabled(isBuilt(command));
}

bool MainWindow::tipsShown() const
{
    return state_.config.get(cfg::tooltipsOff) == 0;
}

void MainWindow::watchToolTips(QWidget *widget)
{
    if (widget)
        widget->installEventFilter(this);
}

void MainWindow::focusItemBox()
{
    if (itemBox_ && isVisible())
        itemBox_->setFocus();
}

void MainWindow::focusEntryBox()
{
    if (tenderAmountBox_)
        tenderAmountBox_->setFocus();
    else if (isVisible())
        itemBox_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (parkOnClose_) {
        if (parkSale_)
            parkSale_();
    } else if (tenderAmountBox_) {
        // Like every command while the customer is paying.
        event->ignore();
        tenderAmountBox_->setFocus();
        return;
    } else if (!saleMayGo()) {
        event->ignore();
        focusEntryBox();
        return;
    } else if (emptyBasket_) {
        emptyBasket_();
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && onClosed_)
        onClosed_();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        focusEntryBox();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !tipsShown())
        return true;
    if (watched == itemBox_ && event->type() == QEvent::KeyPress)
        return handleItemBoxKey(static_cast<QKeyEvent *>(event));
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleItemBoxKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    std::optional<Command> command = commandForKey(event->key(), control);
    if (!command)
        return false;
    runCommand(*command);
    // F5 goes on to the box as well.
    return event->key() != Qt::Key_F5;
}

} // namespace ovix
