// The real till program, started the way a shop starts it, on a virtual X
// display: the log-on, the caption, the tips, help, a second copy, exit by
// signal, a damaged item file, a half configuration file and a narrow desktop;
// and, with no display at all, a second start on a folder a till holds.

#include "platform/data_lock.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <unistd.h>

using ovix::test::TempDir;

namespace {

bool haveVirtualDisplay()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

// Runs `script` with bash under a fresh virtual display of `screen` (such as
// "1280x1024"); the till is $TILL, the shop folder $SHOP, a scratch folder
// $OUT (also first in PATH, for stand-in programs). Returns what it printed.
std::string runOnDisplay(const std::string &screen, const std::string &shop, const std::string &out,
    const std::string &script)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("TILL"), QStringLiteral(OVIXTILL_PATH));
    environment.insert(QStringLiteral("SHOP"), QString::fromStdString(shop));
    environment.insert(QStringLiteral("OUT"), QString::fromStdString(out));
    environment.insert(QStringLiteral("PATH"),
        QString::fromStdString(out) + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Tests running side by side look for free display numbers from
    // different starting points.
    const QString firstDisplay = QString::number(100 + ::getpid() % 800);
    process.start(QStringLiteral("xvfb-run"),
        { QStringLiteral("-a"), QStringLiteral("-n"), firstDisplay, QStringLiteral("-s"),
            QString::fromStdString("-screen 0 " + screen + "x24"), QStringLiteral("bash"),
            QStringLiteral("-c"), QString::fromStdString(script) });
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
    }
    return process.readAll().toStdString();
}

void makeShop(const std::string &folder)
{
    QProcess init;
    init.setWorkingDirectory(QString::fromStdString(folder));
    init.start(QStringLiteral(OVIXINIT_PATH), { QStringLiteral("--demo") });
    ASSERT_TRUE(init.waitForFinished(30000));
    ASSERT_EQ(init.exitCode(), 0);
}

// Every file under `folder` with its bytes.
std::map<std::string, std::string> snapshot(const std::string &folder)
{
    std::map<std::string, std::string> files;
    QProcess find;
    find.setWorkingDirectory(QString::fromStdString(folder));
    find.start(QStringLiteral("find"),
        { QStringLiteral("."), QStringLiteral("-type"), QStringLiteral("f") });
    find.waitForFinished();
    for (const QByteArray &name : find.readAllStandardOutput().split('\n'))
        if (!name.isEmpty())
            files[name.toStdString()] = ovix::test::readBytes(folder + "/" + name.toStdString());
    return files;
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// The folder as the till names it: its working directory, links resolved.
std::string canonical(const std::string &folder)
{
    return QDir(QString::fromStdString(folder)).canonicalPath().toStdString();
}

const char *kXdgOpenStandIn = "#!/bin/sh\necho \"$@\" >> \"$OUT/xdg-open.args\"\n";

} // namespace

