#include "PTControl.h"

#include "PictureButton.h"
#include "PtCommand.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Arrow cursors pointing the way each zone moves the camera.
Qt::CursorShape ZoneCursor(int zone)
{
    switch (zone) {
    case 1:
    case 5: return Qt::SizeFDiagCursor;
    case 3:
    case 7: return Qt::SizeBDiagCursor;
    case 2:
    case 6: return Qt::SizeVerCursor;
    case 4:
    case 8: return Qt::SizeHorCursor;
    default: return Qt::CrossCursor;
    }
}

constexpr const char* kNudgeTips[4] = {"Nudge Left", "Nudge Right", "Nudge Up", "Nudge Down"};
constexpr const char* kNudgeNames[4] = {"NudgeLeft", "NudgeRight", "NudgeUp", "NudgeDown"};
} // namespace

PTControl::PTControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PTControl"));
    setAccessibleName(QStringLiteral("PTControl"));
    setAccessibleDescription(QStringLiteral("Pan/tilt pad: drag to steer the camera"));
    setCursor(Qt::CrossCursor);
    // The arrow keys steer as a drag toward that edge does.
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < 4; ++i) {
        const QSize size = i < 2 ? QSize(11, 17) : QSize(17, 11);
        nudge_[i] = new PictureButton(QString::fromLatin1(kNudgeTips[i]), size, this);
        nudge_[i]->setObjectName(QString::fromLatin1(kNudgeNames[i]));
        nudge_[i]->setToolTip(QString::fromLatin1(kNudgeTips[i]));
        connect(nudge_[i], &QAbstractButton::clicked, this, [this, i] { Nudge(i); });
    }
    setFixedSize(outerSize_);
    PlaceNudgeButtons();
}

void PTControl::PlaceNudgeButtons()
{
    const int w = outerSize_.width(), h = outerSize_.height();
    nudge_[0]->move(0, (h - 17) / 2);
    nudge_[1]->move(w - 11, (h - 17) / 2);
    nudge_[2]->move((w - 17) / 2, 0);
    nudge_[3]->move((w - 17) / 2, h - 11);
}

void PTControl::SetNudgeButtonsVisible(bool visible)
{
    for (PictureButton* b : nudge_)
        b->setVisible(visible);
}

void PTControl::SetOuterSize(int width, int height)
{
    outerSize_ = QSize(width | 1, height | 1);
    setFixedSize(outerSize_);
    PlaceNudgeButtons();
    update();
}

QPixmap PTControl::PadPicture(int index)
{
    // One picture per entry of Setup's "Pan/Tilt Background" list, drawn to
    // look like its name.
    if (index < 1 || index > 7)
        return {};
    constexpr int side = 99;
    QPixmap picture(side, side);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, side, side);
    switch (index) {
    case 1: { // "Plain old gray"
        QLinearGradient fill(0, 0, 0, side);
        fill.setColorAt(0, QColor(172, 172, 172));
        fill.setColorAt(1, QColor(138, 138, 138));
        p.fillRect(all, fill);
        break;
    }
    case 2: { // "Black Space": a dark sky with a few stars
        p.fillRect(all, QColor(8, 8, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 235, 255));
        constexpr int stars[][2] = {{9, 14}, {27, 71}, {40, 22}, {63, 88}, {71, 35}, {88, 60}, {18, 44}, {80, 12}};
        for (const auto& star : stars)
            p.drawEllipse(QPointF(star[0], star[1]), 0.9, 0.9);
        break;
    }
    case 3: // "Red White and Blue": three bands
        p.fillRect(QRectF(0, 0, side, side / 3.0), QColor(200, 30, 40));
        p.fillRect(QRectF(0, side / 3.0, side, side / 3.0), QColor(245, 245, 245));
        p.fillRect(QRectF(0, 2 * side / 3.0, side, side - 2 * side / 3.0), QColor(30, 50, 160));
        break;
    case 4: { // "Harlequin's Nightmare": clashing diamonds
        const QColor colours[] = {{220, 40, 60}, {40, 170, 70}, {250, 200, 30}, {110, 50, 180}};
        constexpr int cell = 18;
        for (int row = -1; row <= side / (cell / 2) + 1; ++row)
            for (int col = -1; col <= side / cell + 1; ++col) {
                const double cx = col * cell + (row % 2 ? cell / 2.0 : 0.0), cy = row * cell / 2.0;
                const QPointF diamond[] = {{cx, cy - cell / 2.0}, {cx + cell / 2.0, cy}, {cx, cy + cell / 2.0},
                                           {cx - cell / 2.0, cy}};
                p.setPen(Qt::NoPen);
                p.setBrush(colours[(row * 3 + col + 8) % 4]);
                p.drawPolygon(diamond, 4);
            }
        break;
    }
    case 5: { // "Rainbow Sherbet": soft bands of every colour
        QLinearGradient fill(0, 0, side, side);
        const QColor bands[] = {{255, 170, 170}, {255, 210, 150}, {255, 245, 160}, {175, 235, 170}, {165, 205, 250},
                                {205, 175, 245}};
        for (int i = 0; i < 6; ++i)
            fill.setColorAt(i / 5.0, bands[i]);
        p.fillRect(all, fill);
        break;
    }
    case 6: { // "Vexa CCTV": the company's blue
        QRadialGradient fill(side / 2.0, side / 2.0, side * 0.7);
        fill.setColorAt(0, QColor(90, 140, 220));
        fill.setColorAt(1, QColor(20, 50, 120));
        p.fillRect(all, fill);
        break;
    }
    default: { // "My Favorite"
        QRadialGradient fill(side / 2.0, side / 2.0, side * 0.7);
        fill.setColorAt(0, QColor(120, 215, 200));
        fill.setColorAt(1, QColor(30, 120, 110));
        p.fillRect(all, fill);
        break;
    }
    }
    // The centre mark and cross, light on dark pictures and dark on light ones.
    const bool light = index == 1 || index == 3 || index == 5;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(light ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 150), 1));
    p.drawEllipse(QPointF(side / 2.0, side / 2.0), side * 0.12, side * 0.12);
    p.drawLine(side / 2, 4, side / 2, side - 5);
    p.drawLine(4, side / 2, side - 5, side / 2);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRect(0, 0, side - 1, side - 1);
    return picture;
}

