#include "PtModuleDialog.h"

#include "AzimuthCodec.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {
// Appended, pumped every 5 ms once the link is free, 2 s reply time-out;
// no reply flag: nothing here reads the module's answers.
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.flag = PendingFlag::None;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = -1;
    return p;
}
} // namespace

PtModuleDialog::PtModuleDialog(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Send Pan/Tilt Commands to Pan/Tilt Module"), Policy(), parent)
{
    setObjectName(QStringLiteral("PtModuleDialog"));
    form().column()
        .group(QString(), 3)
            .edit("Command", command_, static_cast<int>(kPtModuleTextLength)).keep(box_)
            .button("Send", [this] { OnSend(); })
        .group(QString(), 1)
            .button("Close", [this] { reject(); });
    // Printable characters only: every frame carries them as they are.
    box_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), box_));
    box_->setMinimumWidth(box_->fontMetrics().horizontalAdvance(QString(kPtModuleTextLength + 2, QLatin1Char('M'))));
}

void PtModuleDialog::OnSend()
{
    if (filling())
        return;
    Enqueue(PtModuleCommand(box_->text().toLatin1().toStdString()));
    Show();
}
