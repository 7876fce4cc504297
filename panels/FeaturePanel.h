#pragma once
#include "PanelForm.h"
#include "PanelPump.h"
#include "ReplyRouting.h"
#include "TabKeyDialog.h"
#include "Timers.h"

#include <memory>
#include <string_view>

class PanelHost;

// A camera feature panel or queued dialog: its controls are one table (the
// form), its sends follow its SendPolicy (queued or direct, newest-wins or
// appending, which reply flag, which timers), and the console hands it the
// replies it waits for. A panel is its control table, its Fill (the
// opening), its status request and its reply operation.
class FeaturePanel : public TabKeyDialog, public TimerHandler, public ReplyReceiver {
    Q_OBJECT
public:
    FeaturePanel(PanelHost& host, const QString& title, const SendPolicy& policy, QWidget* parent = nullptr);
    ~FeaturePanel() override;

    // The opening: the controls take their first state while filling, then
    // the first status request goes on the status timer.
    void Open();

    // Queued, or sent at once for a direct panel. Nothing while filling,
    // unless the policy queues while filling.
    void Enqueue(std::string_view text);
    // Sent at once outside the queue, with the panel's reply flag set.
    void SendNow(std::string_view text);
    bool filling() const { return pump_.filling(); }

    // Closing ends the pump and every timer of the panel, and releases a
    // link that still waits for the panel's reply.
    void done(int result) override;

    void OnTimer(int id) override;
    void OnReply(const uint8_t* frame, size_t length) override { OnPanelReply(frame, length); }

    PanelHost& host() { return host_; }
    const PanelHost& host() const { return host_; }

    // Holds PanelFilling while the panel sets its controls from code.
    class Filling {
    public:
        explicit Filling(FeaturePanel& p) : pump_(p.pump_), was_(p.pump_.filling()) { pump_.SetFilling(true); }
        ~Filling() { pump_.SetFilling(was_); }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        PanelPump& pump_;
        bool was_;
    };

protected:
    virtual void Fill() {}
    // Runs once the controls are filled (filling over, so it may queue),
    // before the first status request is timed.
    virtual void Opened() {}
    virtual void RequestStatus() {}
    virtual void OnPanelReply(const uint8_t* frame, size_t length) = 0;
    // Timers of the panel's own (the pump's and the status timer excepted).
    virtual void OnPanelTimer(int id) { timers().Stop(id); }
    virtual void PanelClosed() {}

    Timers& timers() { return *timers_; }
    PanelPump& pump() { return pump_; }
    PanelForm& form() { return form_; }
    // Every member back into its control, nothing sent; then the enabling rules.
    void Show() { form_.Show(); }

private:
    PanelHost& host_;
    std::unique_ptr<Timers> timers_;
    PanelPump pump_;
    PanelForm form_;
};
