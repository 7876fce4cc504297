#pragma once
#include "FeaturePanel.h"
#include "WashCodec.h"

// "Wash Setup": the washer's wash time, manual wash and automatic wash
// frequency (the wipe time it sends with them has a hidden box that keeps
// its value). Commands are queued in turn; "mW?" after opening asks for
// the settings. Built for each opening.
class WashPanel : public FeaturePanel {
    Q_OBJECT
public:
    explicit WashPanel(PanelHost& host, QWidget* parent = nullptr);

    const WashMembers& members() const { return m_; }

protected:
    void RequestStatus() override { Enqueue("mW?"); }
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    WashMembers m_;
};
