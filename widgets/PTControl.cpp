#include "PTControl.h"

#include <QEvent>
#include <QPainter>

PTControl::PTControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PTControl"));
    setAccessibleName(QStringLiteral("PTControl"));
    setAccessibleDescription(QStringLiteral("Pan/tilt pad: drag to steer the camera"));
    setFixedSize(outerSize_);
}

void PTControl::SetOuterSize(int width, int height)
{
    outerSize_ = QSize(width | 1, height | 1);
    setFixedSize(outerSize_);
    update();
}

void PTControl::SetPicture(int index)
{
    picture_ = index >= 1 && index <= 7 ? index : 0;
    update();
}

void PTControl::SetProportionalMode(int mode, QColor dragColour, int panSpeedLimit, int tiltSpeedLimit)
{
    proportionalMode_ = mode;
    dragColour_ = dragColour;
    panSpeedLimit_ = panSpeedLimit;
    tiltSpeedLimit_ = tiltSpeedLimit;
}

QRect PTControl::innerRect() const
{
    return QRect(QPoint(0, 0), outerSize_).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

void PTControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void PTControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect inner = innerRect();
    p.fillRect(rect(), palette().window());
    p.fillRect(inner, isEnabled() ? QColor(180, 180, 180) : QColor(215, 215, 215));
    p.setPen(QColor(110, 110, 110));
    p.drawRect(inner.adjusted(0, 0, -1, -1));
    p.setPen(QColor(204, 204, 204));
    const QPoint c = inner.center();
    p.drawLine(c.x(), inner.top() + 1, c.x(), inner.bottom() - 1);
    p.drawLine(inner.left() + 1, c.y(), inner.right() - 1, c.y());
}
