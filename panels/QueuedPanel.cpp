#include "QueuedPanel.h"

#include "CommandLink.h"
#include "PanelHost.h"

QueuedPanel::QueuedPanel(PanelHost& host, const QString& title, Timing timing, QWidget* parent)
    : TabKeyDialog(parent), host_(host), timing_(timing), timers_(host.timerFactory().CreateTimers(*this))
{
    setWindowTitle(title);
}

QueuedPanel::~QueuedPanel() = default;

void QueuedPanel::Open()
{
    {
        Filling filling(*this);
        Fill();
    }
    timers_->Start(kStatusTimer, timing_.statusMs);
}

void QueuedPanel::done(int result)
{
    for (int id : {kSendTimer, kReplyTimeout, kStatusTimer})
        timers_->Stop(id);
    PanelClosed();
    TabKeyDialog::done(result);
}

void QueuedPanel::Enqueue(std::string_view text)
{
    if (filling_)
        return;
    CommandLink& link = host_.link();
    link.queue().DiscardWaiting();
    link.queue().Enqueue(text);
    StartPump();
}

void QueuedPanel::StartPump()
{
    timers_->Start(kSendTimer, timing_.sendMs);
}

void QueuedPanel::Pump()
{
    CommandLink& link = host_.link();
    const bool released = link.linkReady && link.linkFree;
    if (link.queue().Empty()) {
        if (released) {
            timers_->Stop(kSendTimer);
            timers_->Stop(kReplyTimeout);
        }
        return;
    }
    if (!released || filling_)
        return;
    link.linkReady = false;
    if (!link.SendNextQueued()) {
        // Refused by the sender: nothing waits for an answer.
        link.linkReady = true;
        link.linkFree = true;
        return;
    }
    host_.replyFlags().panelReplyPending = true;
    timers_->Start(kReplyTimeout, timing_.replyTimeoutMs);
}

void QueuedPanel::OnTimer(int id)
{
    switch (id) {
    case kSendTimer:
        Pump();
        break;
    case kReplyTimeout:
        timers_->Stop(kReplyTimeout);
        host_.link().linkReady = true;
        host_.link().linkFree = true;
        break;
    case kStatusTimer:
        timers_->Stop(kStatusTimer);
        RequestStatus();
        break;
    default:
        OnPanelTimer(id);
        break;
    }
}
