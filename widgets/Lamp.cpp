#include "Lamp.h"

#include <QPainter>

namespace {
#include "../resources/lamp_off.xpm"
#include "../resources/lamp_on.xpm"
} // namespace

Lamp::Lamp(int id, const QString& caption, QWidget* parent) : QWidget(parent), id_(id)
{
    setObjectName(QStringLiteral("Lamp%1").arg(id));
    setAccessibleName(caption);
    setAccessibleDescription(QStringLiteral("off"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::NoFocus);
}

const QPixmap& Lamp::OnPicture()
{
    static const QPixmap picture(lamp_on_xpm);
    return picture;
}

const QPixmap& Lamp::OffPicture()
{
    static const QPixmap picture(lamp_off_xpm);
    return picture;
}

void Lamp::SetState(int state)
{
    if (state == state_)
        return;
    state_ = state;
    setAccessibleDescription(isLit() ? QStringLiteral("on") : QStringLiteral("off"));
    update();
}

void Lamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, isLit() ? OnPicture() : OffPicture());
}
