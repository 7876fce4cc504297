#pragma once
#include <QLineEdit>

// A one-line box that holds at most a given number of characters and says
// so when the operator tries to type or paste past them; it also reports
// every loss of the focus, where boxes send what they hold.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(int maxLength, QWidget* parent = nullptr);

signals:
    // Typing or pasting would have gone past the limit; the box kept what fits.
    void tooLong();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
