#include "TabKeyDialog.h"

#include <QKeyEvent>

void TabKeyDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        focusNextChild();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QString IntegerRangeMessage(int minimum, int maximum)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(minimum).arg(maximum);
}
