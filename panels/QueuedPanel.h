#pragma once
#include "ReplyRouting.h"
#include "TabKeyDialog.h"
#include "Timers.h"

#include <memory>
#include <string>
#include <string_view>

class PanelHost;

// A feature panel that sends through the console's command queue: the
// newest command wins, the panel pumps the queue on its own timer 10 and
// waits for each reply (or its time-out on timer 11), and timer 12 sends
// the first status request after opening. A panel is its control table,
// its Fill (the opening) and its OnPanelReply.
class QueuedPanel : public TabKeyDialog, public TimerHandler, public ReplyReceiver {
    Q_OBJECT
public:
    struct Timing {
        int sendMs = 50;          // PanelSendTimer
        int replyTimeoutMs = 2000; // PanelReplyTimeout
        int statusMs = 500;       // PanelStatusTimer, after opening
    };
    static constexpr int kSendTimer = 10;
    static constexpr int kReplyTimeout = 11;
    static constexpr int kStatusTimer = 12;

    QueuedPanel(PanelHost& host, const QString& title, Timing timing, QWidget* parent = nullptr);
    ~QueuedPanel() override;

    // The opening: controls into their first state while filling, then the
    // first status request on timer 12. The console calls it before the run.
    void Open();

    // Newest wins: any command not sent yet is dropped. Nothing while filling.
    void Enqueue(std::string_view text);
    bool filling() const { return filling_; }

    // Closing ends the pump and every timer of the panel.
    void done(int result) override;

    // TimerHandler
    void OnTimer(int id) override;
    // ReplyReceiver
    void OnReply(const uint8_t* frame, size_t length) override { OnPanelReply(frame, length); }

protected:
    virtual void Fill() = 0;
    virtual void OnPanelReply(const uint8_t* frame, size_t length) = 0;
    // The first status request; most panels ask with one text.
    virtual void RequestStatus() = 0;
    // Other timers of the panel.
    virtual void OnPanelTimer(int id) { timers().Stop(id); }
    // The panel's own timers stop here when it closes.
    virtual void PanelClosed() {}

    PanelHost& host() { return host_; }
    Timers& timers() { return *timers_; }
    // Starts the pump after a caller queued something itself (a Javelin record).
    void StartPump();

    // A guard that holds PanelFilling while controls are set from code.
    struct Filling {
        explicit Filling(QueuedPanel& p) : panel(p), was(p.filling_) { p.filling_ = true; }
        ~Filling() { panel.filling_ = was; }
        QueuedPanel& panel;
        bool was;
    };

private:
    void Pump();

    PanelHost& host_;
    Timing timing_;
    std::unique_ptr<Timers> timers_;
    bool filling_ = false;
};
