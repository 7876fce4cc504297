#pragma once
#include "ConsoleDialog.h"
#include "DataFolder.h"
#include "FakeLine.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "ScriptedModalRunner.h"
#include "ScriptedPrompter.h"

#include <QTemporaryDir>
#include <memory>

// A console built on fakes and the manual clock, for widget tests.
struct TestConsole {
    explicit TestConsole(ConsoleSettings s = {}, bool portOpens = true, JoystickSource* joystick = nullptr)
    {
        line.openSucceeds = portOpens;
        settings = s;
        console = std::make_unique<ConsoleDialog>(
            ConsoleServices{store, prompter, modal, clock, clock, line, data, {}, joystick, [this] { ++started; }},
            settings);
    }

    std::vector<FakeLine::Bytes> Written() const { return line.written; }

    MemorySettingsStore store;
    ScriptedPrompter prompter;
    ScriptedModalRunner modal;
    ManualClock clock;
    FakeLine line;
    QTemporaryDir dataDir;
    DataFolder data{dataDir.path().toStdString()};
    ConsoleSettings settings;
    int started = 0; // the console's started hook ran
    std::unique_ptr<ConsoleDialog> console;
};
