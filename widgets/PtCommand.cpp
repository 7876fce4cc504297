#include "PtCommand.h"

#include <QEvent>

int PtCommandEventType()
{
    static const int type = QEvent::registerEventType();
    return type;
}
