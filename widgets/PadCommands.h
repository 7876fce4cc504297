#pragma once
#include <string>

// What the pan/tilt pad sends for a cursor position. Coordinates are pad
// pixels; the inner rectangle is the outer one less a 12-pixel margin.
struct PadGeometry {
    int left = 12, top = 12, right = 111, bottom = 111; // inner rectangle, right and bottom exclusive
    int band = 8;                                        // centre band half-width

    int cx() const { return (left + right) / 2; }
    int cy() const { return (top + bottom) / 2; }
    int halfWidth() const { return (right - left) / 2; }
    int halfHeight() const { return (bottom - top) / 2; }
};

// The zone under the point, 1 (up-left) to 8 (left) clockwise, or 0 in the
// centre square and outside the pad. Zones are tried in the order 1 to 8.
int PadZone(const PadGeometry& g, int x, int y);

// The zone's command: "PLTU", "PSTU", "PRTU", "PRTS", "PRTD", "PSTD",
// "PLTD", "PLTS"; empty for 0.
const char* PadZoneCommand(int zone);

// The speed character: '0' + speed below a limit of 16, else speed + 16 for
// 0 to 46 and speed + 49 for 47 to 63.
char PadSpeedCharacter(int speed, int limit);

// Proportional mode: the pan part then the tilt part, with the speeds sent.
struct PadProportional {
    std::string text;
    int panSpeed = 0;  // 0 within 3 pixels of the centre line
    int tiltSpeed = 0;
};
PadProportional PadProportionalCommand(const PadGeometry& g, int x, int y, int panLimit, int tiltLimit);

// Nudge buttons: 0 left, 1 right, 2 up, 3 down. In zone mode the start
// command (followed by "PSTS"); in proportional mode one command by the
// receiver type.
const char* PadNudgeCommand(int direction, bool proportional, int receiverType);
// The nudge direction of a text PadNudgeCommand gives, or -1 for any other.
int PadNudgeDirection(const std::string& text);
