#include "HiDefPanel.h"

namespace {
SendPolicy Policy()
{
    SendPolicy p;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = 50;
    return p;
}

const QStringList kZoomRanges = {"Off (1X)", "1.5X", "2X", "4X", "8X", "12X"};
const QStringList kExposures = {"0dB", "3dB", "6dB", "9dB"};
const QStringList kVideoModes = {"1080/59.94i", "720/59.94p", "NTSC(CROP)", "NTSC(SQ)",
                                 "1080/50i",    "720/50p",    "PAL(CROP)",  "PAL(SQ)"};
} // namespace

HiDefPanel::HiDefPanel(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("DSP HIDEF"), Policy(), parent)
{
    setObjectName(QStringLiteral("HiDefPanel"));
    HiDefMembers& m = m_;
    auto exposure = [](int index) { return std::string("ce") + HiDefExposureCharacter(index); };
    // A step up or down, and the camera's status half a second later.
    auto step = [this](const char* body) {
        return [this, body](int) {
            timers().Start(kExposureStatusTimer, kExposureStatusMs);
            return std::string(body);
        };
    };

    form().column()
        .group("Digital Zoom Range")
            .list("Digital Zoom Range", m.zoomRange, PadLeft(kZoomRanges), Digit("cD"))
        .group("Exposure Control", 4)
            .list("Exposure", m.exposure, PadLeft(kExposures), exposure)
            .hold("U", step("ceu"))
            .hold("D", step("ced"))
        .group("Video Mode")
            .list("Video Mode", m.videoMode, PadLeft(kVideoModes), Digit("cv"))
        .bottom()
        .group(QString(), 2)
            .button("Status ?", Fixed("cDS")).name("StatusQuery")
            .button("Cancel", [this] { reject(); });
}

void HiDefPanel::RequestStatus()
{
    Enqueue("cDS");
}

void HiDefPanel::OnPanelReply(const uint8_t* frame, size_t length)
{
    DecodeHiDefReply(frame, length, m_);
    Show();
}

void HiDefPanel::OnPanelTimer(int id)
{
    timers().Stop(id);
    if (id == kExposureStatusTimer)
        Enqueue("cDS");
}

void HiDefPanel::PanelClosed()
{
    timers().Stop(kExposureStatusTimer);
}
