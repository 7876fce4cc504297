// pivora-play: plays a recorded command log against a line, for production
// test benches. One line per command with its result; the exit status says
// whether every command was acknowledged.
#include "CommandLink.h"
#include "CommandLogPlayer.h"
#include "ConsoleTimerIds.h"
#include "Prompter.h"
#include "PortNames.h"
#include "QtTimers.h"
#include "ReceiveStateMachine.h"
#include "SerialPort.h"
#include "SignalExit.h"
#include "SimHost.h"
#include "SimulatedCamera.h"
#include "SteadyClock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
// Messages go to the terminal; nobody is there to answer a question.
class TerminalPrompter : public Prompter {
public:
    MessageAnswer ShowMessage(const std::string& text, const std::string&, MessageButtons, MessageIcon,
                              MessageAnswer defaultAnswer) override
    {
        std::fprintf(stderr, "pivora-play: %s\n", text.c_str());
        return defaultAnswer;
    }
    bool GetText(const std::string&, const std::string&, bool, std::string&) override { return false; }
    std::string ChooseFile(const std::string&, const std::string&, FileChoice) override { return {}; }
};

enum Exit { kAllAcknowledged = 0, kNoAck = 1, kUsage = 2, kCannotPlay = 3 };

// The playback engine of the console on a bare line.
class Runner : public TimerHandler, public LineOwner, public LinkHost, public PlaybackHost {
public:
    Runner(SerialLine& line, TimerFactory& timers, const Clock& clock, int mode)
        : line_(line), timers_(timers.CreateTimers(*this)), link_(line, *timers_, *this), player_(*timers_, clock, *this)
    {
        link_.settings().mode = mode;
        link_.settings().protocol = 0;
        link_.settings().receiverType = 5;
        link_.sendingSuspended = false;
    }

    bool Start(std::vector<PlaybackRecord> records)
    {
        total_ = records.size();
        return player_.Start(std::move(records));
    }
    int exitCode() const { return exit_; }

    // TimerHandler
    void OnTimer(int id) override
    {
        switch (id) {
        case ConsoleTimer::PlaybackPacing: player_.OnPlaybackTimer(); break;
        case ConsoleTimer::PlaybackAckWait: player_.OnAckTimeout(); break;
        case ConsoleTimer::ReplyTimeout: link_.ReplyTimeout(); break;
        default: timers_->Stop(id); break;
        }
    }
    // LineOwner
    void CommQuietGap() override { receiver_.QuietGap(); }
    void CommRxByte(uint8_t byte) override
    {
        switch (receiver_.Feed(byte, link_.asciiReplyExpected, link_.settings().mode)) {
        case ReceiveStateMachine::Event::Ack:
            link_.Acknowledged();
            Report("ok");
            player_.Acknowledged();
            break;
        case ReceiveStateMachine::Event::Frame:
            link_.ReplyDecoded();
            if (receiver_.frame()[0] != kBinaryStart) {
                const uint8_t ack = kAck;
                line_.WriteToPort(&ack, 1);
            }
            break;
        case ReceiveStateMachine::Event::None:
            break;
        }
    }
    // LinkHost
    void ShowTxFrame(const uint8_t*, size_t, const char* text) override
    {
        receiver_.Reset();
        if (halting_) {
            std::printf("halt%s\n", text);
            std::fflush(stdout);
            return;
        }
        lastText_ = text;
        reported_ = false;
        ++sent_;
    }
    void ShowLinkMessage(const char* text) override { std::fprintf(stderr, "pivora-play: %s\n", text); }
    void SetCommErrorLamp(bool) override {}
    bool PlaybackRunning() const override { return player_.active(); }
    // PlaybackHost
    void PlaybackSetAddress(int address) override { link_.SetCameraAddress(address); }
    void PlaybackSend(std::string_view text) override { link_.SendCommand(text); }
    // The camera is halted at the end as by the console's Stop.
    void PlaybackHalt(std::string_view text) override
    {
        halting_ = true;
        link_.SendCommand(text);
        halting_ = false;
    }
    void PlaybackNoAck() override
    {
        std::printf("%zu/%zu%s  no ACK\n", sent_, total_, lastText_.c_str());
        std::fprintf(stderr, "\nPlay command:\n %s\nno ACK response!\n", lastText_.c_str());
        Finish(kNoAck);
    }
    void PlaybackFinished() override { Finish(kAllAcknowledged); }

private:
    void Report(const char* result)
    {
        if (reported_ || sent_ == 0)
            return;
        reported_ = true;
        std::printf("%zu/%zu%s  %s\n", sent_, total_, lastText_.c_str(), result);
        std::fflush(stdout);
    }
    void Finish(int code)
    {
        exit_ = code;
        std::fflush(stdout);
        QCoreApplication::exit(code);
    }

