#include "platform/clock.h"
#include "support/test_support.h"
#include "sync/logic/sync_session.h"
#include "sync/widgets/configuration_dialog.h"
#include "sync/widgets/log_pane.h"
#include "platform/widgets/picture_button.h"
#include "sync/widgets/sync_window.h"
#include "widgets/modal_dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <thread>

using namespace ovix;
using ovix::test::TempDir;

namespace {

struct SyncProgram {
    TempDir folder;
    SyncSession session { DataDir(folder.path()) };
    SyncWindow window { session };
    std::vector<QUrl> opened;

    SyncProgram()
    {
        QLocale::setDefault(QLocale::c());
        test::writeBytes(folder.file("help.html"), "<p>help</p>");
        window.setHelpFile(QString::fromStdString(folder.file("help.html")));
        window.setUrlOpener([this](const QUrl &url) {
            opened.push_back(url);
            return true;
        });
    }

    QStringList menuTexts(int index)
    {
        QStringList texts;
        for (QAction *action : window.menuBar()->actions().at(index)->menu()->actions())
            texts.append(action->text());
        return texts;
    }
};

// Waits (bounded) until the pane shows a line equal to `line`.
bool paneShows(LogPane *pane, const QString &line)
{
    for (int i = 0; i < 200; ++i) {
        if (pane->shownLines().contains(line))
            return true;
        QTest::qWait(10);
    }
    return false;
}

} // namespace

TEST(SyncWindow, TitleSizeButtonsPaneAndMenus)
{
    SyncProgram publisher;
    SyncWindow &window = publisher.window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "ovixsync");
    EXPECT_EQ(window.size(), QSize(800, 600));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window.button(i)->geometry(), QRect(15, 32 + 100 * i, 80, 80)) << i;
    const QWidget *area = window.centralWidget();
    EXPECT_EQ(window.logPane()->geometry(), QRect(110, 0, area->width() - 110, area->height()));

    QStringList menus;
    for (QAction *action : window.menuBar()->actions())
        menus.append(action->text());
    EXPECT_EQ(menus, QStringList({ "&File", "&Upload", "&Configuration", "&Help" }));
    EXPECT_EQ(publisher.menuTexts(0), QStringList({ "E&xit" }));
    EXPECT_EQ(publisher.menuTexts(1), QStringList({ "Manual upload" }));
    EXPECT_EQ(publisher.menuTexts(2),
        QStringList({ "Configuration", "XML field selection", "XML tag names" }));
    EXPECT_EQ(publisher.menuTexts(3), QStringList({ "Help", "&About ..." }));
}

TEST(SyncWindow, FirstStartShowsTheOpeningLinesAndTheHelpOnce)
{
    {
        SyncProgram first;
        first.window.startSession();
        const QStringList shown = first.window.logPane()->shownLines();
        ASSERT_GE(shown.size(), 9);
        EXPECT_EQ(shown[3], "Session start:");
        EXPECT_EQ(shown.mid(6), QStringList({ "Upload frequency:", "Manual", "  " }));
        ASSERT_EQ(first.opened.size(), 1u);
        EXPECT_EQ(first.opened[0],
            QUrl::fromLocalFile(QString::fromStdString(first.folder.file("help.html"))));
        EXPECT_EQ(first.window.timerPeriod(), 0);
        ASSERT_TRUE(first.session.storeConfig());

        // Started again with the settings kept: no help this time.
        SyncSession again { DataDir(first.folder.path()) };
        SyncWindow window(again);
        int opened = 0;
        window.setUrlOpener([&](const QUrl &) { return ++opened > 0; });
        window.startSession();
        EXPECT_EQ(opened, 0);
    }
}

TEST(SyncWindow, ConfigurationRestartsTheTimerByInterval)
{
    SyncProgram publisher;
    publisher.window.startSession();
    auto choose = [&](int interval) {
        test::whenModalOpens<ConfigurationDialog>([interval](ConfigurationDialog *dialog) {
            dialog->findChild<QComboBox *>("uploadInterval")->setCurrentIndex(interval);
            dialog->accept();
        });
        publisher.window.showConfiguration();
    };
    choose(1);
    EXPECT_EQ(publisher.window.timerPeriod(), 300000);
    choose(4);
    EXPECT_EQ(publisher.window.timerPeriod(), 1200000);
    choose(0);
    EXPECT_EQ(publisher.window.timerPeriod(), 0);
    const QStringList shown = publisher.window.logPane()->shownLines();
    EXPECT_EQ(shown.mid(shown.size() - 3), QStringList({ "Upload frequency:", "Manual", "  " }));
    EXPECT_TRUE(shown.contains("20 minutes"));
}

TEST(SyncWindow, UploadButtonInLocalModeProducesTheFile)
{
    SyncProgram publisher;
    std::string record(1874, '\0');
    test::putI64(record, 0, 77);
    test::putText(record, 8, "SOAP");
    test::writeBytes(publisher.folder.file("film.dat"), record);
    publisher.window.startSession();
    publisher.session.config().setLocalFileOnly(true);
    publisher.session.config().setFileFormat(FileFormat::Csv);
    publisher.window.button(0)->click();
    EXPECT_TRUE(paneShows(publisher.window.logPane(), "Local file produced."));
    EXPECT_EQ(test::readBytes(publisher.folder.file("inventor.csv")),
        "77,SOAP,,,,,0.00,0.00,0.00,0,0,0,0,,,,,,0,0,,,\r\n");
}

TEST(SyncWindow, PaneFollowsTheLogFromOtherThreadsUpTo99Lines)
{
    SyncProgram publisher;
    publisher.window.startSession();
    std::thread worker([&] {
        for (int i = 1; i <= 150; ++i)
            publisher.session.log().add(QStringLiteral("line %1").arg(i));
    });
    worker.join();
    ASSERT_TRUE(paneShows(publisher.window.logPane(), "line 150"));
    const QStringList shown = publisher.window.logPane()->shownLines();
    EXPECT_EQ(shown.size(), 99);
    EXPECT_EQ(shown.front(), "line 52");
}

TEST(SyncWindow, AStopCancelsAnOpenDialogThenClosesTheWindow)
{
    SyncProgram publisher;
    SyncWindow &window = publisher.window;
    window.show();
    window.startSession();
    bool stopAsked = false;
    test::whenModalOpens<ConfigurationDialog>([&](ConfigurationDialog *dialog) {
        for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
            edit->setText(QStringLiteral("typed but not confirmed"));
        window.stop();
        stopAsked = true;
    });
    window.showConfiguration();
    EXPECT_TRUE(stopAsked);
    EXPECT_EQ(publisher.session.config().text(ConfigText::FtpServer), QString());
    for (int i = 0; i < 200 && window.isVisible(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(window.isVisible());
}
