// The takings chart offscreen: its two tabs, the bars of the last 30 days and
// of the last 12 months, and the Chart button of the status screen.

#include "platform/clock.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/takings_chart_dialog.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "widgets/modal_dialogs.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

QStringList categories(QBarSeries *series)
{
    for (QAbstractAxis *axis : series->attachedAxes())
        if (auto *labels = qobject_cast<QBarCategoryAxis *>(axis))
            return labels->categories();
    return {};
}

} // namespace

TEST(TakingsChartDialog, ShowsTheDaysAndTheMonthsOfTheHistory)
{
    NewShop shop;
    TillConfig &config = shop.state.config;
    config.set(cfg::takingsHistory, 0, 120.5);  // 14 March
    config.set(cfg::takingsHistory, 13, 0.1);   // 1 March
    config.set(cfg::takingsHistory, 14, 0.2);   // 28 February
    config.set(cfg::takingsHistory, 29, 7.25);  // 13 February
    config.set(cfg::takingsHistory, 347, 3.0);  // 1 April 2025
    config.set(cfg::takingsHistory, 348, 99.0); // 31 March 2025, before the months shown
    TakingsChartDialog dialog(config, LocalTime { 2026, 3, 15, 10, 0, 0, 0 });

    ASSERT_EQ(dialog.tabs()->count(), 2);
    EXPECT_EQ(dialog.tabs()->tabText(0), "30 days");
    EXPECT_EQ(dialog.tabs()->tabText(1), "12 months");

    struct Case {
        QBarSeries *series;
        int bars;
        int index;
        double amount;
        const char *label;
    };
    const Case cases[] = {
        {dialog.daysSeries(), 30, 29, 120.5, "14/03"},
        {dialog.daysSeries(), 30, 16, 0.1, "01/03"},
        {dialog.daysSeries(), 30, 0, 7.25, "13/02"},
        {dialog.daysSeries(), 30, 1, 0.0, "14/02"},
        {dialog.monthsSeries(), 12, 11, 120.6, "03/2026"},
        {dialog.monthsSeries(), 12, 10, 7.45, "02/2026"},
        {dialog.monthsSeries(), 12, 0, 3.0, "04/2025"},
        {dialog.monthsSeries(), 12, 5, 0.0, "09/2025"},
    };
    for (const Case &c : cases) {
        ASSERT_NE(c.series, nullptr);
        ASSERT_EQ(c.series->count(), 1);
        QBarSet *set = c.series->barSets().front();
        ASSERT_EQ(set->count(), c.bars) << c.label;
        EXPECT_DOUBLE_EQ(set->at(c.index), c.amount) << c.label;
        const QStringList labels = categories(c.series);
        ASSERT_EQ(labels.size(), c.bars) << c.label;
        EXPECT_EQ(labels[c.index].toStdString(), c.label);
    }
}

TEST(TakingsChartDialog, OpensFromTheStatusScreenAndGoesBackToIt)
{
    NewShop shop;
    shop.state.config.set(cfg::takingsHistory, 0, 42.0);
    int charts = 0;
    test::whenModalOpens<QDialog>([&charts](QDialog *status) {
        QPushButton *chart = nullptr;
        for (QPushButton *button : status->findChildren<QPushButton *>())
            if (button->text() == "Chart")
                chart = button;
        ASSERT_NE(chart, nullptr);
        test::whenModalOpens<TakingsChartDialog>(
            [&charts, status](TakingsChartDialog *dialog) {
                ++charts;
                EXPECT_EQ(dialog->daysSeries()->barSets().front()->at(29), 42.0);
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
                // The status screen stays open behind the chart; OK closes it.
                test::whenModalOpens<QDialog>([](QDialog *again) { again->accept(); }, dialog);
            },
            status);
        chart->click();
    });
    showStatusScreen(nullptr, shop.state);
    EXPECT_EQ(charts, 1);
}
