#pragma once
#include "Joystick.h"

#include <QObject>
#include <QTimer>
#include <memory>

struct _SDL_Joystick;
struct SdlFunctions;

// The first joystick SDL finds, polled on the user-interface thread while a
// window has captured it. SDL is loaded and started when the joystick is
// first asked for, not with the program: its library brings in dozens of
// others (sound servers, display servers) that start-up need not wait for.
class SdlJoystick : public QObject, public JoystickSource {
    Q_OBJECT
public:
    SdlJoystick();
    ~SdlJoystick() override;

    bool Present() const override;
    JoystickCaps Caps() const override;
    void Capture(JoystickListener* listener) override;
    void Release() override;

private:
    // Loads SDL and opens the first joystick, once.
    void Start() const;
    void Poll();
    JoystickSample Read() const;

    mutable bool started_ = false;
    mutable const SdlFunctions* sdl_ = nullptr; // null when SDL is missing or would not start
    mutable _SDL_Joystick* device_ = nullptr;
    JoystickListener* listener_ = nullptr;
    JoystickSample last_;
    QTimer timer_;
};
