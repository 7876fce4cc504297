// pivora-bench: the protocol code's benchmarks, each printed beside its
// floor. Exit status 1 when a benchmark could not run (no seed frames, a
// file could not be written, a log did not parse); timings never fail it.
#include "BesideFloor.h"

#include <unistd.h>

void RegisterLinkBenches();
void RegisterLogBenches();
void RegisterCodecBenches();

int main(int argc, char** argv)
{
    RegisterLinkBenches();
    RegisterLogBenches();
    RegisterCodecBenches();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    // Colours only on a terminal: logs and files get plain text.
    FloorReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed() ? 1 : 0;
}
