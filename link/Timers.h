#pragma once

// Window timers: each window owns one Timers object and receives OnTimer(id)
// for each of its ids. Start() (re)starts a periodic timer; a handler that
// wants a one-shot stops its own id.
class TimerHandler {
public:
    virtual ~TimerHandler() = default;
    virtual void OnTimer(int id) = 0;
};

class Timers {
public:
    virtual ~Timers() = default;
    virtual void Start(int id, int periodMs) = 0;
    virtual void Stop(int id) = 0;
    virtual bool IsRunning(int id) const = 0;
    // Period of a running timer, -1 when it is not running.
    virtual int Period(int id) const = 0;
};

// Makes the Timers object of one window.
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual Timers* CreateTimers(TimerHandler& handler) = 0; // caller owns
};
