#pragma once
#include "FeaturePanel.h"

#include <string>

class QLineEdit;

// "Send Pan/Tilt Commands to Pan/Tilt Module": a line in which the operator
// types a raw command for the pan/tilt module; "Send" queues it with the
// prefix "#" (a receiver of type 9100 gets it as a '#' frame).
class PtModuleDialog : public FeaturePanel {
    Q_OBJECT
public:
    explicit PtModuleDialog(PanelHost& host, QWidget* parent = nullptr);

protected:
    void OnPanelReply(const uint8_t*, size_t) override {}

private:
    void OnSend();

    std::string command_;
    QLineEdit* box_ = nullptr;
};
