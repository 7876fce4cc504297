#include "ConsoleDialog.h"

#include "AddressRange.h"
#include "ConsoleTimerIds.h"
#include "PortNames.h"
#include "StatusPoll.h"
#include "Prompter.h"
#include "TrafficText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* MakeStrip(QWidget* parent, const char* name, const char* text)
{
    auto* strip = new QLabel(QString::fromLatin1(text), parent);
    strip->setObjectName(QString::fromLatin1(name));
    strip->setAccessibleName(QString::fromLatin1(text).trimmed());
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setAutoFillBackground(true);
    strip->setStyleSheet(QStringLiteral("QLabel { background: black; color: rgb(0, 255, 0); }"));
    QFont f = strip->font();
    f.setPointSize(8);
    strip->setFont(f);
    strip->setMinimumWidth(360);
    strip->setFixedHeight(17);
    strip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return strip;
}
} // namespace

ConsoleDialog::ConsoleDialog(ConsoleServices services, const ConsoleSettings& settings, QWidget* parent)
    : QDialog(parent),
      services_(std::move(services)),
      settings_(settings),
      timers_(services_.timers.CreateTimers(*this)),
      link_(services_.line, *timers_, *this)
{
    // Nothing leaves the port until the window has been built.
    link_.sendingSuspended = true;
    BuildWindow();
    Initialise();
}

ConsoleDialog::~ConsoleDialog() = default;

void ConsoleDialog::BuildWindow()
{
    setWindowTitle(QString::fromLatin1(ApplicationTitle()));
    auto* layout = new QVBoxLayout(this);
    transmitStrip_ = MakeStrip(this, "TransmitStrip", " Transmit data");
    receiveStrip_ = MakeStrip(this, "ReceiveStrip", " Receive data");
    layout->addWidget(transmitStrip_);
    layout->addWidget(receiveStrip_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setAccessibleName(QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    layout->addLayout(row);
}

void ConsoleDialog::ApplyLinkSettings()
{
    LinkSettings& l = link_.settings();
    l.mode = settings_.mode;
    l.protocol = settings_.protocol;
    l.receiverType = settings_.receiverType;
}

void ConsoleDialog::Initialise()
{
    ApplyLinkSettings();
    link_.linkReady = true;
    link_.linkFree = true;
    OpenConsolePort();
    // The lowest address the protocol allows.
    link_.SetCameraAddress(AddressRangeForProtocol(settings_.protocol).minimum);
    link_.sendingSuspended = false;
    StartStartupRequests();
}

// The first requests after start-up: the address, then latch and camera status.
void ConsoleDialog::StartStartupRequests()
{
    using namespace ConsoleTimer;
    timers_->Start(StartupFirst, 5);
    if (settings_.receiverType == 12) {
        timers_->Start(StartupA, 500);
        timers_->Start(StartupB, 1000);
        timers_->Start(StartupC, 2500);
    } else {
        timers_->Start(StartupC, 500);
        timers_->Start(StatusRequest, 1500);
    }
}

bool ConsoleDialog::OpenConsolePort()
{
    LineParameters p;
    p.device = PortDeviceName(settings_.port, settings_.portName, services_.portOverride);
    p.portNumber = settings_.port;
    p.baud = BaudRateForIndex(settings_.baudIndex);
    p.parity = ParityForProtocol(settings_.protocol);
    p.dataBits = 8;
    p.stopBits = 1;
    p.eventMask = 9;
    p.writeBufferSize = 128;
    if (!services_.line.OpenPort(this, p)) {
        services_.prompter.ShowMessage(PortMissingMessage(settings_.port, p.device), ApplicationTitle());
        return false;
    }
    services_.line.StartMonitoring();
    return true;
}

void ConsoleDialog::OnTimer(int id)
{
    if (id == ConsoleTimer::QueueService) {
        link_.ServiceQueue();
        return;
    }
    if (id == ConsoleTimer::ReplyTimeout) {
        link_.ReplyTimeout();
        return;
    }
    // Every other timer of the console is a one-shot.
    timers_->Stop(id);
    switch (id) {
    case ConsoleTimer::TxLampOff:
        txLamp_ = false;
        break;
    case ConsoleTimer::RxLampOff:
        rxLamp_ = false;
        break;
    case ConsoleTimer::StartupFirst:
        link_.broadcastOnce = true;
        link_.SendCommand("A?");
        break;
    case ConsoleTimer::StartupA:
        link_.SendCommand("mss");
        break;
    case ConsoleTimer::StartupB:
        link_.SendCommand("mRS");
        break;
    case ConsoleTimer::StartupC:
        link_.SendCommand("L?");
        break;
    case ConsoleTimer::StatusRequest:
        if (const char* poll = StatusPollCommand(settings_.receiverType, videoSource_, settings_.protocol))
            link_.SendCommand(poll);
        break;
    default:
        break;
    }
}

void ConsoleDialog::FlashRxLamp()
{
    rxLamp_ = true;
    timers_->Start(ConsoleTimer::RxLampOff, 50);
}

void ConsoleDialog::CommRxByte(uint8_t byte)
{
    switch (receiver_.Feed(byte, link_.asciiReplyExpected, link_.settings().mode)) {
    case ReceiveStateMachine::Event::Ack:
        link_.Acknowledged();
        FlashRxLamp();
        receiveStrip_->setText(QStringLiteral(" Ack"));
        break;
    case ReceiveStateMachine::Event::Frame:
        OnReplyFrame(receiver_.frame(), receiver_.frameLength());
        break;
    case ReceiveStateMachine::Event::None:
        break;
    }
}

void ConsoleDialog::OnReplyFrame(const uint8_t* frame, size_t length)
{
    link_.ReplyDecoded();
    char text[kRxTextSize];
    FormatRxFrame(frame, length, link_.settings().mode, text);
    FlashRxLamp();
    receiveStrip_->setText(QString::fromLatin1(text));
    if (frame[0] != 0xFF) {
        const uint8_t ack = kAck;
        services_.line.WriteToPort(&ack, 1);
    }
    link_.linkFree = true;
}

void ConsoleDialog::ShowTxFrame(const uint8_t*, size_t, const char* text)
{
    // The write purges unread input, so a reply half-assembled now can never
    // end; start the next one afresh.
    receiver_.Reset();
    timers_->Start(ConsoleTimer::TxLampOff, 50);
    txLamp_ = true;
    receiveStrip_->clear();
    transmitStrip_->setText(QString::fromLatin1(text));
}

void ConsoleDialog::ShowLinkMessage(const char* text)
{
    services_.prompter.ShowMessage(text, ApplicationTitle());
}
