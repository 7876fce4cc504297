#pragma once
#include <array>
#include <cstdint>
#include <string_view>

class CommandQueue;

// Javelin binary records (protocols 3 "Javelin - 408R" and 9 "Javelin -
// ER3487D"): FF 06 07 group 01 01 code FF. The sending step writes the camera
// address into bytes 4 and 5 and the checksum into byte 7.
using JavelinBytes = std::array<uint8_t, 8>;

constexpr JavelinBytes JavelinRecord(uint8_t group, uint8_t code)
{
    return {0xFF, 0x06, 0x07, group, 0x01, 0x01, code, 0xFF};
}

namespace JavelinGroup {
constexpr uint8_t Reset = 2;
constexpr uint8_t Status = 3;
constexpr uint8_t Motion = 4;
constexpr uint8_t Preset = 5;
constexpr uint8_t Camera = 6;
} // namespace JavelinGroup

constexpr int kJavelinPresetLimit = 63; // preset list indexes 0 to 62 only

// Two directions per axis, in the order of LensAxis.
enum class LensMotion { ZoomIn, ZoomOut, FocusNear, FocusFar, IrisOpen, IrisClose };
enum class LensAxis { Zoom, Focus, Iris };

// Turns console actions into Javelin records in the command queue, one
// operation per action. Starts no timer: the caller starts the queue service.
class JavelinCommandBuilder {
public:
    explicit JavelinCommandBuilder(CommandQueue& queue, int protocol = 3) : queue_(queue), protocol_(protocol) {}

    // Protocol 9 selects the ER3487D latch codes, any other the 408R ones.
    void SetProtocol(int protocol) { protocol_ = protocol; }
    int protocol() const { return protocol_; }

    void PanLeftStart();
    void PanLeftStop();
    void PanRightStart();
    void PanRightStop();
    void TiltUpStart();
    void TiltUpStop();
    void TiltDownStart();
    void TiltDownStop();
    void ZoomInStart();
    void ZoomInStop();
    void ZoomOutStart();
    void ZoomOutStop();
    void FocusNearStart();
    void FocusNearStop();
    void FocusFarStart();
    void FocusFarStop();
    void IrisOpenStart();
    void IrisOpenStop();
    void IrisCloseStart();
    void IrisCloseStop();

    void StatusRequest();
    // Preset list indexes 0 to 62; any other index queues nothing and
    // returns false.
    bool StorePreset(int index);
    bool GotoPreset(int index);
    void Reset();
    void CameraPower();
    void ManualIris();
    void ManualFocus();
    void DayNightAuto();
    void DayNightColor();
    void DayNightMono();

    // A pan/tilt pad text: its first and third characters move or stop the
    // pan and tilt axes. A character missing from a short text counts as
    // "other", so it stops its axis.
    void PadCommand(std::string_view text);
    // A nudge of the pad (0 left, 1 right, 2 up, 3 down): the axis starts
    // and is stopped at once, so it never leaves the camera moving.
    void Nudge(int direction);

    // Lens buttons: a press starts the motion and remembers its direction
    // (clearing the opposite one); a release stops the remembered direction.
    void LensPress(LensMotion motion);
    void LensRelease(LensAxis axis);

    // Direction flags, for the pad and the lens buttons.
    bool panLeftMoving() const { return panLeft_; }
    bool panRightMoving() const { return panRight_; }
    bool tiltUpMoving() const { return tiltUp_; }
    bool tiltDownMoving() const { return tiltDown_; }
    bool lensMoving(LensMotion motion) const;

private:
    void Queue(uint8_t group, uint8_t code);
    void Motion(uint8_t code) { Queue(JavelinGroup::Motion, code); }
    void PadCharacter(char c, bool third);
    void StopPan();
    void StopTilt();

    CommandQueue& queue_;
    int protocol_;
    bool panLeft_ = false, panRight_ = false;
    bool tiltUp_ = false, tiltDown_ = false;
    bool lens_[6] = {}; // by LensMotion
};
