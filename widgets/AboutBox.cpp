#include "AboutBox.h"

#include "ButtonPictures.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Pivora"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationPicture(48));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("<b>Pivora</b>"), this);
    QString version = QCoreApplication::applicationVersion();
    auto* versionLine = new QLabel(QStringLiteral("Version %1").arg(version.isEmpty() ? QStringLiteral("0.1.0") : version), this);
    versionLine->setObjectName(QStringLiteral("AboutVersion"));
    auto* purpose = new QLabel(QStringLiteral("Operator's console for remotely positioned cameras on a serial line."), this);
    purpose->setWordWrap(true);
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(versionLine);
    text->addWidget(purpose);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(340);
}
