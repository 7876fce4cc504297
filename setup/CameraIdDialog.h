#pragma once
#include "CameraIdCodec.h"
#include "FeaturePanel.h"

#include <array>

class LimitedLineEdit;

// "Program Camera ID": the two ID lines, the three alarm lines and the
// maintenance text that the receiver or the camera writes into its
// picture, with their switches, and the 8270 camera's on-screen menu
// remote. Every control sends at once when used, directly or through the
// queue; the dialog reads no replies and keeps nothing between openings.
class CameraIdDialog : public FeaturePanel {
    Q_OBJECT
public:
    static constexpr int kSendTimer = 1, kReplyTimer = 2, kInitTimer = 10;

    CameraIdDialog(PanelHost& host, int receiverType, QWidget* parent = nullptr);

    const CameraIdMembers& members() const { return m_; }

protected:
    void OnPanelReply(const uint8_t*, size_t) override {}
    void OnPanelTimer(int id) override;
    void PanelClosed() override;

private:
    LimitedLineEdit* LineBox(int line);
    void OnToggled(IdToggle toggle);
    void Send(const IdCommand& command);
    void SendLine(int line);
    void OnClearAllIds();
    void OnInitAllIds();
    void Apply(const IdBatch& batch);

    CameraIdMembers m_;
    int receiverType_;
    std::array<LimitedLineEdit*, kIdLines> lines_{};
};
