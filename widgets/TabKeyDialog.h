#pragma once
#include <QDialog>

// A dialog in which Enter and Escape move to the next control like Tab, so
// neither ends it by accident; a focused push button still takes Enter.
class TabKeyDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The toolkit's words for a number outside its range.
QString IntegerRangeMessage(int minimum, int maximum);
