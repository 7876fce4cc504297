#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The far end's view of the line: assembles command frames of either frame
// mode (02 addr text cks 03, F8 addr text cks), '#' frames (text 0D FF) and
// binary records (FF n ... cks). Acknowledgements from the console (0x06)
// and stray bytes outside a frame are skipped.
class SimFrameReader {
public:
    enum class Kind { Ascii, Hash, Binary };

    struct Frame {
        Kind kind = Kind::Ascii;
        int mode = 0;            // 0 for 0x02 frames, 1 for 0xF8 frames
        int address = 0;          // binary records: bytes 4 and 5
        std::string text;        // command text (binary: the whole record)
        bool checksumOk = false;
    };

    // True when byte completed a frame, which is then in *out.
    bool Feed(uint8_t byte, Frame* out);

private:
    enum class State { Idle, Ascii, Hash, Binary };
    bool Finish(Frame* out);

    static constexpr size_t kMaxFrame = 300;
    State state_ = State::Idle;
    std::string bytes_;
    int mode_ = 0;
};
