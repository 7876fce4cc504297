#include "FeaturePanel.h"

#include "PanelHost.h"
#include "Prompter.h"

FeaturePanel::FeaturePanel(PanelHost& host, const QString& title, const SendPolicy& policy, QWidget* parent)
    : TabKeyDialog(parent), host_(host), timers_(host.timerFactory().CreateTimers(*this)),
      pump_(host.link(), host.replyFlags(), *timers_, policy), form_(*this)
{
    setWindowTitle(title);
    pump_.showMessage = [this](const char* text) { host_.prompter().ShowMessage(text, ApplicationTitle()); };
}

FeaturePanel::~FeaturePanel() = default;

void FeaturePanel::Open()
{
    {
        Filling filling(*this);
        Fill();
        form_.Show();
    }
    Opened();
    if (pump_.policy().statusMs >= 0)
        timers_->Start(pump_.policy().statusTimer, pump_.policy().statusMs);
}

void FeaturePanel::Enqueue(std::string_view text)
{
    pump_.Enqueue(text);
}

void FeaturePanel::SendNow(std::string_view text)
{
    pump_.SendNow(text);
}

void FeaturePanel::done(int result)
{
    PanelClosed();
    pump_.Close();
    TabKeyDialog::done(result);
}

void FeaturePanel::OnTimer(int id)
{
    if (pump_.OnTimer(id))
        return;
    if (pump_.policy().statusMs >= 0 && id == pump_.policy().statusTimer) {
        timers_->Stop(id);
        RequestStatus();
        return;
    }
    OnPanelTimer(id);
}
