#pragma once
// The console report as usual, and each benchmark's mean real time per
// iteration kept by name, so that main can print ratios against the baseline
// of the same run afterwards.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RunTimeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }

    // Seconds per iteration of the benchmark function named (its name before
    // any "/argument" part), 0 when it did not run.
    double Seconds(const std::string& function) const
    {
        for (const auto& [name, seconds] : m_seconds)
            if (name == function || name.rfind(function + "/", 0) == 0)
                return seconds;
        return 0;
    }

private:
    std::map<std::string, double> m_seconds;
};