    SerialLine& line_;
    std::unique_ptr<Timers> timers_;
    CommandLink link_;
    CommandLogPlayer player_;
    ReceiveStateMachine receiver_;
    std::string lastText_;
    bool reported_ = true;
    bool halting_ = false;
    size_t sent_ = 0;
    size_t total_ = 0;
    int exit_ = kAllAcknowledged;
};
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pivora-play"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PIVORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays a command log recorded by the console (0xF8 frame mode) against a camera line.\n"
        "Exit status: 0 every command acknowledged, 1 a command was not, 2 usage, 3 the log cannot be played,\n"
        "128 + the signal when ended by SIGTERM or SIGINT."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The recorded log."));
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serial device of the camera line, or tcp://host:port or rfc2217://host:port of a serial device server."),
                                  QStringLiteral("PATH"));
    QCommandLineOption simulateOption(QStringLiteral("simulate"),
                                      QStringLiteral("Play against a built-in simulated camera."));
    QCommandLineOption modeOption(QStringLiteral("mode"),
                                  QStringLiteral("Frame mode of the camera's replies: 0 or 1 (default 1)."),
                                  QStringLiteral("M"), QStringLiteral("1"));
    QCommandLineOption baudOption(QStringLiteral("baud"), QStringLiteral("Line speed (default 9600)."),
                                  QStringLiteral("BAUD"), QStringLiteral("9600"));
    QCommandLineOption addressOption(QStringLiteral("sim-address"),
                                     QStringLiteral("Address of the simulated camera (default 1)."),
                                     QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({portOption, simulateOption, modeOption, baudOption, addressOption});
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() != 1 || (parser.isSet(portOption) == parser.isSet(simulateOption))) {
        std::fprintf(stderr, "pivora-play: give one log file and either --port PATH or --simulate\n");
        return kUsage;
    }
    const int mode = parser.value(modeOption).toInt() != 0 ? 1 : 0;

    std::string contents;
    switch (ReadCommandLogFile(files[0].toStdString(), contents)) {
    case CommandLogRead::CannotOpen:
        std::fprintf(stderr, "pivora-play: Can not open the specified file. Check and try again.\n");
        return kCannotPlay;
    case CommandLogRead::TooLarge:
        std::fprintf(stderr, "pivora-play: Parse log file failed!\n");
        return kCannotPlay;
    case CommandLogRead::Ok:
        break;
    }
    CommandLogParse parse = ParseCommandLog(contents);
    if (!parse.ok) {
        if (!parse.checksumMessage.empty())
            std::fprintf(stderr, "pivora-play: %s", parse.checksumMessage.c_str());
        std::fprintf(stderr, "pivora-play: Parse log file failed!\n");
        return kCannotPlay;
    }
    if (parse.records.empty()) {
        std::fprintf(stderr, "pivora-play: the log holds no command to play\n");
        return kCannotPlay;
    }

    SteadyClock simClock;
    std::unique_ptr<SimulatedCamera> simulated;
    SimHost host;
    std::string device = parser.value(portOption).toStdString();
    if (parser.isSet(simulateOption)) {
        SimOptions options;
        options.address = parser.value(addressOption).toInt();
        options.mode = mode;
        simulated = std::make_unique<SimulatedCamera>(simClock, options);
        if (!host.Start(*simulated)) {
            std::fprintf(stderr, "pivora-play: the simulated camera could not be started: %s\n", host.error().c_str());
            return kCannotPlay;
        }
        device = host.portName();
    }

    TerminalPrompter prompter;
    QtClock clock;
    QtTimerFactory timers;
    SerialPort port(prompter);
    Runner runner(port, timers, clock, mode);
    LineParameters p;
    p.device = device;
    p.baud = parser.value(baudOption).toInt();
    p.parity = 'N';
    p.dataBits = 8;
    p.stopBits = 1;
    if (!port.OpenPort(&runner, p) || !port.StartMonitoring()) {
        std::fprintf(stderr, "pivora-play: %s\n", PortMissingMessage(1, device).c_str());
        return kCannotPlay;
    }
    if (!runner.Start(std::move(parse.records)))
        return kCannotPlay;
    // SIGTERM and SIGINT end the run with 128 + the signal. The port (and
    // its last frames, the halt among them) goes before the simulated
    // camera's terminal does.
    SignalExit signalExit(true);
    const int code = app.exec();
    if (signalExit.signal())
        std::fprintf(stderr, "pivora-play: interrupted\n");
    return code;
}
