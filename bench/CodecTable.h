#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// One panel's reply decoder with the members of an open window.
class CodecRun {
public:
    virtual ~CodecRun() = default;
    virtual void Decode(const uint8_t* frame, size_t length) = 0;
};

// A panel codec as the benchmarks and their checks know it: its header in
// panels/, the name it is measured under, its seed frames in
// fuzz/corpus/panels/ (files named corpus + '-'), and a window's members
// to decode into.
struct PanelCodecEntry {
    const char* header;
    const char* name;
    const char* corpus;
    std::function<std::unique_ptr<CodecRun>()> open;
};

// Every panel codec, one line each (CodecTable.cpp).
const std::vector<PanelCodecEntry>& PanelCodecTable();
