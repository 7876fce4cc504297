#include "SdlJoystick.h"

#include <SDL.h>

#include <algorithm>

namespace {
// SDL axes run from -32768 to 32767; the console reads 0 to 65535.
int Position(Sint16 value)
{
    return static_cast<int>(value) + 32768;
}

int HatHundredths(Uint8 hat)
{
    switch (hat) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return 65535;
    }
}
} // namespace

SdlJoystick::SdlJoystick()
{
    // The program keeps its own signal handling: SIGTERM and SIGINT end it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return;
    initialised_ = true;
    if (SDL_NumJoysticks() > 0)
        device_ = SDL_JoystickOpen(0);
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &SdlJoystick::Poll);
}

SdlJoystick::~SdlJoystick()
{
    if (device_)
        SDL_JoystickClose(device_);
    if (initialised_)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

JoystickCaps SdlJoystick::Caps() const
{
    return JoystickCapsForAxes(device_ ? SDL_JoystickNumAxes(device_) : 0);
}

void SdlJoystick::Capture(JoystickListener* listener)
{
    listener_ = listener;
    if (device_) {
        last_ = Read();
        timer_.start();
    }
}

void SdlJoystick::Release()
{
    listener_ = nullptr;
    timer_.stop();
}

JoystickSample SdlJoystick::Read() const
{
    JoystickSample s;
    const int axes = SDL_JoystickNumAxes(device_);
    if (axes > 0)
        s.x = Position(SDL_JoystickGetAxis(device_, 0));
    if (axes > 1)
        s.y = Position(SDL_JoystickGetAxis(device_, 1));
    if (axes > 2)
        s.z = Position(SDL_JoystickGetAxis(device_, 2));
    const int buttons = std::min(SDL_JoystickNumButtons(device_), 32);
    for (int b = 0; b < buttons; ++b)
        if (SDL_JoystickGetButton(device_, b))
            s.buttons |= 1u << b;
    if (SDL_JoystickNumHats(device_) > 0)
        s.pov = HatHundredths(SDL_JoystickGetHat(device_, 0));
    return s;
}

void SdlJoystick::Poll()
{
    if (!listener_ || !device_)
        return;
    SDL_JoystickUpdate();
    JoystickSample now = Read();
    now.buttonNumber = last_.buttonNumber;
    for (int b = 1; b <= 32; ++b) {
        const bool was = last_.Held(b), is = now.Held(b);
        if (is && !was)
            now.buttonNumber = b;
        if (is != was && b <= 4)
            listener_->JoystickButton(b, is);
    }
    const bool moved = now.x != last_.x || now.y != last_.y || now.z != last_.z || now.pov != last_.pov ||
                       now.buttons != last_.buttons;
    last_ = now;
    if (moved)
        listener_->JoystickMoved(now);
}
