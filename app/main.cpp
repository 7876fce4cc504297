// pivora: the operator's console.
#include "ConsoleDialog.h"
#include "ConsoleSettings.h"
#include "DataFolder.h"
#include "ModalRunner.h"
#include "QtPrompter.h"
#include "QtSettingsStore.h"
#include "QtTimers.h"
#include "PtCommand.h"
#include "SdlJoystick.h"
#include "SerialPort.h"
#include "SignalExit.h"
#include "SimHost.h"
#include "SimulatedCamera.h"
#include "SteadyClock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vexa"));
    QApplication::setApplicationName(QStringLiteral("Pivora"));
    QApplication::setApplicationVersion(QStringLiteral(PIVORA_VERSION));
    PtCommandEventType();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Operator's console for serial-line pan/tilt/zoom cameras."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption portOption(QStringLiteral("port"),
                                  QStringLiteral("Serial device to use for this run (not stored), or tcp://host:port or rfc2217://host:port of a serial device server."),
                                  QStringLiteral("PATH"));
    QCommandLineOption simulateOption(QStringLiteral("simulate"),
                                      QStringLiteral("Drive a built-in simulated camera at address 1."));
    QCommandLineOption dataOption(QStringLiteral("data-dir"),
                                  QStringLiteral("Folder for the data files (Dome.dat, PRESET.DAT, ...)."),
                                  QStringLiteral("DIR"));
    parser.addOption(portOption);
    parser.addOption(simulateOption);
    parser.addOption(dataOption);
    parser.process(app);

    QtSettingsStore store;
    ConsoleSettings settings;
    // The defaults a first start writes back reach the settings file in one
    // write, once the console has started (below).
    store.BeginBatch();
    LoadSettings(store, settings, ConsolePresetNames());

    QtPrompter prompter;
    ExecModalRunner modal;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port(prompter);
    DataFolder data(parser.value(dataOption).toStdString());
    SdlJoystick joystick;

    std::string portOverride = parser.value(portOption).toStdString();

    // The simulated camera runs on its own pseudo-terminal (on Windows the
    // loopback TCP port), with the frame mode and types of the current settings.
    SteadyClock simClock;
    std::unique_ptr<SimulatedCamera> simulated;
    SimHost host;
    if (parser.isSet(simulateOption)) {
        SimOptions options;
        options.address = 1;
        options.mode = settings.mode;
        options.receiverType = settings.receiverType;
        options.cameraType = settings.cameraType;
        options.protocol = settings.protocol;
        simulated = std::make_unique<SimulatedCamera>(simClock, options);
        if (host.Start(*simulated))
            portOverride = host.portName();
        else
            static_cast<Prompter&>(prompter).ShowMessage("The simulated camera could not be started:\n" + host.error(), ApplicationTitle());
    }

    // SIGTERM and SIGINT end the run cleanly whatever window is open; the
    // console, then the port (its thread stopped, the device released) and
    // the simulated camera are destroyed on the way out.
    SignalExit signalExit;
    // What waits until the console's first request is on the line: the
    // write of a first start's defaults, and the window's first painting
    // (painting the whole console takes longer than the 5 ms the request
    // waits, and the camera can answer meanwhile).
    QWidget* window = nullptr;
    auto started = [&store, &window] {
        if (window)
            window->setUpdatesEnabled(true);
        store.EndBatch();
    };
    ConsoleDialog console(ConsoleServices{store, prompter, modal, clock, timers, port, data, portOverride, &joystick,
                                          started},
                          settings);
    prompter.SetParent(&console);
    if (signalExit.signal()) {
        store.EndBatch();
        return signalExit.exitCode();
    }
    window = &console;
    console.setUpdatesEnabled(false);
    console.show();
    const int result = app.exec();
    host.Stop();
    return result;
}
