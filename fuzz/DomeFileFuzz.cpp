// Feeds arbitrary file contents to the Dome.dat reader: never a read past
// the bytes, never an allocation larger than the file, and what it reads
// writes back to a file that reads the same.
#include "DomeFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DomeData d = DefaultDomeData();
    const DomeRead result = ParseDomeData(data, size, d);
    if (result != DomeRead::Read)
        return 0;
    size_t titles = 0;
    for (const CSector& s : d.sectors)
        titles += s.title.size();
    if (titles > size)
        std::abort();
    const std::vector<uint8_t> again = SerializeDomeData(d);
    DomeData back;
    if (ParseDomeData(again.data(), again.size(), back) != DomeRead::Read || SerializeDomeData(back) != again)
        std::abort();
    return 0;
}
