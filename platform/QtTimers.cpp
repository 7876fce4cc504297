#include "QtTimers.h"

#include <QDateTime>
#include <QTimer>

QtTimers::QtTimers(TimerHandler& handler) : handler_(handler) {}

QtTimers::~QtTimers() = default;

void QtTimers::Start(int id, int periodMs)
{
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { handler_.OnTimer(id); });
    }
    timer->start(periodMs < 1 ? 1 : periodMs);
}

void QtTimers::Stop(int id)
{
    auto it = timers_.find(id);
    if (it != timers_.end())
        it->second->stop();
}

bool QtTimers::IsRunning(int id) const
{
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

int QtTimers::Period(int id) const
{
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive() ? it->second->interval() : -1;
}

LocalDateTime QtClock::Now() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return LocalDateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}
