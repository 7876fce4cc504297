#include "BesideFloor.h"

#include <cstdio>
#include <cstring>
#include <ostream>
#include <set>

namespace {
struct Pairing {
    std::string name;
    std::string floor;
};

std::vector<Pairing>& Pairings()
{
    static std::vector<Pairing> pairings;
    return pairings;
}

std::string Key(const std::string& name, const std::string& args)
{
    return args.empty() ? name : name + "/" + args;
}

std::string Readable(double ns)
{
    char text[32];
    if (ns >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.1f ns", ns);
    return text;
}
} // namespace

void Beside(const std::string& name, BenchFn work, const std::string& floorName, BenchFn floor,
            const Configure& configure)
{
    static std::set<std::string> floors;
    if (floors.insert(floorName).second) {
        benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(floorName.c_str(), floor);
        if (configure)
            configure(b);
    }
    benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name.c_str(), work);
    if (configure)
        configure(b);
    Pairings().push_back({name, floorName});
}

BenchFn CopyXorFloor(std::vector<Frame> inputs)
{
    return [inputs = std::move(inputs)](benchmark::State& state) {
        uint8_t buffer[4096];
        int64_t bytes = 0;
        for (auto _ : state) {
            uint8_t x = 0;
            for (const Frame& f : inputs) {
                for (size_t at = 0; at < f.size(); at += sizeof buffer) {
                    const size_t n = f.size() - at < sizeof buffer ? f.size() - at : sizeof buffer;
                    std::memcpy(buffer, f.data() + at, n);
                    benchmark::ClobberMemory();
                    for (size_t i = 0; i < n; ++i)
                        x ^= buffer[i];
                }
            }
            benchmark::DoNotOptimize(x);
        }
        for (const Frame& f : inputs)
            bytes += static_cast<int64_t>(f.size());
        state.SetBytesProcessed(bytes * state.iterations());
    };
}

void FloorReporter::ReportRuns(const std::vector<Run>& runs)
{
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            failed_ = true;
            continue;
        }
        if (run.report_big_o || run.report_rms)
            continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        const std::string key = Key(run.run_name.function_name, run.run_name.args);
        Figure& f = figures_[key];
        if (f.median && !median)
            continue;
        if (f.ns == 0 && !f.median)
            order_.push_back(key);
        f.ns = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        f.median = median;
    }
}

void FloorReporter::Finalize()
{
    std::ostream& out = GetOutputStream();
    char line[256];
    out << "\nBeside the floor (CPU time per iteration; a floor copies and XORs the same bytes once)\n";
    std::snprintf(line, sizeof line, "%-44s %12s   %-36s %12s %8s\n", "Benchmark", "Time", "Floor", "Time", "Ratio");
    out << line;
    for (const std::string& key : order_) {
        for (const Pairing& p : Pairings()) {
            if (key != p.name && key.rfind(p.name + "/", 0) != 0)
                continue;
            const std::string args = key.substr(p.name.size());
            const auto floor = figures_.find(p.floor + args);
            const double ns = figures_[key].ns;
            if (floor == figures_.end() || floor->second.ns <= 0) {
                std::snprintf(line, sizeof line, "%-44s %12s   %-36s\n", key.c_str(), Readable(ns).c_str(),
                              "(not run: add |Floor to the filter)");
                out << line;
                continue;
            }
            std::snprintf(line, sizeof line, "%-44s %12s   %-36s %12s %7.1fx\n", key.c_str(), Readable(ns).c_str(),
                          (p.floor + args).c_str(), Readable(floor->second.ns).c_str(), ns / floor->second.ns);
            out << line;
        }
    }
    out.flush();
}
