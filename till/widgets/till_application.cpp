#include "till/widgets/till_application.h"

#include "platform/data_lock.h"
#include "platform/error_text.h"
#include "platform/messages.h"
#include "platform/stop_signals.h"
#include "platform/widgets/qt_messages.h"
#include "platform/widgets/qt_sounds.h"
#include "sales/logic/basket.h"
#include "sales/logic/saved_basket.h"
#include "till/logic/startup.h"
#include "sales/logic/till_state.h"
#include "till/logic/tips.h"
#include "till/widgets/log_on_dialog.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/sale_screen.h"
#include "till/widgets/splash_window.h"
#include "print/widgets/till_sale_devices.h"
#include "till/widgets/tips_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace ovix {

namespace {

constexpr int kNarrowestDesktop = 800;
constexpr int kWideDesktop = 1028; // from this width on, the large window
constexpr int kTallDesktop = 800;
constexpr int kLargeWidth = 1024;
constexpr int kLargeHeight = 746;
constexpr int kSmallWidth = 800;
constexpr int kSmallHeight = 600;

// Sizes and places the main window for the desktop: 1024 x 746 without a
// sizing border on a wide desktop (at the top, centred across, when the
// desktop is low), else 800 x 600 at the top left, resizable and with a
// maximise box.
void fitToDesktop(MainWindow &window, const QRect &desktop)
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (desktop.width() >= kWideDesktop) {
        window.setWindowFlags(flags);
        window.setFixedSize(kLargeWidth, kLargeHeight);
        const int left = desktop.left() + (desktop.width() - kLargeWidth) / 2;
        int top = desktop.top();
        if (desktop.height() >= kTallDesktop)
            top += (desktop.height() - kLargeHeight) / 2;
        window.move(left, top);
    } else {
        window.setWindowFlags(flags | Qt::WindowMaximizeButtonHint);
        window.setMinimumSize(kSmallWidth, kSmallHeight);
        window.resize(kSmallWidth, kSmallHeight);
        window.move(desktop.topLeft());
    }
}

// Closes what stands open so that the run can end: the log-on dialog (which
// would otherwise come straight back) is destroyed, other dialogs and message
// boxes are cancelled. True when nothing modal was open.
bool closeOpenDialogs()
{
    bool nothingOpen = true;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (!dialog || !dialog->isVisible())
            continue;
        nothingOpen = false;
        if (dynamic_cast<LogOnDialog *>(dialog))
            dialog->deleteLater();
        else
            dialog->reject();
    }
    return nothingOpen;
}

} // namespace

TillApplication::TillApplication(std::string dataFolder)
    : dataFolder_(std::move(dataFolder))
{
}

int TillApplication::run()
{
    // A stop signal ends the run the normal way at any point: during the
    // start by cancelling its questions, later by closing the main window,
    // which parks a sale in progress instead of asking about it.
    bool stopping = false;
    QPointer<MainWindow> window;
    QPointer<SplashWindow> splash;
    StopSignals stopSignals;
    std::function<void()> finishStopping;
    QObject stopContext; // ends the retries of finishStopping with the run
    finishStopping = [&] {
        if (!closeOpenDialogs()) {
            QTimer::singleShot(50, &stopContext, [&] { finishStopping(); });
            return;
        }
        if (splash && splash->isVisible())
            splash->close();
        else if (window && window->isVisible())
            window->closeParkingTheSale();
        else
            QApplication::quit();
    };
    stopSignals.watch([&] {
        stopping = true;
        finishStopping();
    });

    DataFolderLock lock;
    QtMessages messages;
    if (!lock.tryLock(dataFolder_)) {
        if (lock.heldElsewhere()) {
            // No window: the till already running on the folder is the one
            // the shop is looking at. One line says why this start ended.
            (void)std::fprintf(stderr,
                "ovixtill: the data folder %s is in use by another till (or by ovixinit); "
                "only one till runs on a folder at a time.\n",
                dataFolder_.c_str());
            return 0;
        }
        reportProblem(messages,
            "Unable to open the data folder " + dataFolder_ + ": " + errorText(lock.error()));
        return 1;
    }

    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->geometry().width() < kNarrowestDesktop) {
        reportProblem(messages, "Program requires desktop of at least 800 by 600");
        return 1;
    }
    const QRect desktop = screen->geometry();
    QApplication::setQuitOnLastWindowClosed(false);

    TillState state(dataFolder_);
    if (!openData(state, messages) || !completeStart(state, messages))
        return 1;

    // The sale being rung up and the saved basket live for the whole run; the
    // saved basket comes back from basket.sav.
    auto basket = std::make_unique<Basket>();
    auto savedBasket = std::make_unique<Basket>();
    loadSavedBasket(state, *savedBasket, messages);
    QtSounds sounds;
    MainWindow mainWindow(state, messages);
    window = &mainWindow;
    auto *saleScreen = new SaleScreen(mainWindow, state, *basket, *savedBasket, messages);
    saleScreen->setSounds(&sounds);
    TillSaleDevices devices(&mainWindow, state, messages);
    connectTillCommands(mainWindow, *saleScreen, state, *basket, messages, devices);
    messages.setParent(&mainWindow);
    fitToDesktop(mainWindow, desktop);
    mainWindow.setOnClosed([] { QApplication::quit(); });

    // When the splash closes: the main window, the first log-on, the tips.
    SplashWindow splashWindow([&] {
        QTimer::singleShot(0, &mainWindow, [&] {
            if (stopping) {
                QApplication::quit();
                return;
            }
            mainWindow.show();
            mainWindow.activateWindow();
            mainWindow.logOff();
            if (!stopping && mainWindow.isVisible() && tipsShownAtStart(state.config))
                showTipsDialog(&mainWindow, state.config);
        });
    });
    splash = &splashWindow;
    if (!stopping) {
        splashWindow.start();
        QApplication::exec();
    }
    splash = nullptr;
    window = nullptr;
    messages.setParent(nullptr);
    shutdownTill(state, messages);
    return 0;
}

} // namespace ovix
