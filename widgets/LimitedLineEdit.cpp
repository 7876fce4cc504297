#include "LimitedLineEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

LimitedLineEdit::LimitedLineEdit(int maxLength, QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(maxLength);
}

void LimitedLineEdit::keyPressEvent(QKeyEvent* event)
{
    qsizetype adding = 0;
    if (event->matches(QKeySequence::Paste))
        adding = QGuiApplication::clipboard()->text().size();
    else if (!event->text().isEmpty() && event->text().at(0).isPrint())
        adding = event->text().size();
    const qsizetype room = maxLength() - (text().size() - selectedText().size());
    QLineEdit::keyPressEvent(event);
    if (adding > room && !isReadOnly())
        emit tooLong();
}

void LimitedLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}
