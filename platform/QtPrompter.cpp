#include "QtPrompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton ToButton(MessageAnswer a)
{
    switch (a) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Retry: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

MessageAnswer FromButton(int b)
{
    switch (b) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    default: return MessageAnswer::Ok;
    }
}
} // namespace

MessageAnswer QtPrompter::ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                      MessageIcon icon, MessageAnswer defaultAnswer)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Stop: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    }
    box.setDefaultButton(ToButton(defaultAnswer));
    return FromButton(box.exec());
}

bool QtPrompter::GetText(const std::string& caption, const std::string& label, bool password, std::string& value)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, QString::fromStdString(caption), QString::fromStdString(label),
                              password ? QLineEdit::Password : QLineEdit::Normal, QString::fromStdString(value), &ok);
    if (ok)
        value = answer.toStdString();
    return ok;
}

std::string QtPrompter::ChooseFile(const std::string& caption, const std::string& filter, FileChoice choice)
{
    const QString c = QString::fromStdString(caption);
    const QString f = QString::fromStdString(filter);
    switch (choice) {
    case FileChoice::Existing: return QFileDialog::getOpenFileName(parent_, c, QString(), f).toStdString();
    case FileChoice::Save: return QFileDialog::getSaveFileName(parent_, c, QString(), f).toStdString();
    case FileChoice::ExistingOrNew: break;
    }
    // An open dialog that also takes the name of a file not there yet.
    QFileDialog dialog(parent_, c, QString(), f);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst().toStdString();
}
