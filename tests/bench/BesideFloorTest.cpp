// The published figures are ratios to floors: each benchmark must be set
// beside its own floor at the same arguments, by processor time, the
// median when repeated, and a floor left out must show as such.
#include "BesideFloor.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {
using BenchRun = benchmark::BenchmarkReporter::Run;

// A run of 1000 iterations taking cpu and real per iteration, in unit.
BenchRun MakeRun(const std::string& name, const std::string& args, double cpu, double real,
                 benchmark::TimeUnit unit = benchmark::kNanosecond)
{
    BenchRun r;
    r.run_name.function_name = name;
    r.run_name.args = args;
    r.iterations = 1000;
    r.time_unit = unit;
    r.cpu_accumulated_time = cpu / benchmark::GetTimeUnitMultiplier(unit) * 1000;
    r.real_accumulated_time = real / benchmark::GetTimeUnitMultiplier(unit) * 1000;
    return r;
}

BenchRun Aggregate(BenchRun r, const char* name)
{
    r.run_type = BenchRun::RT_Aggregate;
    r.aggregate_name = name;
    return r;
}

void Nothing(benchmark::State& state)
{
    for (auto _ : state) {
    }
}

// The line of the ratio table that starts with the benchmark's name.
std::string RatioLine(const std::string& report, const std::string& key)
{
    std::istringstream in(report.substr(report.find("Beside the floor")));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + " ", 0) == 0)
            return line;
    return "(no line for " + key + ")";
}
} // namespace

TEST(BesideFloor, EachFigureIsSetBesideItsFloorAtTheSameArguments)
{
    Beside("Pair/Work:PSTS", Nothing, "Pair/Floor:PSTS", Nothing);
    Beside("Pair/Parse", Nothing, "Pair/Floor:Parse", Nothing);
    Beside("Pair/Repeated", Nothing, "Pair/Floor:Repeated", Nothing);

    FloorReporter reporter;
    std::ostringstream out, errors;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&errors);
    BenchRun bigO = MakeRun("Pair/Parse", "", 1, 1);
    bigO.report_big_o = true;
    bigO.run_type = BenchRun::RT_Aggregate;
    reporter.ReportRuns({MakeRun("Pair/Floor:PSTS", "", 6, 6)});
    // Processor time, not the real time a busy machine stretches.
    reporter.ReportRuns({MakeRun("Pair/Work:PSTS", "", 60, 600)});
    reporter.ReportRuns({MakeRun("Pair/Floor:Parse", "1000", 0.5, 0.5, benchmark::kMillisecond)});
    reporter.ReportRuns({MakeRun("Pair/Parse", "1000", 2, 2, benchmark::kMillisecond),
                         MakeRun("Pair/Parse", "10", 0.02, 0.02, benchmark::kMillisecond), bigO});
    // Repeated: the median counts, not the last repetition nor the mean.
    reporter.ReportRuns({MakeRun("Pair/Floor:Repeated", "", 50, 50)});
    reporter.ReportRuns({MakeRun("Pair/Repeated", "", 100, 100), MakeRun("Pair/Repeated", "", 300, 300),
                         Aggregate(MakeRun("Pair/Repeated", "", 500, 500), "mean"),
                         Aggregate(MakeRun("Pair/Repeated", "", 150, 150), "median")});
    reporter.Finalize();
    EXPECT_FALSE(reporter.failed());

    const std::string report = out.str();
    struct Case {
        const char* key;
        const char* shows;
    } cases[] = {
        {"Pair/Work:PSTS", "10.0x"},
        {"Pair/Parse/1000", "4.0x"},
        {"Pair/Parse/10", "(not run: add |Floor to the filter)"},
        {"Pair/Repeated", "3.0x"},
    };
    for (const Case& c : cases) {
        const std::string line = RatioLine(report, c.key);
        EXPECT_NE(line.find(c.shows), std::string::npos) << line;
    }
    EXPECT_NE(RatioLine(report, "Pair/Parse/1000").find("Pair/Floor:Parse/1000"), std::string::npos);
    EXPECT_NE(RatioLine(report, "Pair/Parse/1000").find("2.00 ms"), std::string::npos) << report;
}

TEST(BesideFloor, ABenchmarkStoppedWithAnErrorFailsTheRun)
{
    FloorReporter reporter;
    std::ostringstream out;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&out);
    BenchRun stopped = MakeRun("Pair/Stopped", "", 1, 1);
    stopped.error_occurred = true;
    stopped.error_message = "no seed frames in fuzz/corpus/panels/";
    reporter.ReportRuns({MakeRun("Pair/Fine", "", 1, 1)});
    EXPECT_FALSE(reporter.failed());
    reporter.ReportRuns({stopped});
    EXPECT_TRUE(reporter.failed());
}
