#include "JavelinCommandBuilder.h"

#include "CommandQueue.h"

namespace {
// Motion codes: low bits the function, bit 6 the direction, bit 7 set to
// start and clear to stop.
constexpr uint8_t kStart = 0x80;
constexpr uint8_t kReverse = 0x40;
constexpr uint8_t kPan = 0, kTilt = 1, kZoom = 2, kFocus = 3, kIris = 4;

constexpr uint8_t kPanLeft = kPan | kReverse;
constexpr uint8_t kPanRight = kPan;
constexpr uint8_t kTiltUp = kTilt | kReverse;
constexpr uint8_t kTiltDown = kTilt;
constexpr uint8_t kZoomIn = kZoom | kReverse;
constexpr uint8_t kZoomOut = kZoom;
constexpr uint8_t kFocusNear = kFocus | kReverse;
constexpr uint8_t kFocusFar = kFocus;
constexpr uint8_t kIrisOpen = kIris;
constexpr uint8_t kIrisClose = kIris | kReverse;

// By LensMotion.
constexpr uint8_t kLensCodes[] = {kZoomIn, kZoomOut, kFocusNear, kFocusFar, kIrisOpen, kIrisClose};

constexpr int kEr3487d = 9;
} // namespace

void JavelinCommandBuilder::Queue(uint8_t group, uint8_t code)
{
    const JavelinBytes record = JavelinRecord(group, code);
    queue_.Enqueue(std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
}

void JavelinCommandBuilder::PanLeftStart() { Motion(kStart | kPanLeft); }
void JavelinCommandBuilder::PanLeftStop() { Motion(kPanLeft); }
void JavelinCommandBuilder::PanRightStart() { Motion(kStart | kPanRight); }
void JavelinCommandBuilder::PanRightStop() { Motion(kPanRight); }
void JavelinCommandBuilder::TiltUpStart() { Motion(kStart | kTiltUp); }
void JavelinCommandBuilder::TiltUpStop() { Motion(kTiltUp); }
void JavelinCommandBuilder::TiltDownStart() { Motion(kStart | kTiltDown); }
void JavelinCommandBuilder::TiltDownStop() { Motion(kTiltDown); }
void JavelinCommandBuilder::ZoomInStart() { Motion(kStart | kZoomIn); }
void JavelinCommandBuilder::ZoomInStop() { Motion(kZoomIn); }
void JavelinCommandBuilder::ZoomOutStart() { Motion(kStart | kZoomOut); }
void JavelinCommandBuilder::ZoomOutStop() { Motion(kZoomOut); }
void JavelinCommandBuilder::FocusNearStart() { Motion(kStart | kFocusNear); }
void JavelinCommandBuilder::FocusNearStop() { Motion(kFocusNear); }
void JavelinCommandBuilder::FocusFarStart() { Motion(kStart | kFocusFar); }
void JavelinCommandBuilder::FocusFarStop() { Motion(kFocusFar); }
void JavelinCommandBuilder::IrisOpenStart() { Motion(kStart | kIrisOpen); }
void JavelinCommandBuilder::IrisOpenStop() { Motion(kIrisOpen); }
void JavelinCommandBuilder::IrisCloseStart() { Motion(kStart | kIrisClose); }
void JavelinCommandBuilder::IrisCloseStop() { Motion(kIrisClose); }

void JavelinCommandBuilder::StatusRequest() { Queue(JavelinGroup::Status, 0x00); }

bool JavelinCommandBuilder::StorePreset(int index)
{
    if (index < 0 || index >= kJavelinPresetLimit)
        return false;
    Queue(JavelinGroup::Preset, static_cast<uint8_t>(index + 0x80));
    return true;
}

bool JavelinCommandBuilder::GotoPreset(int index)
{
    if (index < 0 || index >= kJavelinPresetLimit)
        return false;
    Queue(JavelinGroup::Preset, static_cast<uint8_t>(index));
    return true;
}

void JavelinCommandBuilder::Reset() { Queue(JavelinGroup::Reset, 0x40); }
void JavelinCommandBuilder::CameraPower() { Queue(JavelinGroup::Camera, 0x40); }
void JavelinCommandBuilder::ManualIris() { Queue(JavelinGroup::Camera, protocol_ == kEr3487d ? 0x02 : 0x08); }
void JavelinCommandBuilder::ManualFocus() { Queue(JavelinGroup::Camera, protocol_ == kEr3487d ? 0x01 : 0x10); }
void JavelinCommandBuilder::DayNightAuto() { Queue(JavelinGroup::Camera, 0x01); }
// "Color" and "Mono" send the same record.
void JavelinCommandBuilder::DayNightColor() { Queue(JavelinGroup::Camera, 0x02); }
void JavelinCommandBuilder::DayNightMono() { Queue(JavelinGroup::Camera, 0x02); }

void JavelinCommandBuilder::StopPan()
{
    if (panRight_) {
        PanRightStop();
        panRight_ = false;
    } else if (panLeft_) {
        PanLeftStop();
        panLeft_ = false;
    }
}

void JavelinCommandBuilder::StopTilt()
{
    if (tiltUp_) {
        TiltUpStop();
        tiltUp_ = false;
    } else if (tiltDown_) {
        TiltDownStop();
        tiltDown_ = false;
    }
}

void JavelinCommandBuilder::PadCharacter(char c, bool third)
{
    switch (c) {
    case 'l':
        panRight_ = false;
        panLeft_ = true;
        PanLeftStart();
        break;
    case 'r':
        panLeft_ = false;
        panRight_ = true;
        PanRightStart();
        break;
    case 'u':
        tiltUp_ = true;
        tiltDown_ = false;
        TiltUpStart();
        break;
    case 'd':
        tiltDown_ = true;
        tiltUp_ = false;
        TiltDownStart();
        break;
    case 'T':
        StopTilt();
        break;
    default:
        if (third && c != 'P')
            StopTilt();
        else
            StopPan();
        break;
    }
}

void JavelinCommandBuilder::PadCommand(std::string_view text)
{
    PadCharacter(text.size() > 0 ? text[0] : '\0', false);
    PadCharacter(text.size() > 2 ? text[2] : '\0', true);
}

void JavelinCommandBuilder::Nudge(int direction)
{
    switch (direction) {
    case 0: PanLeftStart(); PanLeftStop(); break;
    case 1: PanRightStart(); PanRightStop(); break;
    case 2: TiltUpStart(); TiltUpStop(); break;
    case 3: TiltDownStart(); TiltDownStop(); break;
    default: break;
    }
}

bool JavelinCommandBuilder::lensMoving(LensMotion motion) const
{
    return lens_[static_cast<int>(motion)];
}

void JavelinCommandBuilder::LensPress(LensMotion motion)
{
    const int i = static_cast<int>(motion);
    lens_[i] = true;
    lens_[i ^ 1] = false; // the opposite direction of the same axis
    Motion(kStart | kLensCodes[i]);
}

void JavelinCommandBuilder::LensRelease(LensAxis axis)
{
    const int first = 2 * static_cast<int>(axis);
    for (int i = first; i < first + 2; ++i) {
        if (lens_[i]) {
            Motion(kLensCodes[i]);
            break;
        }
    }
    lens_[first] = lens_[first + 1] = false;
}
