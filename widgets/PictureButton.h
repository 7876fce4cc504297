#pragma once
#include "ButtonPictures.h"

#include <QPushButton>

// An owner-drawn push button that shows the picture named after its caption
// for its state (up, down, focus, disabled) instead of a text. The caption
// stays the button's accessible name.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QString& caption, QSize size, QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    // The state the button is drawn in now.
    PictureState pictureState() const;

    // Buttons with two pictures per state (the log buttons) blink by phase.
    int phase() const { return phase_; }
    void SetPhase(int phase);

    // A hold button reports the press and the release of a held mouse
    // button (or space key) wherever the release happens; leaving the
    // button while held does not let it go.
    void SetHoldButton(bool hold) { hold_ = hold; }
    bool isHeld() const { return held_; }
    // Holds and lets go as the mouse does, for a key that stands for the
    // button elsewhere in the window (the console's lens shortcuts).
    void Hold();
    void LetGo();

    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return size_; }

signals:
    void held();
    void letGo();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString caption_;
    bool hold_ = false;
    bool held_ = false;
    QSize size_;
    int phase_ = 0;
};
