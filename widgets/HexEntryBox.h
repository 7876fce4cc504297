#pragma once
#include <QLineEdit>

// An edit box for hexadecimal positions: it takes 0-9, A-F, a-f and
// backspace; any other character is dropped without a word.
class HexEntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit HexEntryBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
