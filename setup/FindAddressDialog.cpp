#include "FindAddressDialog.h"

#include "CommandLink.h"
#include "PanelHost.h"
#include "Prompter.h"

#include <QLabel>
#include <QProgressBar>

namespace {
// The search polls on its own timer and sends each poll at once.
SendPolicy Policy()
{
    SendPolicy p;
    p.direct = true;
    p.flag = PendingFlag::None;
    p.timesOut = false;
    p.sendTimer = FindAddressDialog::kSearchTimer;
    p.sendMs = AddressSearch::kTickMs;
    p.statusMs = -1;
    return p;
}
} // namespace

FindAddressDialog::FindAddressDialog(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Find Camera Address"), Policy(), parent)
{
    setObjectName(QStringLiteral("FindAddressDialog"));
    host.link().SetCameraAddress(1);
    progress_ = new QProgressBar(this);
    progress_->setTextVisible(true);
    progress_->setMinimumWidth(280);
    status_ = new QLabel(this);
    status_->setMinimumHeight(status_->fontMetrics().height());
    form().column()
        .group(QString(), 1)
            .label(QStringLiteral("Finding Camera Address - Please Wait.."))
            .custom(QStringLiteral("Progress"), progress_, false)
            .custom(QStringLiteral("Response"), status_, false)
        .group(QString(), 2)
            .button(QStringLiteral("OK"), [this] { accept(); }).enabledWhen([this] { return search_.found; })
            .button(QStringLiteral("Cancel"), [this] { reject(); });
}

void FindAddressDialog::Fill()
{
    progress_->setRange(0, AddressSearch::kProgressMaximum);
    CommandLink& link = host().link();
    search_.Start(link.cameraAddress());
    link.SetCameraAddress(search_.address);
    ShowProgress();
    status_->clear();
    timers().Start(kSearchTimer, AddressSearch::kTickMs);
}

void FindAddressDialog::ShowProgress()
{
    progress_->setValue(search_.progress);
    progress_->setFormat(QString::fromStdString(SearchProgressText(search_.address)));
}

void FindAddressDialog::OnPanelTimer(int id)
{
    if (id != kSearchTimer) {
        timers().Stop(id);
        return;
    }
    // A poll refused with a message (an address beyond the protocol's
    // range) waits for the operator; ticks meanwhile do not pile up more.
    if (inTick_)
        return;
    inTick_ = true;
    OnTick();
    inTick_ = false;
}

void FindAddressDialog::OnTick()
{
    CommandLink& link = host().link();
    const AddressSearch::Tick tick = search_.Step();
    if (tick == AddressSearch::Tick::Idle) {
        timers().Stop(kSearchTimer);
        return;
    }
    link.SetCameraAddress(search_.address);
    if (tick == AddressSearch::Tick::Poll) {
        ShowProgress();
        SendNow("L?H?");
        return;
    }
    timers().Stop(kSearchTimer);
    progress_->setValue(search_.progress);
    const MessageAnswer answer =
        host().prompter().ShowMessage("No response from the Control Receiver", ApplicationTitle(),
                                      MessageButtons::RetryCancel, MessageIcon::Stop, MessageAnswer::Retry);
    if (answer == MessageAnswer::Retry) {
        if (search_.found)
            return; // a late answer came while the message was open
        search_.Retry();
        link.SetCameraAddress(search_.address);
        ShowProgress();
        timers().Start(kSearchTimer, AddressSearch::kTickMs);
    } else {
        reject();
    }
}

void FindAddressDialog::ResponseReceived(int address)
{
    timers().Stop(kSearchTimer);
    search_.Found();
    status_->setText(QString::fromStdString(ResponseReceivedText(address)));
    Show();
}

void FindAddressDialog::done(int result)
{
    timers().Stop(kSearchTimer);
    search_.running = false;
    if (result != QDialog::Accepted)
        host().link().SetCameraAddress(search_.saved);
    FeaturePanel::done(result);
}
