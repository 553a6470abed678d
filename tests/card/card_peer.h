#pragma once
// The card program's side of the exchange for the tests: the real ovixcardsim
// run as a process on a temporary folder, and waiters that poll for a bounded
// time instead of showing the till's waiting window.

#include "comms/logic/card_exchange.h"
#include "support/test_support.h"

#include <QProcess>
#include <QStringList>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace ovix::test {

// ovixcardsim answering in `folder` with the options given; stopped when
// the peer goes.
class CardSimulator {
public:
    CardSimulator(const std::string &folder, const std::vector<std::string> &options)
    {
        QStringList arguments { QStringLiteral("--folder"), QString::fromStdString(folder) };
        for (const std::string &option : options)
            arguments << QString::fromStdString(option);
        process_.start(QStringLiteral(OVIXCARDSIM_PATH), arguments);
        process_.waitForStarted(10000);
    }
    ~CardSimulator()
    {
        process_.kill();
        process_.waitForFinished(10000);
    }
    bool running() const { return process_.state() == QProcess::Running; }
    // What it printed so far.
    std::string output()
    {
        process_.waitForReadyRead(100);
        return process_.readAllStandardOutput().toStdString();
    }

private:
    QProcess process_;
};

// Polls every `interval` for at most `limit`; gives up (as the clerk's Cancel
// would) when the limit passes. `onPoll`, when set, runs before each poll with
// its number (0 first), to play the card program's part by hand.
class BoundedWaiter : public CardReplyWaiter {
public:
    explicit BoundedWaiter(std::chrono::milliseconds interval = std::chrono::milliseconds(200),
        std::chrono::milliseconds limit = std::chrono::milliseconds(10000))
        : interval_(interval), limit_(limit)
    {
    }
    std::function<void(int)> onPoll;
    int polls = 0;

    std::optional<CardReplyWatch::State> wait(CardReplyWatch &watch) override
    {
        const auto end = std::chrono::steady_clock::now() + limit_;
        for (polls = 0; std::chrono::steady_clock::now() < end; ++polls) {
            if (onPoll)
                onPoll(polls);
            const CardReplyWatch::State state = watch.poll();
            if (state != CardReplyWatch::State::Waiting)
                return state;
            std::this_thread::sleep_for(interval_);
        }
        return std::nullopt;
    }

private:
    std::chrono::milliseconds interval_;
    std::chrono::milliseconds limit_;
};

// Plays the card program at once: on the first poll it checks that the
// request is in place and writes `reply`.
class InstantPeer : public BoundedWaiter {
public:
    InstantPeer(std::string folder, std::string reply)
        : BoundedWaiter(std::chrono::milliseconds(1), std::chrono::milliseconds(5000))
    {
        onPoll = [this, folder = std::move(folder), reply = std::move(reply)](int poll) {
            if (poll == 0) {
                request = readBytes(folder + "/" + kCardRequestName);
                writeBytes(folder + "/" + kCardReplyName, reply);
            }
        };
    }
    std::string request; // what the till asked, as the peer found it
};

} // namespace ovix::test
