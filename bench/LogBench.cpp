// The command-log parser that Play and pivora-play use, on recorded logs of
// 1,000, 10,000 and 100,000 lines, beside the same bytes copied and XORed.
#include "BesideFloor.h"
#include "CommandLog.h"
#include "RecordedLog.h"

#include <map>
#include <memory>

namespace {
const std::string& LogOf(int64_t lines)
{
    static std::map<int64_t, std::unique_ptr<std::string>> logs;
    auto& log = logs[lines];
    if (!log)
        log = std::make_unique<std::string>(TypicalCommandLog(static_cast<size_t>(lines)));
    return *log;
}

void ParseLog(benchmark::State& state)
{
    const std::string& log = LogOf(state.range(0));
    size_t records = 0;
    for (auto _ : state) {
        const CommandLogParse parse = ParseCommandLog(log);
        if (!parse.ok) {
            state.SkipWithError("the recorded log did not parse");
            return;
        }
        records = parse.records.size();
    }
    state.counters["records"] = static_cast<double>(records);
    state.SetItemsProcessed(state.range(0) * state.iterations()); // per line
    state.SetComplexityN(state.range(0));
}

void CopyXorLog(benchmark::State& state)
{
    CopyXorFloor({Frame(LogOf(state.range(0)).begin(), LogOf(state.range(0)).end())})(state);
    state.SetComplexityN(state.range(0));
}
} // namespace

void RegisterLogBenches()
{
    Beside("CommandLog/Parse", ParseLog, "Floor/CopyXor:CommandLog", CopyXorLog,
           [](benchmark::internal::Benchmark* b) {
               b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
           });
}
