#pragma once
#include "FeaturePanel.h"
#include "IlluminatorCodec.h"

// "Illuminator Control": the infrared illuminator on or off and its mode.
// Commands are queued in turn; "imS" half a second after opening asks for
// the state. Built for each opening.
class IlluminatorPanel : public FeaturePanel {
    Q_OBJECT
public:
    explicit IlluminatorPanel(PanelHost& host, QWidget* parent = nullptr);

    const IlluminatorMembers& members() const { return m_; }

protected:
    void RequestStatus() override { Enqueue("imS"); }
    void OnPanelReply(const uint8_t* frame, size_t length) override;

private:
    IlluminatorMembers m_;
};
