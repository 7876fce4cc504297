#include "HiDefCodec.h"

#include "StatusWalk.h"

namespace {
using M = HiDefMembers;

void ApplyExposure(M& m, ReplyView v)
{
    for (int i = 0; i < 4; ++i)
        if (v[0] == static_cast<uint8_t>(HiDefExposureCharacter(i)))
            m.exposure = i;
}

const StatusWalk<M> kStatus = {
    {"D", 1, DigitField(&M::zoomRange, 0, 5)},
    {"e", 1, ApplyExposure},
    {"v", 1, DigitField(&M::videoMode, 0, 7)},
};
} // namespace

char HiDefExposureCharacter(int index)
{
    return index >= 0 && index <= 3 ? static_cast<char>('0' + 7 + 2 * index) : 0;
}

void DecodeHiDefReply(const uint8_t* frame, size_t length, HiDefMembers& m)
{
    ReplyView t = ReplyView::Text(frame, length);
    // The pairs end at the first byte of 0x80 or above.
    for (size_t i = 0; i < t.size; ++i)
        if (t.data[i] >= 0x80) {
            t.size = i;
            break;
        }
    std::vector<std::string> none;
    WalkStatus(kStatus, t, m, none);
}
