#pragma once
#include "FeaturePanel.h"
#include "WipeCodec.h"

// "Wipe Setup": the wiper's run and delay times and its module. Commands
// are queued in turn; "mw?" after opening asks for the settings. Built for
// each opening.
class WipePanel : public FeaturePanel {
    Q_OBJECT
public:
    explicit WipePanel(PanelHost& host, QWidget* parent = nullptr);

    const WipeMembers& members() const { return m_; }

protected:
    void RequestStatus() override { Enqueue("mw?"); }
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    WipeMembers m_;
};