TEST(TillProgram, StartsLogsOnShowsTipsAndHelpRefusesASecondCopyAndStoresAtExit)
{
    if (!haveVirtualDisplay())
        GTEST_SKIP() << "xvfb-run and xdotool are needed";
    TempDir shop;
    TempDir out;
    makeShop(shop.path());
    ovix::test::writeBytes(out.file("xdg-open"), kXdgOpenStandIn);
    QFile::setPermissions(QString::fromStdString(out.file("xdg-open")),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const std::string output = runOnDisplay("1280x1024", shop.path(), out.path(), R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
        logon=$(timeout 20 xdotool search --sync --name '^USER LOGON$' | head -1)
        [ -n "$logon" ] && echo "seen: log-on"
        xdotool windowfocus --sync "$logon"
        xdotool type --delay 40 7351
        xdotool key Return
        main=$(timeout 30 xdotool search --sync --name 'Assoc: ' | head -1)
        echo "caption: $(xdotool getwindowname "$main")"
        xdotool getwindowgeometry "$main" | grep Geometry
        reminder=$(timeout 30 xdotool search --sync --name '^Password$' | head -1)
        [ -n "$reminder" ] && echo "seen: password reminder"
        xdotool search --name '^Tip of the day' >/dev/null && echo "tips before the reminder"
        xdotool windowfocus --sync "$reminder" key Return
        tips=$(timeout 30 xdotool search --sync --name '^Tip of the day' | head -1)
        [ -n "$tips" ] && echo "seen: tips"
        xdotool windowfocus --sync "$tips" key Escape
        sleep 0.5
        xdotool windowfocus --sync "$main" key F1
        for i in $(seq 50); do [ -s "$OUT/xdg-open.args" ] && break; sleep 0.1; done
        echo "help: $(cat "$OUT/xdg-open.args" 2>/dev/null)"
        find . -type f -exec md5sum {} + | sort > "$OUT/before"
        mkdir -m 700 "$OUT/runtime" # so that Qt has nothing of its own to say
        XDG_RUNTIME_DIR="$OUT/runtime" timeout 15 "$TILL" > "$OUT/second.out" 2> "$OUT/second.err"
        echo "second copy: $?"
        echo "second copy said: $(wc -l < "$OUT/second.err") line(s), $(cat "$OUT/second.err")"
        [ -s "$OUT/second.out" ] && echo "second copy wrote to standard output"
        find . -type f -exec md5sum {} + | sort > "$OUT/after"
        cmp -s "$OUT/before" "$OUT/after" && echo "second copy changed nothing"
        kill -TERM $pid
        wait $pid
        echo "exit: $?"
    )sh");
    EXPECT_TRUE(contains(output, "seen: log-on")) << output;
    EXPECT_TRUE(contains(output, "caption: OVIX Retail    Assoc: 1, Administrator")) << output;
    EXPECT_TRUE(contains(output, "Geometry: 1024x746")) << output;
    EXPECT_TRUE(contains(output, "seen: tips")) << output;
    EXPECT_TRUE(contains(output, "help: file://")) << output;
    EXPECT_TRUE(contains(output, "/help/index.html")) << output;
    EXPECT_TRUE(contains(output, "seen: password reminder")) << output;
    EXPECT_FALSE(contains(output, "tips before the reminder")) << output;
    EXPECT_TRUE(contains(output, "second copy: 0")) << output;
    EXPECT_TRUE(contains(output,
        "second copy said: 1 line(s), ovixtill: the data folder " + canonical(shop.path())
            + " is in use by another till (or by ovixinit); only one till runs on a folder at "
              "a time."))
        << output;
    EXPECT_FALSE(contains(output, "second copy wrote to standard output")) << output;
    EXPECT_TRUE(contains(output, "second copy changed nothing")) << output;
    EXPECT_TRUE(contains(output, "exit: 0")) << output;

    const std::string log = ovix::test::readBytes(shop.file("bun4.dat"));
    const size_t on = log.find("  Switched on.\r\n");
    const size_t logOn = log.find("  Log on.\r\nClerk: 1, Administrator\r\n");
    const size_t off = log.find("  Switched off.\r\nClerk: 1, Administrator\r\n");
    ASSERT_NE(on, std::string::npos) << log;
    ASSERT_NE(logOn, std::string::npos) << log;
    ASSERT_NE(off, std::string::npos) << log;
    EXPECT_LT(on, logOn);
    EXPECT_LT(logOn, off);
    bool summaryWritten = false;
    for (const auto &[name, bytes] : snapshot(shop.path()))
        if (name.ends_with("/thedaily.dat"))
            summaryWritten = contains(bytes, "Today's till takings: 0.00");
    EXPECT_TRUE(summaryWritten);
}

TEST(TillProgram, ASecondStartOnAHeldFolderSaysSoInOneLineAndEndsAtOnce)
{
    TempDir shop;
    TempDir runtime;
    makeShop(shop.path());
    const auto before = snapshot(shop.path());
    ovix::DataFolderLock held; // as a running till holds it
    ASSERT_TRUE(held.tryLock(shop.path()));

    QProcess till;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.path()));
    till.setProcessEnvironment(environment);
    till.setWorkingDirectory(QString::fromStdString(shop.path()));
    till.start(QStringLiteral(OVIXTILL_PATH), QStringList());
    ASSERT_TRUE(till.waitForFinished(30000));
    EXPECT_EQ(till.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(till.exitCode(), 0);
    EXPECT_EQ(till.readAllStandardError().toStdString(),
        "ovixtill: the data folder " + canonical(shop.path())
            + " is in use by another till (or by ovixinit); only one till runs on a folder at "
              "a time.\n");
    EXPECT_TRUE(till.readAllStandardOutput().isEmpty());
    EXPECT_EQ(snapshot(shop.path()), before);
}

