#include "sync/widgets/sync_window.h"

#include "sync/widgets/configuration_dialog.h"
#include "sync/widgets/field_selection_dialog.h"
#include "sync/widgets/log_pane.h"
#include "platform/widgets/picture_button.h"
#include "sync/widgets/sync_pictures.h"
#include "sync/widgets/tag_names_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>

namespace ovix {

namespace {

constexpr int kButtonLeft = 15;
constexpr int kButtonTop = 32;
constexpr int kButtonStep = 100;
constexpr int kButtonSize = 80;
constexpr int kPaneLeft = 110;

} // namespace

SyncWindow::SyncWindow(SyncSession &session, QWidget *parent)
    : QMainWindow(parent)
    , session_(session)
    , openUrl_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , helpFile_(helpFilePath())
{
    setWindowTitle(QStringLiteral("ovixsync"));
    setWindowIcon(syncWindowIcon());
    auto *area = new QWidget(this);
    setCentralWidget(area);
    logPane_ = new LogPane(area);
    buildButtons(area);
    buildMenu();
    resize(800, 600);

    connect(&timer_, &QTimer::timeout, this, [this] { publishNow(); });
    session_.log().setListener([this] {
        if (!refreshQueued_.exchange(true)) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    refreshQueued_ = false;
                    refreshLog();
                },
                Qt::QueuedConnection);
        }
    });
}

SyncWindow::~SyncWindow()
{
    timer_.stop();
    session_.finish();
    session_.log().setListener({});
}

void SyncWindow::buildButtons(QWidget *area)
{
    struct Face {
        ButtonPicture picture;
        const char *tip;
        void (SyncWindow::*command)();
    };
    const Face faces[4] = {
        { ButtonPicture::Upload, "Manual upload", &SyncWindow::publishNow },
        { ButtonPicture::FieldSelection, "XML field selection", &SyncWindow::showFieldSelection },
        { ButtonPicture::TagNames, "XML tag names", &SyncWindow::showTagNames },
        { ButtonPicture::Configuration, "Configuration", &SyncWindow::showConfiguration },
    };
    for (int i = 0; i < 4; ++i) {
        auto *button = new PictureButton(
            buttonPicture(faces[i].picture, false), buttonPicture(faces[i].picture, true), area);
        button->setToolTip(QString::fromLatin1(faces[i].tip));
        button->setGeometry(kButtonLeft, kButtonTop + i * kButtonStep, kButtonSize, kButtonSize);
        connect(button, &PictureButton::clicked, this, faces[i].command);
        buttons_[i] = button;
    }
}

void SyncWindow::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    QMenu *upload = menuBar()->addMenu(QStringLiteral("&Upload"));
    upload->addAction(QStringLiteral("Manual upload"), this, &SyncWindow::publishNow);
    QMenu *configuration = menuBar()->addMenu(QStringLiteral("&Configuration"));
    configuration->addAction(QStringLiteral("Configuration"), this, &SyncWindow::showConfiguration);
    configuration->addAction(
        QStringLiteral("XML field selection"), this, &SyncWindow::showFieldSelection);
    configuration->addAction(QStringLiteral("XML tag names"), this, &SyncWindow::showTagNames);
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("Help"), this, &SyncWindow::showHelp);
    help->addAction(QStringLiteral("&About ..."), this, &SyncWindow::showAbout);
    for (const QKeySequence &keys : { QKeySequence(Qt::ALT | Qt::Key_Question),
             QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Question),
             QKeySequence(Qt::ALT | Qt::Key_Slash) }) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &SyncWindow::showAbout);
    }
}

void SyncWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const QWidget *area = centralWidget();
    logPane_->setGeometry(kPaneLeft, 0, std::max(0, area->width() - kPaneLeft), area->height());
}

void SyncWindow::startSession()
{
    session_.start();
    refreshLog();
    restartTimer();
    if (session_.takeFirstHelp())
        showHelp();
}

void SyncWindow::restartTimer()
{
    timer_.stop();
    const int period = session_.timerPeriod();
    if (period > 0)
        timer_.start(period);
}

void SyncWindow::refreshLog()
{
    logPane_->setLines(session_.log().lines());
}

void SyncWindow::publishNow()
{
    session_.publish();
    refreshLog();
}

void SyncWindow::showConfiguration()
{
    ConfigurationDialog dialog(session_.config(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    session_.applyConfiguration(dialog.choice());
    restartTimer();
    refreshLog();
}

void SyncWindow::showFieldSelection()
{
    FieldSelectionDialog dialog(session_.config(), this);
    dialog.exec();
}

void SyncWindow::showTagNames()
{
    TagNamesDialog dialog(session_.config(), this);
    dialog.exec();
}

QString SyncWindow::helpFilePath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/help/ovixsync.html");
    const QString installed = folder + QStringLiteral("/../share/ovix/help/ovixsync.html");
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed)
        ? beside
        : QFileInfo(installed).canonicalFilePath();
}

void SyncWindow::showHelp()
{
    const QString &path = helpFile_;
    if (!QFileInfo::exists(path)) {
        session_.log().add({ QStringLiteral("Help file not found: ") + path, blankLogLine() });
    } else if (!openUrl_(QUrl::fromLocalFile(path))) {
        session_.log().add(
            { QStringLiteral("No program to show the help file ") + path, blankLogLine() });
    }
    refreshLog();
}

void SyncWindow::showAbout()
{
    QMessageBox::about(this, QStringLiteral("About ovixsync"),
        QStringLiteral("ovixsync %1\n\nPublishes the stock list of OVIX Retail to "
                       "the shop's website as XML or CSV, by FTP.")
            .arg(QStringLiteral("0.1")));
}

void SyncWindow::stop()
{
    bool dialogOpen = false;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (dialog && dialog->isVisible()) {
            dialogOpen = true;
            dialog->reject();
        }
    }
    // A cancelled dialog returns from its own event loop only after this
    // call; the window closes at the next try.
    if (dialogOpen)
        QTimer::singleShot(50, this, &SyncWindow::stop);
    else
        close();
}

void SyncWindow::closeEvent(QCloseEvent *event)
{
    timer_.stop();
    session_.finish();
    refreshLog();
    event->accept();
}

} // namespace ovix
