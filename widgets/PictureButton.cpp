#include "PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(const QString& caption, QSize size, QWidget* parent)
    : QPushButton(parent), caption_(caption), size_(size)
{
    setAccessibleName(caption);
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
}

PictureState PictureButton::pictureState() const
{
    if (!isEnabled())
        return PictureState::Disabled;
    if (isDown())
        return PictureState::Down;
    if (hasFocus())
        return PictureState::Focus;
    return PictureState::Up;
}

void PictureButton::SetPhase(int phase)
{
    if (phase == phase_)
        return;
    phase_ = phase;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, ButtonPicture(caption_, pictureState(), size_, phase_));
}
