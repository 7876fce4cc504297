#pragma once
#include <QEvent>
#include <QString>

// The application-wide "PT_COMMAND" message by which the pan/tilt pad hands
// its commands to the console: a Qt event type registered once per process.
int PtCommandEventType();

// One pad command text, sent to the console window.
class PtCommandEvent : public QEvent {
public:
    explicit PtCommandEvent(QString text) : QEvent(static_cast<QEvent::Type>(PtCommandEventType())), text_(std::move(text)) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};