TEST(TillProgram, ADamagedItemFileIsReportedAndNoFileChanges)
{
    if (!haveVirtualDisplay())
        GTEST_SKIP() << "xvfb-run and xdotool are needed";
    TempDir shop;
    TempDir out;
    makeShop(shop.path());
    std::string film = ovix::test::readBytes(shop.file("film.dat"));
    film.pop_back(); // no longer whole records
    ovix::test::writeBytes(shop.file("film.dat"), film);
    const auto before = snapshot(shop.path());

    const std::string output = runOnDisplay("1280x1024", shop.path(), out.path(), R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
        box=$(timeout 20 xdotool search --sync --name '^Fatal error$' | head -1)
        [ -n "$box" ] && echo "seen: Fatal error"
        xdotool windowfocus --sync "$box" key Return
        for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -TERM $pid 2>/dev/null
        wait $pid
        echo "exit: $?"
        xdotool search --name '^USER LOGON$' >/dev/null && echo "log-on shown"
    )sh");
    EXPECT_TRUE(contains(output, "seen: Fatal error")) << output;
    EXPECT_TRUE(contains(output, "exit: 1")) << output;
    EXPECT_FALSE(contains(output, "log-on shown")) << output;
    EXPECT_EQ(snapshot(shop.path()), before);
}

TEST(TillProgram, AHalfConfigurationIsToldAndKeptAndTheAdministratorLogsOnWith7351)
{
    if (!haveVirtualDisplay())
        GTEST_SKIP() << "xvfb-run and xdotool are needed";
    TempDir shop;
    TempDir out;
    makeShop(shop.path());
    const std::string whole = ovix::test::readBytes(shop.file("wr.cfg"));
    ASSERT_EQ(whole.size(), 42550u);
    const std::string half = whole.substr(0, whole.size() / 2);
    ovix::test::writeBytes(shop.file("wr.cfg"), half);

    const std::string output = runOnDisplay("1280x1024", shop.path(), out.path(), R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
        box=$(timeout 20 xdotool search --sync --name '^Problem$' | head -1)
        [ -n "$box" ] && echo "seen: Problem"
        xdotool search --name '^USER LOGON$' >/dev/null && echo "log-on before the box"
        ls wr.cfg.damaged-* 2>/dev/null | sed 's/^/copy: /'
        xdotool windowfocus --sync "$box" key Return
        logon=$(timeout 20 xdotool search --sync --name '^USER LOGON$' | head -1)
        xdotool windowfocus --sync "$logon"
        xdotool key Return
        sleep 0.5
        xdotool search --name 'Assoc: ' >/dev/null && echo "logged on without a password"
        xdotool windowfocus --sync "$logon"
        xdotool type --delay 40 7351
        xdotool key Return
        main=$(timeout 30 xdotool search --sync --name 'Assoc: ' | head -1)
        echo "caption: $(xdotool getwindowname "$main")"
        reminder=$(timeout 30 xdotool search --sync --name '^Password$' | head -1)
        [ -n "$reminder" ] && echo "seen: password reminder"
        kill -TERM $pid
        for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -KILL $pid 2>/dev/null
        wait $pid
        echo "exit: $?"
    )sh");
    EXPECT_TRUE(contains(output, "seen: Problem")) << output;
    EXPECT_FALSE(contains(output, "log-on before the box")) << output;
    EXPECT_TRUE(contains(output, "copy: wr.cfg.damaged-")) << output;
    EXPECT_FALSE(contains(output, "logged on without a password")) << output;
    EXPECT_TRUE(contains(output, "caption: OVIX Retail    Assoc: 1, Administrator")) << output;
    EXPECT_TRUE(contains(output, "seen: password reminder")) << output;
    EXPECT_TRUE(contains(output, "exit: 0")) << output;
    EXPECT_EQ(ovix::test::readBytes(shop.file("wr.cfg")).size(), 42550u);
    bool copyKept = false;
    for (const auto &[name, bytes] : snapshot(shop.path()))
        copyKept = copyKept || (contains(name, "wr.cfg.damaged-") && bytes == half);
    EXPECT_TRUE(copyKept);
}

