#pragma once
#include "Joystick.h"

#include <QObject>
#include <QTimer>

struct _SDL_Joystick;

// The first joystick SDL finds, polled on the user-interface thread while a
// window has captured it.
class SdlJoystick : public QObject, public JoystickSource {
    Q_OBJECT
public:
    SdlJoystick();
    ~SdlJoystick() override;

    bool Present() const override { return device_ != nullptr; }
    JoystickCaps Caps() const override;
    void Capture(JoystickListener* listener) override;
    void Release() override;

private:
    void Poll();
    JoystickSample Read() const;

    _SDL_Joystick* device_ = nullptr;
    bool initialised_ = false;
    JoystickListener* listener_ = nullptr;
    JoystickSample last_;
    QTimer timer_;
};
