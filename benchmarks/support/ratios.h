// Runs the registered Google benchmarks and then prints, for each pair of a subject and its
// baseline, the ratio of their CPU times per iteration, next to the target it should stay under.
// The figures are information: nothing fails on them.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace bench {

struct Ratio
{
    std::string subject;  // benchmark name, as registered
    std::string baseline; // benchmark name, as registered
    double target;        // the most the subject may cost, in baselines; 0 for information only
};

int runWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios);

} // namespace bench
