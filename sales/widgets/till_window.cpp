#include "sales/widgets/till_window.h"

#include "platform/background_jobs.h"

#include <QWidget>

namespace ovix {

TillWindow::TillWindow() = default;
TillWindow::~TillWindow() = default;

BackgroundJobs &TillWindow::backgroundJobs()
{
    if (!jobs_)
        jobs_ = std::make_unique<BackgroundJobs>(widget());
    return *jobs_;
}

void TillWindow::endBackgroundJobs()
{
    jobs_.reset();
}

} // namespace ovix
