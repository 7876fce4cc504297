#include "BenchCorpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

std::string CorpusFolder(const std::string& name)
{
    return std::string(PIVORA_SOURCE_DIR) + "/fuzz/corpus/" + name;
}

std::vector<Frame> ReadCorpus(const std::string& folder, const std::string& prefix)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> paths;
    std::error_code error;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, error)) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && (prefix.empty() || name.rfind(prefix + "-", 0) == 0))
            paths.push_back(e.path());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<Frame> frames;
    for (const fs::path& p : paths) {
        std::ifstream in(p, std::ios::binary);
        frames.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return frames;
}

bool ParseLineSample(const Frame& seed, LineSample& sample)
{
    if (seed.size() < 3)
        return false;
    sample.mode = seed[0] & 1;
    sample.receiverType = seed[1] % 15;
    sample.cameraType = seed[2] % 19;
    sample.bytes.assign(seed.begin() + 3, seed.end());
    return true;
}
