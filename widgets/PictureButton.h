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

    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QSize size_;
    int phase_ = 0;
};
