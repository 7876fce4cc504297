// The "Port" list's "Network" entry: a camera line behind a serial device
// server, reached by host and TCP port, raw or with the Telnet COM-port
// option (RFC 2217). It is kept as the "Port Name" "tcp://host:port" or
// "rfc2217://host:port".
#include "NetLine.h"
#include "SetupDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

QWidget* SetupDialog::BuildNetworkRow(QWidget* parent)
{
    c_.network = new QWidget(parent);
    auto* grid = new QGridLayout(c_.network);
    grid->setContentsMargins(0, 0, 0, 0);
    c_.networkHost = new QLineEdit(c_.network);
    c_.networkHost->setObjectName(QStringLiteral("NetworkHost"));
    c_.networkHost->setAccessibleName(QStringLiteral("Host"));
    c_.networkPort = new QSpinBox(c_.network);
    c_.networkPort->setObjectName(QStringLiteral("NetworkPort"));
    c_.networkPort->setAccessibleName(QStringLiteral("TCP Port"));
    c_.networkPort->setRange(1, 65535);
    c_.networkPort->setValue(4001);
    c_.rfc2217 = new QCheckBox(QStringLiteral("RFC 2217 (line settings reach the server)"), c_.network);
    c_.rfc2217->setObjectName(QStringLiteral("Rfc2217"));
    c_.rfc2217->setAccessibleName(c_.rfc2217->text());
    c_.networkNote = new QLabel(c_.network);
    c_.networkNote->setObjectName(QStringLiteral("NetworkNote"));
    c_.networkNote->setWordWrap(true);
    auto* host = new QLabel(QStringLiteral("Host"), c_.network);
    host->setBuddy(c_.networkHost);
    auto* port = new QLabel(QStringLiteral("TCP Port"), c_.network);
    port->setBuddy(c_.networkPort);
    grid->addWidget(host, 0, 0);
    grid->addWidget(c_.networkHost, 0, 1);
    grid->addWidget(port, 0, 2);
    grid->addWidget(c_.networkPort, 0, 3);
    grid->addWidget(c_.rfc2217, 1, 0, 1, 4);
    grid->addWidget(c_.networkNote, 2, 0, 1, 4);
    return c_.network;
}

void SetupDialog::ConnectNetworkRow()
{
    connect(c_.networkHost, &QLineEdit::textEdited, this, [this] { TakeNetworkRow(); });
    connect(c_.networkPort, &QSpinBox::valueChanged, this, [this] { TakeNetworkRow(); });
    connect(c_.rfc2217, &QAbstractButton::toggled, this, [this] {
        TakeNetworkRow();
        ShowNetworkRow();
    });
}

// A stored device server name selects the entry and fills its boxes.
bool SetupDialog::NetworkChosen()
{
    const std::optional<NetEndpoint> e = ParseNetDevice(m_.portName);
    if (!e)
        return false;
    const QSignalBlocker quietHost(c_.networkHost), quietPort(c_.networkPort), quietCheck(c_.rfc2217);
    c_.networkHost->setText(QString::fromStdString(e->host));
    c_.networkPort->setValue(e->port);
    c_.rfc2217->setChecked(e->rfc2217);
    return true;
}

void SetupDialog::ShowNetworkRow()
{
    const bool network = c_.port->currentIndex() == c_.port->count() - 1 && c_.port->count() > 0;
    c_.network->setVisible(network);
    c_.networkNote->setText(c_.rfc2217->isChecked()
                                ? QStringLiteral("The baud rate and parity chosen here are set on the server's port.")
                                : QStringLiteral("Raw TCP: the server's own line settings apply; the baud rate and "
                                                 "parity chosen here cannot reach its port."));
}

void SetupDialog::TakeNetworkRow()
{
    if (c_.port->currentIndex() != static_cast<int>(ports_.size()))
        return;
    const std::string host = c_.networkHost->text().trimmed().toStdString();
    if (host.empty())
        return;
    const bool bracket = host.find(':') != std::string::npos; // an IPv6 address
    m_.portName = (c_.rfc2217->isChecked() ? "rfc2217://" : "tcp://") + (bracket ? "[" + host + "]" : host) + ":" +
                  std::to_string(c_.networkPort->value());
    m_.portIndex = static_cast<int>(ports_.size());
    m_.port = m_.portIndex + 1;
}
