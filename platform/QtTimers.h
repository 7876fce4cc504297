#pragma once
#include "Clock.h"
#include "Timers.h"

#include <QElapsedTimer>
#include <QObject>
#include <map>

class QTimer;

// One precise QTimer per id.
class QtTimers : public QObject, public Timers {
    Q_OBJECT
public:
    explicit QtTimers(TimerHandler& handler);
    ~QtTimers() override;
    void Start(int id, int periodMs) override;
    void Stop(int id) override;
    bool IsRunning(int id) const override;
    int Period(int id) const override;

private:
    TimerHandler& handler_;
    std::map<int, QTimer*> timers_;
};

class QtTimerFactory : public TimerFactory {
public:
    Timers* CreateTimers(TimerHandler& handler) override { return new QtTimers(handler); }
};

class QtClock : public Clock {
public:
    QtClock() { elapsed_.start(); }
    uint32_t TickCount() const override { return static_cast<uint32_t>(elapsed_.elapsed()); }
    LocalDateTime Now() const override;

private:
    QElapsedTimer elapsed_;
};
