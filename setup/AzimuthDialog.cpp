#include "AzimuthDialog.h"

#include "AzimuthCodec.h"

namespace {
// Appended, pumped every 5 ms once the link is free, 2 s reply time-out;
// each send sets the panel's reply flag.
SendPolicy Policy()
{
    SendPolicy p;
    p.newestWins = false;
    p.sendMs = 5;
    p.timeoutMs = 2000;
    p.statusMs = -1;
    return p;
}

// The north reference and the zone and ID settings on the left, the two
// readouts on the right.
bool LeftColumn(const char* group)
{
    const QString g = QString::fromLatin1(group);
    return g.isEmpty() || g == QLatin1String("North Direction") || g == QLatin1String("Set ID Display");
}

QString ObjectName(const AzimuthButton& b)
{
    QString name;
    for (QChar c : QString::fromLatin1(b.group) + QString::fromLatin1(b.caption))
        if (c.isLetterOrNumber())
            name += c;
    return name;
}
} // namespace

AzimuthDialog::AzimuthDialog(PanelHost& host, QWidget* parent)
    : FeaturePanel(host, QStringLiteral("Azimuth Setup"), Policy(), parent)
{
    setObjectName(QStringLiteral("AzimuthDialog"));
    for (bool left : {true, false}) {
        form().column();
        const char* group = nullptr;
        for (const AzimuthButton& b : kAzimuthButtons) {
            if (LeftColumn(b.group) != left)
                continue;
            if (!group || QString::fromLatin1(group) != QString::fromLatin1(b.group))
                form().group(QString::fromLatin1(b.group), 2);
            group = b.group;
            form().button(QString::fromLatin1(b.caption), Fixed(b.command)).name(ObjectName(b));
        }
    }
    form().bottom().group(QString(), 1).button(QStringLiteral("Close"), [this] { reject(); });
}
