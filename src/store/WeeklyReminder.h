#pragma once

#include "platform/Clock.h"

#include <QObject>

#include <functional>
#include <memory>

namespace pelmo {

class Notifier;
class Preferences;

// The weekly reminder: once an hour of wall-clock time (hours asleep count) it looks
// whether a week has passed since the last reminder; then it has a scan run and, when more than 100 MB can be cleaned,
// posts a notification. Main thread.
class WeeklyReminder : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<bool()> mayScan;             // the home folder is granted
        std::function<void()> scan;                // starts a scan unless one runs; scanFinished follows
        std::function<void(const QString &)> tell; // a message for the user, translated
        std::function<bool(bool written)> stored;  // reports a settings write that failed
    };

    WeeklyReminder(Preferences &preferences, Notifier &notifier, Clock &clock, Hooks hooks, QObject *parent = nullptr);

    [[nodiscard]] bool isEnabled() const { return m_enabled; }
    // Switching on asks for permission to notify; without it the switch stays off.
    void setEnabled(bool on);
    // The hourly check, its first one right away on the event loop.
    void start();
    // A scan ended with `found` bytes to clean.
    void scanFinished(qint64 found);

Q_SIGNALS:
    void enabledChanged();

private:
    void tick();
    void check();
    void setEnabledValue(bool on);
    [[nodiscard]] double nowSeconds() const;

    Preferences &m_preferences;
    Notifier &m_notifier;
    Clock &m_clock;
    Hooks m_hooks;
    bool m_enabled = false;
    bool m_scanPending = false;
    double m_lastTick = -1; // wall-clock seconds of the last hourly check
    std::unique_ptr<Clock::Timer> m_timer;
};

} // namespace pelmo
