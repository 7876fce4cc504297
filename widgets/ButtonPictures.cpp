#include "ButtonPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

enum class Symbol { None, Play, Pause, Record, Comment, Stop, ZoomIn, ZoomOut, FocusNear, FocusFar, Left, Right, Up, Down };

Symbol SymbolFor(const QString& caption)
{
    if (caption == QLatin1String("Play"))
        return Symbol::Play;
    if (caption == QLatin1String("Paus"))
        return Symbol::Pause;
    if (caption == QLatin1String("Record Log File"))
        return Symbol::Record;
    if (caption == QLatin1String("Insert Comments"))
        return Symbol::Comment;
    if (caption == QLatin1String("Stop"))
        return Symbol::Stop;
    if (caption == QLatin1String("Nudge Left") || caption == QLatin1String("Pan Left"))
        return Symbol::Left;
    if (caption == QLatin1String("Nudge Right") || caption == QLatin1String("Pan Right"))
        return Symbol::Right;
    if (caption == QLatin1String("Nudge Up") || caption == QLatin1String("Tilt Up"))
        return Symbol::Up;
    if (caption == QLatin1String("Nudge Down") || caption == QLatin1String("Tilt Down"))
        return Symbol::Down;
    // The jog buttons of "Tours and Sectors Setup".
    if (caption == QLatin1String("Pan Left"))
        return Symbol::Left;
    if (caption == QLatin1String("Pan Right"))
        return Symbol::Right;
    if (caption == QLatin1String("Tilt Up"))
        return Symbol::Up;
    if (caption == QLatin1String("Tilt Down"))
        return Symbol::Down;
    if (caption == QLatin1String("Zoom In"))
        return Symbol::ZoomIn;
    if (caption == QLatin1String("Zoom Out"))
        return Symbol::ZoomOut;
    if (caption == QLatin1String("Focus Near"))
        return Symbol::FocusNear;
    if (caption == QLatin1String("Focus Far"))
        return Symbol::FocusFar;
    return Symbol::None;
}

QColor SymbolColour(Symbol symbol, int phase)
{
    if (phase != 0)
        return QColor(150, 150, 150);
    switch (symbol) {
    case Symbol::Play:
        return QColor(20, 150, 40);
    case Symbol::Pause:
        return QColor(210, 140, 0);
    case Symbol::Record:
        return QColor(200, 20, 20);
    case Symbol::Comment:
        return QColor(30, 80, 170);
    default:
        return QColor(40, 40, 40);
    }
}