TEST(TillProgram, ADesktopNarrowerThan800IsRefusedWithoutTouchingAFile)
{
    if (!haveVirtualDisplay())
        GTEST_SKIP() << "xvfb-run and xdotool are needed";
    TempDir shop;
    TempDir out;
    makeShop(shop.path());
    const auto before = snapshot(shop.path());
    const std::string output = runOnDisplay("799x600", shop.path(), out.path(), R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
        box=$(timeout 20 xdotool search --sync --name '^Problem$' | head -1)
        [ -n "$box" ] && echo "seen: Problem"
        kill -TERM $pid
        wait $pid
        echo "exit: $?"
    )sh");
    EXPECT_TRUE(contains(output, "seen: Problem")) << output;
    EXPECT_TRUE(contains(output, "exit: 1")) << output;
    EXPECT_EQ(snapshot(shop.path()), before);
}

TEST(TillProgram, ASaleRungUpByNumberAndPaidInCashIsArchivedLoggedAndTakesTheStock)
{
    if (!haveVirtualDisplay())
        GTEST_SKIP() << "xvfb-run and xdotool are needed";
    TempDir shop;
    TempDir out;
    makeShop(shop.path());
    // The first sample item in stock without an age alert and not a bundle,
    // read at its film.dat offsets.
    const std::string filmBefore = ovix::test::readBytes(shop.file("film.dat"));
    int64_t item = 0;
    size_t slot = 0;
    for (; (slot + 1) * 1874 <= filmBefore.size(); ++slot) {
        const std::string record = filmBefore.substr(slot * 1874, 1874);
        if (ovix::test::getI64(record, 0) > 0 && ovix::test::getI32(record, 670) > 0
            && ovix::test::getI32(record, 1214) <= 1 && ovix::test::getI32(record, 1802) != 2) {
            item = ovix::test::getI64(record, 0);
            break;
        }
    }
    ASSERT_GT(item, 0);
    const int32_t stockBefore = ovix::test::getI32(filmBefore, slot * 1874 + 670);
    ovix::test::writeBytes(out.file("item"), std::to_string(item));

    const std::string output = runOnDisplay("1280x1024", shop.path(), out.path(), R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
        logon=$(timeout 20 xdotool search --sync --name '^USER LOGON$' | head -1)
        xdotool windowfocus --sync "$logon"
        xdotool type --delay 40 7351
        xdotool key Return
        main=$(timeout 30 xdotool search --sync --name 'Assoc: ' | head -1)
        reminder=$(timeout 30 xdotool search --sync --name '^Password$' | head -1)
        xdotool windowfocus --sync "$reminder" key Return
        tips=$(timeout 30 xdotool search --sync --name '^Tip of the day' | head -1)
        xdotool windowfocus --sync "$tips" key Escape
        sleep 0.5
        xdotool windowfocus --sync "$main"
        xdotool type --delay 40 "$(cat "$OUT/item")"
        xdotool key Return
        sleep 0.5
        xdotool key F5
        cash=$(timeout 30 xdotool search --sync --name '^Cash$' | head -1)
        [ -n "$cash" ] && echo "seen: cash box"
        xdotool windowfocus --sync "$cash"
        xdotool type --delay 40 100000
        xdotool key Return
        summary=$(timeout 30 xdotool search --sync --name '^Transaction committed' | head -1)
        [ -n "$summary" ] && echo "seen: summary"
        xdotool windowfocus --sync "$summary" key Return
        sleep 0.5
        xdotool search --onlyvisible --name '^Cash$' >/dev/null && echo "cash box still open"
        kill -TERM $pid
        for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -KILL $pid 2>/dev/null
        wait $pid
        echo "exit: $?"
        echo "till output:"; cat "$OUT/till.log"
    )sh");
    EXPECT_TRUE(contains(output, "seen: cash box")) << output;
    EXPECT_TRUE(contains(output, "seen: summary")) << output;
    EXPECT_FALSE(contains(output, "cash box still open")) << output;
    EXPECT_TRUE(contains(output, "exit: 0")) << output;

    std::string sales;
    std::string items;
    for (const auto &[name, bytes] : snapshot(shop.path())) {
        if (name.ends_with("/saleslog.dat"))
            sales = bytes;
        if (name.ends_with("/itemslog.dat"))
            items = bytes;
    }
    ASSERT_EQ(sales.size(), 950u) << output;
    ASSERT_EQ(items.size(), 104u);
    EXPECT_EQ(ovix::test::getI32(sales, 28), 1); // one line
    EXPECT_EQ(ovix::test::getText(sales, 354, 40), "Cash");
    EXPECT_EQ(ovix::test::getI64(items, 0), ovix::test::getI64(sales, 0));
    EXPECT_EQ(ovix::test::getI64(items, 24), item);
    const std::string filmAfter = ovix::test::readBytes(shop.file("film.dat"));
    EXPECT_EQ(ovix::test::getI32(filmAfter, slot * 1874 + 670), stockBefore - 1);
    const std::string log = ovix::test::readBytes(shop.file("bun4.dat"));
    EXPECT_TRUE(contains(log, " Sale: " + std::to_string(ovix::test::getI64(sales, 0)))) << log;
    EXPECT_TRUE(contains(log, "Payment type: Cash\r\n")) << log;
}

