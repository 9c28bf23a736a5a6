#pragma once

#include <QDateTime>

#include <chrono>
#include <functional>
#include <memory>

namespace pelmo {

// Wall-clock time and timers on the main thread's event loop, behind one interface so
// that tests can drive the hourly reminder and the toast's 8 seconds.
class Clock
{
public:
    // Cancels its timer when destroyed.
    class Timer
    {
    public:
        virtual ~Timer() = default;
    };

    virtual ~Clock() = default;
    [[nodiscard]] virtual QDateTime now() const = 0;
    // Calls `fire` once after `delay`, unless the returned handle is gone by then.
    [[nodiscard]] virtual std::unique_ptr<Timer> after(std::chrono::milliseconds delay, std::function<void()> fire) = 0;
};

} // namespace pelmo