void DrawBevel(QPainter& p, const QRect& r, PictureState state)
{
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (state == PictureState::Down) {
        fill.setColorAt(0, QColor(170, 172, 176));
        fill.setColorAt(1, QColor(205, 207, 210));
    } else if (state == PictureState::Disabled) {
        fill.setColorAt(0, QColor(226, 226, 226));
        fill.setColorAt(1, QColor(226, 226, 226));
    } else {
        fill.setColorAt(0, QColor(250, 250, 252));
        fill.setColorAt(1, QColor(208, 211, 216));
    }
    p.setPen(QPen(QColor(120, 122, 128), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (state == PictureState::Focus) {
        p.setPen(QPen(QColor(40, 90, 200), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    }
}

void DrawSymbol(QPainter& p, Symbol symbol, const QRectF& box, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal s = std::min(box.width(), box.height());
    const QRectF sq(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    switch (symbol) {
    case Symbol::Play: {
        QPainterPath path;
        path.moveTo(sq.left() + s * 0.2, sq.top());
        path.lineTo(sq.right(), sq.center().y());
        path.lineTo(sq.left() + s * 0.2, sq.bottom());
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case Symbol::Pause:
        p.drawRect(QRectF(sq.left() + s * 0.15, sq.top(), s * 0.25, s));
        p.drawRect(QRectF(sq.left() + s * 0.6, sq.top(), s * 0.25, s));
        break;
    case Symbol::Record:
        p.drawEllipse(sq.adjusted(s * 0.05, s * 0.05, -s * 0.05, -s * 0.05));
        break;
    case Symbol::Stop:
        p.drawRect(sq.adjusted(s * 0.1, s * 0.1, -s * 0.1, -s * 0.1));
        break;
    case Symbol::Comment: {
        // A speech bubble with two text lines.
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(sq.left(), sq.top(), s, s * 0.72), 2, 2);
        bubble.moveTo(sq.left() + s * 0.2, sq.top() + s * 0.7);
        bubble.lineTo(sq.left() + s * 0.2, sq.bottom());
        bubble.lineTo(sq.left() + s * 0.5, sq.top() + s * 0.7);
        p.drawPath(bubble);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(sq.left() + s * 0.15, sq.top() + s * 0.18, s * 0.7, s * 0.1));
        p.drawRect(QRectF(sq.left() + s * 0.15, sq.top() + s * 0.42, s * 0.5, s * 0.1));
        break;
    }
    case Symbol::ZoomIn:
    case Symbol::ZoomOut: {
        // A magnifying glass with a plus or a minus.
        const QRectF lens(sq.left(), sq.top(), s * 0.72, s * 0.72);
        p.setPen(QPen(colour, s * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(lens.adjusted(s * 0.06, s * 0.06, -s * 0.06, -s * 0.06));
        p.drawLine(QPointF(sq.left() + s * 0.62, sq.top() + s * 0.62), QPointF(sq.right(), sq.bottom()));
        p.setPen(QPen(colour, s * 0.1));
        const QPointF c = lens.center();
        p.drawLine(QPointF(c.x() - s * 0.16, c.y()), QPointF(c.x() + s * 0.16, c.y()));
        if (symbol == Symbol::ZoomIn)
            p.drawLine(QPointF(c.x(), c.y() - s * 0.16), QPointF(c.x(), c.y() + s * 0.16));
        break;
    }
    case Symbol::FocusNear: {
        // A flower: what is near.
        const QPointF c(sq.center().x(), sq.top() + s * 0.38);
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 2 * 3.14159265 / 5;
            p.drawEllipse(QPointF(c.x() + std::cos(a) * s * 0.2, c.y() + std::sin(a) * s * 0.2), s * 0.13, s * 0.13);
        }
        p.setPen(QPen(colour, s * 0.08));
        p.drawLine(QPointF(c.x(), c.y() + s * 0.3), QPointF(c.x(), sq.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, s * 0.09, s * 0.09);
        break;
    }
    case Symbol::FocusFar: {
        // Mountains: what is far.
        QPolygonF range;
        range << QPointF(sq.left(), sq.bottom()) << QPointF(sq.left() + s * 0.35, sq.top() + s * 0.2)
              << QPointF(sq.left() + s * 0.55, sq.top() + s * 0.5) << QPointF(sq.left() + s * 0.72, sq.top() + s * 0.3)
              << QPointF(sq.right(), sq.bottom());
        p.drawPolygon(range);
        break;
    }
    case Symbol::Left:
    case Symbol::Right:
    case Symbol::Up:
    case Symbol::Down: {
        // A triangle filling the box, pointing its way.
        const QRectF b = box;
        QPolygonF arrow;
        if (symbol == Symbol::Left)
            arrow << QPointF(b.left(), b.center().y()) << b.topRight() << b.bottomRight();
        else if (symbol == Symbol::Right)
            arrow << QPointF(b.right(), b.center().y()) << b.topLeft() << b.bottomLeft();
        else if (symbol == Symbol::Up)
            arrow << QPointF(b.center().x(), b.top()) << b.bottomLeft() << b.bottomRight();
        else
            arrow << QPointF(b.center().x(), b.bottom()) << b.topLeft() << b.topRight();
        p.drawPolygon(arrow);
        break;
    }
    case Symbol::None:
        break;
    }
}

} // namespace

char PictureSuffix(PictureState state)
{
    switch (state) {
    case PictureState::Down:
        return 'D';
    case PictureState::Focus:
        return 'F';
    case PictureState::Disabled:
        return 'X';
    case PictureState::Up:
        break;
    }
    return 'U';
}

QPixmap ButtonPicture(const QString& caption, PictureState state, QSize size, int phase)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r(QPoint(0, 0), size);
    DrawBevel(p, r, state);
    const QPoint shift = state == PictureState::Down ? QPoint(1, 1) : QPoint(0, 0);
    const Symbol symbol = SymbolFor(caption);
    if (symbol != Symbol::None) {
        const QColor colour = state == PictureState::Disabled ? QColor(175, 175, 175) : SymbolColour(symbol, phase);
        const bool arrow = symbol >= Symbol::Left;
        const bool lens = symbol >= Symbol::ZoomIn && symbol <= Symbol::FocusFar;
        const qreal inset = std::min(size.width(), size.height()) * (arrow ? 0.2 : lens ? 0.12 : 0.25);
        DrawSymbol(p, symbol, QRectF(r).adjusted(inset, inset, -inset, -inset).translated(shift), colour);
        return picture;
    }
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, size.height() * 2 / 5));
    p.setFont(font);
    p.setPen(state == PictureState::Disabled ? QColor(160, 160, 160) : QColor(20, 30, 60));
    p.drawText(r.translated(shift), Qt::AlignCenter, caption);
    return picture;
}

QPixmap ApplicationPicture(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    // A dome camera: a housing with a dark dome and a lens.
    p.setPen(QPen(QColor(30, 40, 60), s / 32));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(QRectF(s * 0.1, s * 0.12, s * 0.8, s * 0.22), s * 0.05, s * 0.05);
    p.setBrush(QColor(40, 55, 80));
    p.drawChord(QRectF(s * 0.18, s * 0.1, s * 0.64, s * 0.8), 180 * 16, 180 * 16);
    p.setBrush(QColor(120, 200, 255));
    p.drawEllipse(QPointF(s * 0.5, s * 0.62), s * 0.1, s * 0.1);
    return picture;
}
