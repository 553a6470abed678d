#pragma once
// A console reporter that also keeps each benchmark's time per iteration, so
// a benchmark program can print its figures as ratios against a baseline
// measured in the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace ovix::bench {

class TimingReporter : public benchmark::ConsoleReporter {
public:
    TimingReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                microseconds_[run.run_name.function_name] = run.GetAdjustedRealTime() * 1e6
                    / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Wall time per iteration of the benchmark `name`; 0 when it did not run.
    double microseconds(const std::string &name) const
    {
        auto found = microseconds_.find(name);
        return found == microseconds_.end() ? 0.0 : found->second;
    }
    double milliseconds(const std::string &name) const
    {
        return microseconds(name) / 1000.0;
    }

private:
    std::map<std::string, double> microseconds_;
};

} // namespace ovix::bench
