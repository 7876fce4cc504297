#pragma once

class QDialog;
class QDialogButtonBox;

// OK and Cancel for a dialog: named "OK" and "Cancel", ending it through
// its own accept() and reject().
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
