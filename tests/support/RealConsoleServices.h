#pragma once
#include "ConsoleServices.h"
#include "ConsoleSettings.h"
#include "DataFolder.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"
#include "SerialPort.h"

#include <QString>
#include <string>

// What the program hands the console, the real ones (settings store, serial
// port, timers, data folder), with the operator's answers scripted: for
// end-to-end tests that build their own console.
struct RealConsoleServices {
    explicit RealConsoleServices(const QString& dataFolder) : data(dataFolder.toStdString()) {}

    // The services for a console on the given device.
    ConsoleServices For(const std::string& device)
    {
        return ConsoleServices{store, prompter, modal, clock, timers, port, data, device, nullptr};
    }

    QtSettingsStore store;
    ScriptedPrompter prompter;
    ScriptedModalRunner modal;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port{prompter};
    DataFolder data;
    ConsoleSettings settings;
};
