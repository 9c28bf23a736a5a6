#pragma once

#include "platform/Clock.h"
#include "store/CleanerStore.h"
#include "store/SystemServices.h"

#include <QEventLoop>

namespace pelmo {

// The store as the headless commands use it: the same object and code paths as the
// window, but on a clock whose timers never fire, so a command never starts the weekly
// reminder's scan nor waits on a toast.
class HeadlessStore
{
public:
    HeadlessStore()
        : m_store(m_system.storeServices(&m_clock))
    { }

    [[nodiscard]] CleanerStore &store() { return m_store; }
    [[nodiscard]] TrashCan &trash() { return m_system.trash(); }

    // Runs `start`, then the event loop until `signal` of the store has been emitted
    // (also when it was emitted before the loop began).
    template<typename Signal, typename Start> void runUntil(Signal signal, Start start)
    {
        QEventLoop loop;
        bool fired = false;
        const QMetaObject::Connection connection = QObject::connect(&m_store, signal, &loop, [&] {
            fired = true;
            loop.quit();
        });
        start();
        if (!fired)
            loop.exec();
        QObject::disconnect(connection);
    }

private:
    class StillClock final : public Clock
    {
    public:
        [[nodiscard]] QDateTime now() const override { return QDateTime::currentDateTime(); }
        [[nodiscard]] std::unique_ptr<Timer> after(std::chrono::milliseconds, std::function<void()>) override
        {
            return std::make_unique<Timer>();
        }
    };

    SystemServices m_system;
    StillClock m_clock;
    CleanerStore m_store;
};

} // namespace pelmo
