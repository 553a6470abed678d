// The till screen with 100000 items on file: the time from Enter in the item
// box to the totals painted on the screen, against a bare repaint of the same
// window.
//
// The real till window and sale screen are built on Qt's offscreen platform
// over a data set made in a temporary folder at start and removed at the end.
// The item number is typed outside the timing; Enter rings the item up and
// window.repaint() paints the new line and totals. The basket is emptied
// (outside the timing) every 300 lines, so the 400-line limit is never hit.

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config_file.h"
#include "sales/logic/basket.h"
#include "till/logic/commands.h"
#include "sales/logic/till_state.h"
#include "till/widgets/main_window.h"
#include "till/widgets/sale_screen.h"

#include "bench_shop.h"
#include "bench_summary.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

using namespace ovix;

namespace {

constexpr int kItems = 100000;
constexpr int kLinesBeforeEmptying = 300;

struct Till {
    std::string folder;
    std::unique_ptr<TillState> state;
    std::vector<QString> numbers; // live item numbers as typed, in a shuffled order
    ScriptedMessages messages;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;
};

Till *till = nullptr;

// A data set whose film.dat holds 100000 taxable items in rising number order,
// with one free slot in a hundred; then the till window over it, shown at the
// size it has on a 1280 x 1024 screen.
void buildTill()
{
    till = new Till;
    std::mt19937_64 random(4);
    const std::vector<int64_t> live
        = bench::makeBenchShop("ovix-screen", till->folder, till->state, kItems, random, false);
    TillState &state = *till->state;
    for (int64_t number : live)
        till->numbers.push_back(QString::number(number));
    std::shuffle(till->numbers.begin(), till->numbers.end(), random);

    state.config.set(cfg::currentClerk, 2);
    state.config.set(cfg::taxOneActive, 2);
    state.config.set(cfg::taxOneRate, 1750);
    state.config.set(cfg::permitShortStock, 0);
    state.config.set(cfg::skuOneEntry, 0);
    till->window = std::make_unique<MainWindow>(state, till->messages);
    till->screen
        = new SaleScreen(*till->window, state, *till->basket, *till->saved, till->messages);
    till->window->resize(1024, 746);
    till->window->show();
    QApplication::processEvents();
}

void BM_BareRepaint(benchmark::State &state)
{
    for (auto _ : state)
        till->window->repaint();
}

void BM_EnterToRepaintedTotals(benchmark::State &state)
{
    till->window->runCommand(Command::EmptyBasket);
    QPlainTextEdit *box = till->screen->itemBox();
    size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (till->basket->lineCount >= kLinesBeforeEmptying)
            till->window->runCommand(Command::EmptyBasket);
        const int before = till->basket->lineCount;
        QTest::keyClicks(box, till->numbers[next++ % till->numbers.size()]);
        state.ResumeTiming();

        QTest::keyClick(box, Qt::Key_Return);
        till->window->repaint();

        if (till->basket->lineCount != before + 1) {
            state.SkipWithError(("no line added: " + till->messages.lastText()).c_str());
            break;
        }
    }
}

BENCHMARK(BM_BareRepaint)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_EnterToRepaintedTotals)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void printSummary(const bench::TimingReporter &timings)
{
    const double enter = timings.microseconds("BM_EnterToRepaintedTotals");
    const double bare = timings.microseconds("BM_BareRepaint");
    std::printf("\n%d items on file, window %dx%d, offscreen\n", kItems, till->window->width(),
        till->window->height());
    std::printf("Enter to repainted totals: %.1f us; bare repaint: %.1f us; ratio %.2f\n", enter,
        bare, bare > 0 ? enter / bare : 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useCNumericLocale();
    benchmark::Initialize(&argc, argv);
    buildTill();
    bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    till->window.reset();
    std::error_code ignored;
    std::filesystem::remove_all(till->folder, ignored);
    benchmark::Shutdown();
    return 0;
}
