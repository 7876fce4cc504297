#pragma once
#include <QLabel>

// One line of the traffic monitor: green text on black in a sunken strip.
class TrafficStrip : public QLabel {
    Q_OBJECT
public:
    TrafficStrip(int id, const QString& initialText, QWidget* parent = nullptr);
    int id() const { return id_; }

private:
    int id_;
};
