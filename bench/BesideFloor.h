#pragma once
#include "BenchCorpus.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Every figure is printed beside a floor measured in the same run: the
// least work the same input could cost (as a rule its bytes copied once
// and XORed, as the framing does with a command), so that a busy or slow
// machine changes both and the ratio stays telling.

using BenchFn = std::function<void(benchmark::State&)>;
using Configure = std::function<void(benchmark::internal::Benchmark*)>;

// Registers the floor (once per floor name) and the benchmark, both with
// the same configuration (arguments, unit, complexity).
void Beside(const std::string& name, BenchFn work, const std::string& floorName, BenchFn floor,
            const Configure& configure = {});

// The floor of a set of inputs: each copied into a buffer and XORed.
BenchFn CopyXorFloor(std::vector<Frame> inputs);

// The console's report, then each benchmark's time beside its floor's at
// the same arguments (CPU time, the median when repeated).
class FloorReporter : public benchmark::ConsoleReporter {
public:
    explicit FloorReporter(OutputOptions options = OO_Tabular) : benchmark::ConsoleReporter(options) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    // A benchmark stopped with an error (no seed frames, a parse failed).
    bool failed() const { return failed_; }

private:
    struct Figure {
        double ns = 0;
        bool median = false;
    };
    std::map<std::string, Figure> figures_; // by name and arguments
    std::vector<std::string> order_;
    bool failed_ = false;
};
