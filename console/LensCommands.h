#pragma once
#include "JavelinCommandBuilder.h"
#include "LatchCommands.h" // the latch buttons beside the lens buttons

#include <string>

// What the lens and latch commands are chosen by: camera and receiver type,
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

// The functions held by pressed lens buttons.
struct LensMotionFlags {
    bool iris = false;
    bool zoom = false;
    bool focus = false;
    bool colour = false;
    bool integration = false;
};
LensHeld FirstHeld(const LensMotionFlags& flags);

struct LensAction {
    enum class Kind { None, Text, Javelin };
    Kind kind = Kind::None;
    std::string text;          // Kind::Text: at most four characters are queued
    LensMotion motion = LensMotion::ZoomIn; // Kind::Javelin, press
    LensAxis axis = LensAxis::Zoom;         // Kind::Javelin, release
    int queueTimerMs = 0;
    bool stopsTour = false; // press: zoom and focus stop a console-run tour
};

LensAction LensPressCommand(LensButton button, const LensContext& c);
LensAction LensReleaseCommand(LensHeld held, const LensContext& c);