void PTControl::SetPicture(int index)
{
    pictureImage_ = PadPicture(index);
    picture_ = pictureImage_.isNull() ? 0 : index;
    if (!pictureImage_.isNull())
        SetOuterSize(pictureImage_.width() + 2 * kMargin, pictureImage_.height() + 2 * kMargin);
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

PadGeometry PTControl::geometry() const
{
    const QRect r = innerRect();
    PadGeometry g;
    g.left = r.left();
    g.top = r.top();
    g.right = r.left() + r.width();
    g.bottom = r.top() + r.height();
    g.band = centreBand_;
    return g;
}

void PTControl::Send(const QString& text)
{
    PtCommandEvent event(text);
    QCoreApplication::sendEvent(window(), &event);
}

void PTControl::DragTo(QPoint point, bool first)
{
    cursorPoint_ = point;
    const PadGeometry g = geometry();
    update();
    if (proportionalMode_ == 0) {
        const int zone = PadZone(g, point.x(), point.y());
        if (zone == zone_ && !first)
            return;
        zone_ = zone;
        if (zone != 0) {
            setCursor(ZoneCursor(zone));
            Send(QString::fromLatin1(PadZoneCommand(zone)));
        }
        return;
    }
    const PadProportional p = PadProportionalCommand(g, point.x(), point.y(), panSpeedLimit_, tiltSpeedLimit_);
    if (first || p.panSpeed != lastPanSpeed_ || p.tiltSpeed != lastTiltSpeed_) {
        lastPanSpeed_ = p.panSpeed;
        lastTiltSpeed_ = p.tiltSpeed;
        Send(QString::fromLatin1(p.text.c_str()));
    }
}

void PTControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || keyDrag_ != 0)
        return;
    // Qt keeps the mouse with the pad until the button is released, so the
    // release is seen wherever it happens.
    dragging_ = true;
    zone_ = 0;
    if (proportionalMode_ != 0)
        setCursor(Qt::ClosedHandCursor);
    DragTo(event->position().toPoint(), true);
}

void PTControl::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        DragTo(event->position().toPoint(), false);
}

void PTControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !dragging_ || keyDrag_ != 0)
        return;
    EndDrag();
}

// Holding an arrow key drags to the middle of that edge of the pad (the
// fastest speed in proportional mode); letting go ends the drag.
void PTControl::keyPressEvent(QKeyEvent* event)
{
    const PadGeometry g = geometry();
    QPoint edge;
    switch (event->key()) {
    case Qt::Key_Left: edge = QPoint(g.left, g.cy()); break;
    case Qt::Key_Right: edge = QPoint(g.right - 1, g.cy()); break;
    case Qt::Key_Up: edge = QPoint(g.cx(), g.top); break;
    case Qt::Key_Down: edge = QPoint(g.cx(), g.bottom - 1); break;
    default: return QWidget::keyPressEvent(event);
    }
    if (!event->isAutoRepeat() && !dragging_) {
        dragging_ = true;
        keyDrag_ = event->key();
        zone_ = 0;
        DragTo(edge, true);
    }
}

void PTControl::keyReleaseEvent(QKeyEvent* event)
{
    if (keyDrag_ == 0 || event->key() != keyDrag_)
        return QWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        EndDrag();
}

// A drag held by a key never outlives the focus.
void PTControl::focusOutEvent(QFocusEvent* event)
{
    if (keyDrag_ != 0)
        EndDrag();
    update();
    QWidget::focusOutEvent(event);
}

void PTControl::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void PTControl::EndDrag()
{
    dragging_ = false;
    keyDrag_ = 0;
    zone_ = 0;
    lastPanSpeed_ = lastTiltSpeed_ = -1;
    Send(QStringLiteral("PSTS"));
    setCursor(Qt::CrossCursor);
    update();
}

void PTControl::Nudge(int direction)
{
    const bool proportional = proportionalMode_ != 0;
    Send(QString::fromLatin1(PadNudgeCommand(direction, proportional, receiverType_)));
    if (!proportional)
        Send(QStringLiteral("PSTS"));
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
    if (!pictureImage_.isNull()) {
        p.drawPixmap(kMargin, kMargin, pictureImage_);
        if (!isEnabled())
            p.fillRect(inner, QColor(240, 240, 240, 150));
    } else {
        p.fillRect(inner, isEnabled() ? QColor(180, 180, 180) : QColor(215, 215, 215));
        p.setPen(QColor(110, 110, 110));
        p.drawRect(inner.adjusted(0, 0, -1, -1));
        p.setPen(QColor(204, 204, 204));
        const QPoint c(geometry().cx(), geometry().cy());
        p.drawLine(c.x(), inner.top() + 1, c.x(), inner.bottom() - 1);
        p.drawLine(inner.left() + 1, c.y(), inner.right() - 1, c.y());
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRect(inner.adjusted(-2, -2, 1, 1));
    }
    if (dragging_) {
        const PadGeometry g = geometry();
        p.setPen(QPen(dragColour_, 1));
        p.drawLine(cursorPoint_, QPoint(g.cx(), cursorPoint_.y()));
        p.drawLine(cursorPoint_, QPoint(cursorPoint_.x(), g.cy()));
    }
}
