#include "Toast.h"

namespace pelmo {
namespace {

constexpr auto kDuration = std::chrono::seconds(8);

} // namespace

Toast::Toast(Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
{ }

void Toast::show(const QString &text)
{
    setText(text);
    // Replacing the timer cancels the older one, so an older toast never hides a newer one.
    m_timer = m_clock.after(kDuration, [this] { setText(QString()); });
}

void Toast::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    Q_EMIT textChanged();
}

} // namespace pelmo
