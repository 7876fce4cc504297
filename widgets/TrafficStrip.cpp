#include "TrafficStrip.h"

TrafficStrip::TrafficStrip(int id, const QString& initialText, QWidget* parent)
    : QLabel(initialText, parent), id_(id)
{
    setAccessibleName(initialText.trimmed());
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 0));
    colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(colours);
    QFont small = font();
    small.setPointSize(8);
    small.setWeight(QFont::Normal);
    setFont(small);
    setMinimumWidth(360);
    setFixedHeight(std::max(17, fontMetrics().height() + 4));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}
