#include "CommentDialog.h"

#include "DialogButtons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CommentDialog::CommentDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CommentDialog"));
    setWindowTitle(QStringLiteral("Insert Comments"));
    auto* label = new QLabel(QStringLiteral("Please enter comments :"), this);
    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Comments"));
    editor_->setAccessibleName(QStringLiteral("Please enter comments"));
    label->setBuddy(editor_);
    QDialogButtonBox* buttons = OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(editor_);
    layout->addWidget(buttons);
    resize(360, 200);
}

QString CommentDialog::comment() const
{
    return editor_->toPlainText();
}