TEST(TillProgram, ASaleInProgressIsParkedBySigtermAndRetrievedAfterTheRestart)
{
    if (!haveVirtualDisplay())
        GTEST_SKIP() << "xvfb-run and xdotool are needed";
    TempDir shop;
    TempDir out;
    makeShop(shop.path());
    // The first sample item in stock without an age alert and not a bundle.
    const std::string film = ovix::test::readBytes(shop.file("film.dat"));
    int64_t item = 0;
    for (size_t slot = 0; (slot + 1) * 1874 <= film.size() && item == 0; ++slot) {
        const std::string record = film.substr(slot * 1874, 1874);
        if (ovix::test::getI64(record, 0) > 0 && ovix::test::getI32(record, 670) > 0
            && ovix::test::getI32(record, 1214) <= 1 && ovix::test::getI32(record, 1802) != 2)
            item = ovix::test::getI64(record, 0);
    }
    ASSERT_GT(item, 0);
    ovix::test::writeBytes(out.file("item"), std::to_string(item));
    const char *logOn = R"sh(
        logon=$(timeout 20 xdotool search --sync --name '^USER LOGON$' | head -1)
        xdotool windowfocus --sync "$logon"
        xdotool type --delay 40 7351
        xdotool key Return
        main=$(timeout 30 xdotool search --sync --name 'Assoc: ' | head -1)
        reminder=$(timeout 30 xdotool search --sync --name '^Password$' | head -1)
        xdotool windowfocus --sync "$reminder" key Return
        tips=$(timeout 30 xdotool search --sync --name '^Tip of the day' | head -1)
        xdotool windowfocus --sync "$tips" key Escape
        sleep 0.5
        xdotool windowfocus --sync "$main"
    )sh";

    const std::string parked = runOnDisplay("1280x1024", shop.path(), out.path(),
        std::string(R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
    )sh") + logOn + R"sh(
        xdotool type --delay 40 "$(cat "$OUT/item")"
        xdotool key Return
        sleep 0.5
        kill -TERM $pid
        for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        xdotool search --name '^Basket$' >/dev/null && echo "asked on SIGTERM"
        kill -KILL $pid 2>/dev/null
        wait $pid
        echo "exit: $?"
        echo "parked: $(stat -c '%s %a' basket.sav 2>/dev/null)"
    )sh");
    EXPECT_TRUE(contains(parked, "exit: 0")) << parked;
    EXPECT_FALSE(contains(parked, "asked on SIGTERM")) << parked;
    EXPECT_TRUE(contains(parked, "parked: 31372 600")) << parked;
    const size_t lineCountAt = 16 + 3228; // header, then the basket's line count
    EXPECT_EQ(ovix::test::getI32(ovix::test::readBytes(shop.file("basket.sav")), lineCountAt), 1);

    // Two units rung up, a stray Configuration key, and SIGTERM while the
    // question is open: the question goes and the two lines are parked.
    const std::string whileAsking = runOnDisplay("1280x1024", shop.path(), out.path(),
        std::string(R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
    )sh") + logOn + R"sh(
        for i in 1 2; do
            xdotool type --delay 40 "$(cat "$OUT/item")"
            xdotool key Return
            sleep 0.3
        done
        xdotool key ctrl+c
        question=$(timeout 20 xdotool search --sync --name '^Basket$' | head -1)
        [ -n "$question" ] && echo "seen: question"
        kill -TERM $pid
        for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -KILL $pid 2>/dev/null
        wait $pid
        echo "exit: $?"
    )sh");
    EXPECT_TRUE(contains(whileAsking, "seen: question")) << whileAsking;
    EXPECT_TRUE(contains(whileAsking, "exit: 0")) << whileAsking;
    EXPECT_EQ(ovix::test::getI32(ovix::test::readBytes(shop.file("basket.sav")), lineCountAt), 2);

    // After the restart: the sale is retrieved, a stray Configuration key is
    // answered with Enter (No keeps the sale), and the sale is paid.
    const std::string paid = runOnDisplay("1280x1024", shop.path(), out.path(),
        std::string(R"sh(
        cd "$SHOP"
        "$TILL" > "$OUT/till.log" 2>&1 &
        pid=$!
    )sh") + logOn + R"sh(
        xdotool key ctrl+x
        sleep 0.5
        xdotool key ctrl+c
        question=$(timeout 20 xdotool search --sync --name '^Basket$' | head -1)
        [ -n "$question" ] && echo "seen: question"
        xdotool windowfocus --sync "$question" key Return
        sleep 0.5
        xdotool search --onlyvisible --name '^Configuration$' >/dev/null && echo "configuration opened"
        xdotool windowfocus --sync "$main"
        xdotool key F5
        cash=$(timeout 30 xdotool search --sync --name '^Cash$' | head -1)
        xdotool windowfocus --sync "$cash"
        xdotool type --delay 40 100000
        xdotool key Return
        summary=$(timeout 30 xdotool search --sync --name '^Transaction committed' | head -1)
        [ -n "$summary" ] && echo "seen: summary"
        xdotool windowfocus --sync "$summary" key Return
        sleep 0.5
        kill -TERM $pid
        for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        kill -KILL $pid 2>/dev/null
        wait $pid
        echo "exit: $?"
    )sh");
    EXPECT_TRUE(contains(paid, "seen: question")) << paid;
    EXPECT_FALSE(contains(paid, "configuration opened")) << paid;
    EXPECT_TRUE(contains(paid, "seen: summary")) << paid;
    EXPECT_TRUE(contains(paid, "exit: 0")) << paid;
    std::string items;
    for (const auto &[name, bytes] : snapshot(shop.path()))
        if (name.ends_with("/itemslog.dat"))
            items = bytes;
    ASSERT_EQ(items.size(), 2 * 104u) << paid;
    EXPECT_EQ(ovix::test::getI64(items, 24), item);
    EXPECT_EQ(ovix::test::getI64(items, 104 + 24), item);
}
