#include "bench/RatioReporter.h"

#include <iomanip>
#include <ostream>
#include <utility>

namespace corvane::bench {

namespace {

double toMilliseconds(benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return 1e-6;
    case benchmark::kMicrosecond:
        return 1e-3;
    case benchmark::kMillisecond:
        return 1;
    case benchmark::kSecond:
        return 1e3;
    }
    return 1;
}

} // namespace

RatioReporter::RatioReporter(std::map<std::string, double> budgets, std::string aggregate)
    : budgets_(std::move(budgets))
    , aggregate_(std::move(aggregate))
{}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != aggregate_)
            continue;
        const std::string &name = run.run_name.function_name;
        const size_t slash = name.rfind('/');
        if (slash == std::string::npos)
            continue;
        const std::string pair = name.substr(0, slash);
        if (!times_.count(pair))
            order_.push_back(pair);
        const double unit = toMilliseconds(run.time_unit);
        times_[pair][name.substr(slash + 1)] = {run.GetAdjustedRealTime() * unit,
                                                run.GetAdjustedCPUTime() * unit};
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::ostream &out = GetOutputStream();
    out << "\nRatios to the floor\n" << std::fixed;
    for (const std::string &pair : order_) {
        const auto &sides = times_[pair];
        const auto floor = sides.find("floor");
        if (floor == sides.end() || floor->second.real <= 0 || floor->second.cpu <= 0)
            continue;
        const Times &f = floor->second;
        const auto budget = budgets_.find(pair);
        for (const auto &[side, t] : sides) {
            if (side == "floor")
                continue;
            const double ratio = t.real / f.real;
            out << std::setprecision(3) << pair << ": " << side << ' ' << t.real << " ms, floor " << f.real
                << " ms, ratio " << std::setprecision(2) << ratio << " (CPU ratio " << t.cpu / f.cpu << ')';
            if (budget != budgets_.end())
                out << ", budget " << budget->second << (ratio > budget->second ? "  OVER BUDGET" : "");
            out << '\n';
        }
    }
}

} // namespace corvane::bench
