#pragma once
#include <functional>
#include <string>

class Clock;
class DataFolder;
class JoystickSource;
class ModalRunner;
class Prompter;
class SerialLine;
class SettingsStore;
class TimerFactory;

// Everything the console and its dialogs reach outside themselves. The
// program hands in the real ones; tests hand in fakes and the manual clock.
struct ConsoleServices {
    SettingsStore& settings;
    Prompter& prompter;
    ModalRunner& modal;
    Clock& clock;
    TimerFactory& timers;
    SerialLine& line;
    DataFolder& data;
    std::string portOverride;          // --port, used for this run only
    JoystickSource* joystick = nullptr; // none in tests and on machines without one
    // Called once the console has started, its first request on the line:
    // the program does here what need not hold that request back.
    std::function<void()> started = {};
};
