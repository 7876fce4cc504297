#include "PlaceholderDialog.h"

#include "DialogButtons.h"

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
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}
