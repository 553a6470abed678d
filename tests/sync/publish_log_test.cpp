#include "sync/logic/publish_log.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace ovix;
using namespace ovix::test;

TEST(PublishLog, KeepsTheLast99LinesOfAtMost199CharactersOnOneRowEach)
{
    PublishLog log;
    for (int i = 1; i <= 120; ++i)
        log.add(QString::number(i));
    log.add(QString(250, u'x'));
    log.add(QStringLiteral("two\r\nrows\rand\nmore"));
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 99);
    EXPECT_EQ(lines.front(), "24");
    EXPECT_EQ(lines[97], QString(199, u'x'));
    EXPECT_EQ(lines[98], "two  rows and more");
}

TEST(PublishLog, TimeLineIsHourMinuteAndTheLocalDate)
{
    fixClock(2024, 12, 25, 0, 5);
    EXPECT_EQ(timeLine(), "0:05 Wed Dec 25 2024");
    fixClock(2024, 2, 1, 23, 59);
    EXPECT_EQ(timeLine(), "23:59 Thu Feb 1 2024");
    releaseClock();
}

TEST(PublishLog, GroupsFromSeveralThreadsStayTogether)
{
    PublishLog log;
    std::atomic<int> heard { 0 };
    log.setListener([&] { ++heard; });
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&log, t] {
            const QString tag = QString::number(t);
            for (int i = 0; i < 200; ++i)
                log.add({ tag + "a", tag + "b", tag + "c" });
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(heard.load(), 800);
    const QStringList lines = log.lines(); // 99 lines: 33 whole groups
    for (int i = 0; i < lines.size(); i += 3) {
        EXPECT_EQ(lines[i + 1], lines[i].left(1) + "b");
        EXPECT_EQ(lines[i + 2], lines[i].left(1) + "c");
    }
}
