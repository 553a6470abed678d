#pragma once
// The publisher's main window "ovixsync": the menu, four square picture
// buttons down the left (upload, field selection, tag names, configuration)
// and the log pane to their right. It runs the publishing cycle on demand
// and on the interval's timer. It shows the log as the session's PublishLog
// holds it; lines added by upload threads reach it through the event loop.

#include "sync/logic/sync_session.h"

#include <QMainWindow>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <functional>

namespace ovix {

class LogPane;
class PictureButton;

class SyncWindow : public QMainWindow {
public:
    // `session` (not owned) must outlive the window.
    explicit SyncWindow(SyncSession &session, QWidget *parent = nullptr);
    // Stops and joins the upload threads before the window goes.
    ~SyncWindow() override;

    // What the window does when it is created: the session's start (vx.cfg,
    // opening log lines), the timer for the interval, and the help page when
    // it has never been shown.
    void startSession();

    // Commands of the menu and the buttons.
    void publishNow();
    void showConfiguration();
    void showFieldSelection();
    void showTagNames();
    void showHelp();
    void showAbout();

    // The timer's period in milliseconds, or 0 when it is not running.
    int timerPeriod() const
    {
        return timer_.isActive() ? timer_.interval() : 0;
    }
    LogPane *logPane() const
    {
        return logPane_;
    }
    PictureButton *button(int index) const
    {
        return buttons_[index];
    }
    // Replaces how a help page is opened (tests record it instead). The
    // opener returns false when nothing could show the page.
    void setUrlOpener(std::function<bool(const QUrl &)> opener)
    {
        openUrl_ = std::move(opener);
    }
    // The help page: help/ovixsync.html beside the program, unless another was set.
    static QString helpFilePath();
    void setHelpFile(QString path)
    {
        helpFile_ = std::move(path);
    }

    // Shows the log's lines now.
    void refreshLog();

    // Ends the run as File "Exit" does, for a stop signal: open dialogs are
    // cancelled first (their changes dropped), then the window closes once
    // none is left, so the program goes on to store vx.cfg.
    void stop();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    void buildButtons(QWidget *area);
    void restartTimer();

    SyncSession &session_;
    LogPane *logPane_;
    PictureButton *buttons_[4] {};
    QTimer timer_;
    std::function<bool(const QUrl &)> openUrl_;
    QString helpFile_;
    std::atomic<bool> refreshQueued_ { false };
};

} // namespace ovix
