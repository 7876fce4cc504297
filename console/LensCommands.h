#pragma once
#include "JavelinCommandBuilder.h"

#include <string>

// What the lens and latch buttons send, by camera and receiver type,
// protocol, pan/tilt type, lens speed and video source.
struct LensContext {
    int cameraType = 0;
    int receiverType = 0;
    int protocol = 0;
    int panTiltType = 0;
    int lensSpeed = -1;    // -1 none chosen, 0 "Ultra Slow", 1 "Slow", 2 "Fast"
    int lensFastState = 0; // the fast variant when no speed is chosen
    int videoSource = 0;   // 0 left, 1 right

    bool javelin() const { return protocol == 3 || protocol == 9; }
    bool right() const { return videoSource == 1; }
};

enum class LensButton { ZoomIn, ZoomOut, FocusNear, FocusFar, IrisOpen, IrisClose, ColorRed, ColorBlue, IntegrationUp, IntegrationDown };

// The function a pressed lens button holds; a release stops the first one
// held in the order zoom, iris, focus, colour, integration.
enum class LensHeld { None, Zoom, Iris, Focus, Colour, Integration };
LensHeld HeldBy(LensButton button);

struct LensAction {
    enum class Kind { None, Text, Javelin };
    Kind kind = Kind::None;
    std::string text;          // Kind::Text: at most four characters are queued
    LensMotion motion = LensMotion::ZoomIn; // Kind::Javelin, press
    LensAxis axis = LensAxis::Zoom;         // Kind::Javelin, release
    int queueTimerMs = 0;
};

LensAction LensPressCommand(LensButton button, const LensContext& c);
LensAction LensReleaseCommand(LensHeld held, const LensContext& c);

// The three latches with a state of their own. A command is queued.
struct LatchAction {
    enum class Kind { None, Text, Javelin };
    Kind kind = Kind::None;
    std::string text;
    bool changesState = false;
    bool newState = false;    // the latch's state afterwards
    bool lampOn = false;      // drawn when the state changes
    bool buttonsOn = false;   // the latch's lens buttons enabled when the state changes
};

// "Manual Iris": the state is the auto-iris state (true = automatic).
LatchAction ManualIrisAction(const LensContext& c, bool autoIris);
// "Manual Focus": the manual-focus state.
LatchAction ManualFocusAction(const LensContext& c, bool manualFocus);
// "Manual Intergration": the manual-integration state.
LatchAction ManualIntegrationAction(const LensContext& c, bool manualIntegration);
