#include "SdlJoystick.h"

#ifdef PIVORA_NO_SDL

// Built without SDL (a Windows build without it): no joystick is present.
struct SdlFunctions {};

SdlJoystick::SdlJoystick() = default;
SdlJoystick::~SdlJoystick() = default;
void SdlJoystick::Start() const { started_ = true; }
bool SdlJoystick::Present() const { return false; }
JoystickCaps SdlJoystick::Caps() const { return JoystickCapsForAxes(0); }
void SdlJoystick::Capture(JoystickListener* listener) { listener_ = listener; }
void SdlJoystick::Release() { listener_ = nullptr; }
JoystickSample SdlJoystick::Read() const { return last_; }
void SdlJoystick::Poll() {}

#else

#include <SDL.h>

#include <QLibrary>
#include <algorithm>

// The SDL functions the joystick uses, taken from the library at run time.
struct SdlFunctions {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_NumJoysticks) NumJoysticks;
    decltype(&SDL_JoystickOpen) JoystickOpen;
    decltype(&SDL_JoystickClose) JoystickClose;
    decltype(&SDL_JoystickUpdate) JoystickUpdate;
    decltype(&SDL_JoystickNumAxes) JoystickNumAxes;
    decltype(&SDL_JoystickGetAxis) JoystickGetAxis;
    decltype(&SDL_JoystickNumButtons) JoystickNumButtons;
    decltype(&SDL_JoystickGetButton) JoystickGetButton;
    decltype(&SDL_JoystickNumHats) JoystickNumHats;
    decltype(&SDL_JoystickGetHat) JoystickGetHat;
};

namespace {
template <typename F>
bool Resolve(QLibrary& library, const char* name, F& f)
{
    f = reinterpret_cast<F>(library.resolve(name));
    return f != nullptr;
}

// Null when the library is missing or lacks a function. The library stays
// loaded for the rest of the run.
const SdlFunctions* LoadSdl()
{
#ifdef Q_OS_WIN
    static QLibrary library(QStringLiteral("SDL2"));
#else
    static QLibrary library(QStringLiteral("SDL2-2.0"), 0);
#endif
    static SdlFunctions f{};
    static const bool loaded =
        library.load() && Resolve(library, "SDL_SetHint", f.SetHint) &&
        Resolve(library, "SDL_InitSubSystem", f.InitSubSystem) && Resolve(library, "SDL_QuitSubSystem", f.QuitSubSystem) &&
        Resolve(library, "SDL_NumJoysticks", f.NumJoysticks) && Resolve(library, "SDL_JoystickOpen", f.JoystickOpen) &&
        Resolve(library, "SDL_JoystickClose", f.JoystickClose) &&
        Resolve(library, "SDL_JoystickUpdate", f.JoystickUpdate) &&
        Resolve(library, "SDL_JoystickNumAxes", f.JoystickNumAxes) &&
        Resolve(library, "SDL_JoystickGetAxis", f.JoystickGetAxis) &&
        Resolve(library, "SDL_JoystickNumButtons", f.JoystickNumButtons) &&
        Resolve(library, "SDL_JoystickGetButton", f.JoystickGetButton) &&
        Resolve(library, "SDL_JoystickNumHats", f.JoystickNumHats) &&
        Resolve(library, "SDL_JoystickGetHat", f.JoystickGetHat);
    return loaded ? &f : nullptr;
}

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
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &SdlJoystick::Poll);
}

SdlJoystick::~SdlJoystick()
{
    if (!sdl_)
        return;
    if (device_)
        sdl_->JoystickClose(device_);
    sdl_->QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlJoystick::Start() const
{
    if (started_)
        return;
    started_ = true;
    const SdlFunctions* sdl = LoadSdl();
    if (!sdl)
        return;
    // The program keeps its own signal handling: SIGTERM and SIGINT end it.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl->InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return;
    sdl_ = sdl;
    if (sdl_->NumJoysticks() > 0)
        device_ = sdl_->JoystickOpen(0);
}

bool SdlJoystick::Present() const
{
    Start();
    return device_ != nullptr;
}

JoystickCaps SdlJoystick::Caps() const
{
    Start();
    return JoystickCapsForAxes(device_ ? sdl_->JoystickNumAxes(device_) : 0);
}

void SdlJoystick::Capture(JoystickListener* listener)
{
    Start();
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
    const int axes = sdl_->JoystickNumAxes(device_);
    if (axes > 0)
        s.x = Position(sdl_->JoystickGetAxis(device_, 0));
    if (axes > 1)
        s.y = Position(sdl_->JoystickGetAxis(device_, 1));
    if (axes > 2)
        s.z = Position(sdl_->JoystickGetAxis(device_, 2));
    const int buttons = std::min(sdl_->JoystickNumButtons(device_), 32);
    for (int b = 0; b < buttons; ++b)
        if (sdl_->JoystickGetButton(device_, b))
            s.buttons |= 1u << b;
    if (sdl_->JoystickNumHats(device_) > 0)
        s.pov = HatHundredths(sdl_->JoystickGetHat(device_, 0));
    return s;
}

void SdlJoystick::Poll()
{
    if (!listener_ || !device_)
        return;
    sdl_->JoystickUpdate();
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

#endif
