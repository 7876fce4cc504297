#include "PlaceholderDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderDialog::PlaceholderDialog(const QString& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PlaceholderDialog"));
    setWindowTitle(title);
    auto* text = new QLabel(QStringLiteral("\"%1\" is not available in this version of Pivora.").arg(title), this);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}
