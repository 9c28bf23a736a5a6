#include "SystemClock.h"

#include <QTimer>

namespace pelmo {
namespace {

class QtTimer final : public Clock::Timer
{
public:
    QtTimer(std::chrono::milliseconds delay, std::function<void()> fire)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(fire));
        m_timer.start(delay);
    }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<Clock::Timer> SystemClock::after(std::chrono::milliseconds delay, std::function<void()> fire)
{
    return std::make_unique<QtTimer>(delay, std::move(fire));
}

} // namespace pelmo
