#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace corvane::bench {

// The console table, then a line a pair of cases named "BM_Case/<side>" and
// "BM_Case/floor": each side's time, the floor's and their ratio, in real
// time (what the user waits for) and in CPU time (the work itself when the
// machine is shared), marked when the pair's budget is passed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // `budgets` by case name; `aggregate` is the statistic kept when the
    // cases run repeatedly ("min", "median").
    explicit RatioReporter(std::map<std::string, double> budgets = {}, std::string aggregate = "min");

    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, double> budgets_;
    std::string aggregate_;
    std::vector<std::string> order_;
    std::map<std::string, std::map<std::string, Times>> times_;
};

} // namespace corvane::bench
