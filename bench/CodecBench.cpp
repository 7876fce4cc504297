// Every panel codec on its seed frames, and PRESET.DAT read and written,
// each beside its floor.
#include "BenchCorpus.h"
#include "BesideFloor.h"
#include "CodecTable.h"
#include "DomeFile.h"
#include "PresetFile.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {
void RegisterCodecs()
{
    for (const PanelCodecEntry& codec : PanelCodecTable()) {
        const std::vector<Frame> frames = ReadCorpus(CorpusFolder("panels"), codec.corpus);
        Beside(std::string("Codec/") + codec.name,
               [frames, codec](benchmark::State& state) {
                   if (frames.empty()) {
                       state.SkipWithError("no seed frames in fuzz/corpus/panels/");
                       return;
                   }
                   const std::unique_ptr<CodecRun> run = codec.open();
                   for (auto _ : state)
                       for (const Frame& f : frames)
                           run->Decode(f.data(), f.size());
                   state.SetItemsProcessed(static_cast<int64_t>(frames.size()) * state.iterations()); // per reply
               },
               std::string("Floor/CopyXor:") + codec.corpus, CopyXorFloor(frames));
    }
}

// A folder of its own for the files, removed at exit.
const std::string& Folder()
{
    static struct Temporary {
        std::string path;
        Temporary()
        {
            std::string pattern = (std::filesystem::temp_directory_path() / "pivora-bench-XXXXXX").string();
            if (mkdtemp(pattern.data()))
                path = pattern;
        }
        ~Temporary()
        {
            std::error_code e;
            if (!path.empty())
                std::filesystem::remove_all(path, e);
        }
    } folder;
    return folder.path;
}

PresetFileNames SomeNames()
{
    PresetFileNames names = DefaultPresetFileNames();
    names[3] = "North gate";
    names[7] = "Loading dock, east side";
    return names;
}

// The floor of a small data file: the same bytes written whole by stdio.
bool WriteWhole(const std::string& path, const std::string& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

size_t ReadWhole(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return 0;
    char buffer[1024];
    size_t n = 0, got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        n += got;
    std::fclose(f);
    return n;
}

std::string PresetFileBytes()
{
    std::string bytes;
    for (const std::string& name : SomeNames())
        bytes += name + "\r\n";
    return bytes;
}

void RegisterPresetFile()
{
    Beside("PresetFile/Write",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/PRESET.DAT";
               const PresetFileNames names = SomeNames();
               for (auto _ : state)
                   if (!WritePresetFile(path, names)) {
                       state.SkipWithError("PRESET.DAT could not be written");
                       return;
                   }
           },
           "Floor/FileWrite:PRESET.DAT",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/floor-write.dat";
               const std::string bytes = PresetFileBytes();
               for (auto _ : state)
                   if (!WriteWhole(path, bytes)) {
                       state.SkipWithError("the floor's file could not be written");
                       return;
                   }
           });
    Beside("PresetFile/Read",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/PRESET-read.DAT";
               if (!WritePresetFile(path, SomeNames())) {
                   state.SkipWithError("PRESET.DAT could not be written");
                   return;
               }
               PresetFileNames names;
               for (auto _ : state)
                   if (!ReadPresetFile(path, names)) {
                       state.SkipWithError("PRESET.DAT could not be read");
                       return;
                   }
               if (names != SomeNames())
                   state.SkipWithError("PRESET.DAT read back other names");
           },
           "Floor/FileRead:PRESET.DAT",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/floor-read.dat";
               WriteWhole(path, PresetFileBytes());
               for (auto _ : state)
                   benchmark::DoNotOptimize(ReadWhole(path));
           });
}
std::string DomeFileBytes()
{
    const std::vector<uint8_t> bytes = SerializeDomeData(DefaultDomeData());
    return std::string(bytes.begin(), bytes.end());
}

void RegisterDomeFile()
{
    Beside("DomeFile/Write",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/Dome.dat";
               const DomeData data = DefaultDomeData();
               for (auto _ : state)
                   if (!SaveDomeFile(path, data)) {
                       state.SkipWithError("Dome.dat could not be written");
                       return;
                   }
           },
           "Floor/FileWrite:Dome.dat",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/floor-dome-write.dat";
               const std::string bytes = DomeFileBytes();
               for (auto _ : state)
                   if (!WriteWhole(path, bytes)) {
                       state.SkipWithError("the floor's file could not be written");
                       return;
                   }
           });
    Beside("DomeFile/Read",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/Dome-read.dat";
               if (!SaveDomeFile(path, DefaultDomeData())) {
                   state.SkipWithError("Dome.dat could not be written");
                   return;
               }
               for (auto _ : state) {
                   DomeData data;
                   if (LoadDomeFile(path, data) != DomeRead::Read) {
                       state.SkipWithError("Dome.dat could not be read");
                       return;
                   }
               }
           },
           "Floor/FileRead:Dome.dat",
           [](benchmark::State& state) {
               const std::string path = Folder() + "/floor-dome-read.dat";
               WriteWhole(path, DomeFileBytes());
               for (auto _ : state)
                   benchmark::DoNotOptimize(ReadWhole(path));
           });
}
} // namespace

void RegisterCodecBenches()
{
    RegisterCodecs();
    RegisterPresetFile();
    RegisterDomeFile();
}
