#include "WeeklyReminder.h"

#include "core/Localization.h"
#include "core/SizeText.h"
#include "platform/Notifier.h"
#include "platform/Preferences.h"

#include <QPointer>

namespace pelmo {
namespace {

constexpr double kIntervalSeconds = 3600;
// Timers stop while the machine sleeps; a short one that compares the wall clock finds the
// hour (and the week) that passed in suspend soon after waking.
constexpr auto kWake = std::chrono::minutes(5);
constexpr double kPeriodSeconds = 604'800;
constexpr qint64 kThreshold = 100'000'000;

} // namespace

WeeklyReminder::WeeklyReminder(Preferences &preferences, Notifier &notifier, Clock &clock, Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_notifier(notifier)
    , m_clock(clock)
    , m_hooks(std::move(hooks))
    , m_enabled(preferences.reminderEnabled())
{ }

void WeeklyReminder::start()
{
    m_timer = m_clock.after(std::chrono::milliseconds(0), [this] { tick(); });
}

void WeeklyReminder::setEnabled(bool on)
{
    if (!on) {
        setEnabledValue(false);
        m_hooks.stored(m_preferences.setReminderEnabled(false));
        return;
    }
    m_notifier.requestPermission([self = QPointer(this)](bool granted) {
        if (!self)
            return;
        self->setEnabledValue(granted);
        if (!self->m_hooks.stored(self->m_preferences.setReminderEnabled(granted)))
            return;
        if (!granted) {
            self->m_hooks.tell(Localization::tr("Oznámení nejsou povolená. Zapni je v Nastavení systému."));
            return;
        }
        if (self->m_hooks.stored(self->m_preferences.setLastReminder(self->nowSeconds())))
            self->m_hooks.tell(Localization::tr("Připomínka zapnuta. Jednou týdně se ozvu, pokud bude co uklízet."));
    });
}

void WeeklyReminder::scanFinished(qint64 found)
{
    if (!m_scanPending)
        return;
    m_scanPending = false;
    m_hooks.stored(m_preferences.setLastReminder(nowSeconds()));
    if (found <= kThreshold)
        return;
    m_notifier.post(Localization::tr("Čas na úklid"),
        Localization::format(Localization::tr("Našel jsem %@ k uklizení. Nic se nesmaže, dokud to sám nepotvrdíš."),
            {formatSize(found)}));
}

void WeeklyReminder::tick()
{
    const double now = nowSeconds();
    // A clock set back counts as an hour gone.
    if (m_lastTick < 0 || now - m_lastTick >= kIntervalSeconds || now < m_lastTick) {
        m_lastTick = now;
        check();
    }
    m_timer = m_clock.after(kWake, [this] { tick(); });
}

void WeeklyReminder::check()
{
    if (!m_enabled || m_scanPending || !m_hooks.mayScan())
        return;
    const double last = m_preferences.lastReminder();
    if (last <= 0 || last > nowSeconds() - kPeriodSeconds)
        return;
    m_scanPending = true;
    m_hooks.scan();
}

void WeeklyReminder::setEnabledValue(bool on)
{
    if (m_enabled == on)
        return;
    m_enabled = on;
    Q_EMIT enabledChanged();
}

double WeeklyReminder::nowSeconds() const
{
    return static_cast<double>(m_clock.now().toMSecsSinceEpoch()) / 1000.0;
}

} // namespace pelmo
