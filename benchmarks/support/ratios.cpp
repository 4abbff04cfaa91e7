#include "ratios.h"

#include <cstdio>
#include <map>

namespace bench {

namespace {

// Keeps the CPU time per iteration of every run while printing as usual.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> cpuTimes;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int runWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios)
{
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatios (CPU time of the subject / CPU time of its baseline, same run):\n");
    for (const Ratio &ratio : ratios) {
        const auto subject = reporter.cpuTimes.find(ratio.subject);
        const auto baseline = reporter.cpuTimes.find(ratio.baseline);
        if (subject == reporter.cpuTimes.end() || baseline == reporter.cpuTimes.end() || baseline->second <= 0) {
            std::printf("  %-40s not measured in this run\n", ratio.subject.c_str());
            continue;
        }
        const double value = subject->second / baseline->second;
        if (ratio.target <= 0) {
            std::printf("  %-40s / %-32s = %5.2f  (for information)\n", ratio.subject.c_str(), ratio.baseline.c_str(),
                        value);
            continue;
        }
        std::printf("  %-40s / %-32s = %5.2f  (target <= %.2f: %s)\n", ratio.subject.c_str(), ratio.baseline.c_str(),
                    value, ratio.target, value <= ratio.target ? "met" : "NOT MET");
    }
    return 0;
}

} // namespace bench
