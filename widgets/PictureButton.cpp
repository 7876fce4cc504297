#include "PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(const QString& caption, QSize size, QWidget* parent)
    : QPushButton(parent), caption_(caption), size_(size)
{
    setAccessibleName(caption);
    setFixedSize(size);
    setFocusPolicy(Qt::StrongFocus);
    // Enter in a window's fields never presses a picture button: none of
    // them is a default button.
    setAutoDefault(false);
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

void PictureButton::Hold()
{
    if (held_)
        return;
    held_ = true;
    setDown(true);
    emit held();
}

void PictureButton::LetGo()
{
    if (!held_)
        return;
    held_ = false;
    setDown(false);
    emit letGo();
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (!hold_ || event->button() != Qt::LeftButton)
        return QPushButton::mousePressEvent(event);
    // Qt keeps the mouse with this button until the release.
    Hold();
    event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!hold_)
        QPushButton::mouseMoveEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!hold_ || event->button() != Qt::LeftButton)
        return QPushButton::mouseReleaseEvent(event);
    LetGo();
    event->accept();
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (!hold_ || event->key() != Qt::Key_Space)
        return QPushButton::keyPressEvent(event);
    if (!event->isAutoRepeat())
        Hold();
}

void PictureButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!hold_ || event->key() != Qt::Key_Space)
        return QPushButton::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        LetGo();
}

// A held button that loses the focus or is disabled lets go, so a motion
// never outlives the operator's hold.
void PictureButton::focusOutEvent(QFocusEvent* event)
{
    if (hold_)
        LetGo();
    QPushButton::focusOutEvent(event);
}

void PictureButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        LetGo();
    QPushButton::changeEvent(event);
}
