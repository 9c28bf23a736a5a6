#pragma once

#include "platform/Clock.h"

namespace pelmo {

// QTimer-based: timers fire on the thread that made them, which must run an event loop.
class SystemClock final : public Clock
{
public:
    [[nodiscard]] QDateTime now() const override { return QDateTime::currentDateTime(); }
    [[nodiscard]] std::unique_ptr<Timer> after(std::chrono::milliseconds delay, std::function<void()> fire) override;
};

} // namespace pelmo
