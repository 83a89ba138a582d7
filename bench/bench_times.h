#pragma once

// What the benchmarks that print ratios share: the program folder option and
// a reporter that keeps each benchmark's time per iteration.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace quirvo::bench {

// The --dir=PROGRAM_FOLDER option (build/programma when absent); the other
// arguments are left in `rest` for Google Benchmark.
inline std::string takeFolderOption(int argc, char** argv, std::vector<char*>& rest) {
    std::string folder = "build/programma";
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--dir=", 0) == 0) folder = arg.substr(6);
        else rest.push_back(argv[i]);
    }
    return folder;
}

// Seconds per iteration by benchmark name: the process's own CPU time and
// the wall time (for work done in a child process); with repetitions, the
// median.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> cpu, real;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && (run.run_type != Run::RT_Iteration || run.repetitions > 1)) continue;
            const std::string name = run.run_name.str();
            const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            cpu[name] = run.GetAdjustedCPUTime() / perSecond;
            real[name] = run.GetAdjustedRealTime() / perSecond;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace quirvo::bench
