#pragma once
#include "CommandLink.h"
#include "ConsoleServices.h"
#include "ConsoleSettings.h"
#include "Line.h"
#include "ReceiveStateMachine.h"
#include "Timers.h"

#include <QDialog>
#include <memory>

class QLabel;

// The console: the program's one main window and the holder of the state
// every other window shares (settings, the line, the command queue).
class ConsoleDialog : public QDialog, public TimerHandler, public LineOwner, public LinkHost {
    Q_OBJECT
public:
    ConsoleDialog(ConsoleServices services, const ConsoleSettings& settings, QWidget* parent = nullptr);
    ~ConsoleDialog() override;

    // Sending: direct, prefixed, raw, and queued (console form).
    int SendCommand(std::string_view text) { return link_.SendCommand(text); }
    int SendPrefixedCommand(std::string_view text) { return link_.SendPrefixedCommand(text); }
    void SendRawBytes(const uint8_t* bytes, size_t length) { link_.SendRawBytes(bytes, length); }
    void EnqueueCommand(std::string_view text, int queueTimerMs = 5) { link_.EnqueueCommand(text, queueTimerMs); }

    CommandLink& link() { return link_; }
    Timers& timers() { return *timers_; }
    ConsoleSettings& settings() { return settings_; }
    ConsoleServices& services() { return services_; }
    bool commErrorLamp() const { return commErrorLamp_; }
    bool portOpen() const { return services_.line.IsOpen(); }

    // Opens the line with the current settings; shows "Port ... does not
    // exist!" and carries on without it when it cannot be opened.
    bool OpenConsolePort();

    // TimerHandler
    void OnTimer(int id) override;
    // LineOwner
    void CommRxByte(uint8_t byte) override;
    // LinkHost
    void ShowTxFrame(const uint8_t* frame, size_t length, const char* text) override;
    void ShowLinkMessage(const char* text) override;
    void SetCommErrorLamp(bool on) override { commErrorLamp_ = on; }

private:
    void BuildWindow();
    void Initialise();
    void ApplyLinkSettings();
    void StartStartupRequests();
    void FlashRxLamp();
    void OnReplyFrame(const uint8_t* frame, size_t length);

    ConsoleServices services_;
    ConsoleSettings settings_;
    std::unique_ptr<Timers> timers_;
    CommandLink link_;
    ReceiveStateMachine receiver_;
    int videoSource_ = 0; // 0 left, 1 right (receiver type 12)
    bool commErrorLamp_ = false;
    bool txLamp_ = false;
    bool rxLamp_ = false;

    QLabel* transmitStrip_ = nullptr;
    QLabel* receiveStrip_ = nullptr;
};
