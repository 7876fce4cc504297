#include "HexEntryBox.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {
bool IsHexCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}
} // namespace

HexEntryBox::HexEntryBox(QWidget* parent) : QLineEdit(parent)
{
    // Pasted text is held to the same characters.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), this));
}

void HexEntryBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool character = !text.isEmpty() && text.at(0).isPrint();
    if (character && !(text.size() == 1 && IsHexCharacter(text.at(0)))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
