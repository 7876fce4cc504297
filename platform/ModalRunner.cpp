#include "ModalRunner.h"

#include <QDialog>

int ExecModalRunner::Run(QDialog& dialog)
{
    return dialog.exec();
}
