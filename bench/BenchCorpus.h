#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The good frames kept beside the fuzzers (fuzz/corpus/) are what the
// benchmarks decode: a frame added there for a new reply is measured too.
using Frame = std::vector<uint8_t>;

// The folder of the fuzzers' seed frames in the source tree.
std::string CorpusFolder(const std::string& name);

// The files of a folder whose names start with prefix + '-' (every file
// for an empty prefix), in name order.
std::vector<Frame> ReadCorpus(const std::string& folder, const std::string& prefix = "");

// A seed of the receive fuzzer: its first three bytes choose the frame mode
// (bit 0 of byte 0) and the receiver and camera types (bytes 1 and 2, as
// remainders); the line bytes follow.
struct LineSample {
    int mode = 1;
    int receiverType = 0;
    int cameraType = 0;
    Frame bytes;
};
// False for a seed too short to carry its three bytes.
bool ParseLineSample(const Frame& seed, LineSample& sample);
