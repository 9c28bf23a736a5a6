#pragma once

#include "platform/Clock.h"

#include <QObject>
#include <QString>

#include <memory>

namespace pelmo {

// The one line of text shown at the bottom of the window: each message stays 8 seconds
// after it was shown, and a newer one replaces it with a fresh 8 seconds. Main thread.
class Toast : public QObject
{
    Q_OBJECT

public:
    explicit Toast(Clock &clock, QObject *parent = nullptr);

    [[nodiscard]] const QString &text() const { return m_text; }
    // `text` is shown as given: callers pass texts already translated and formatted.
    void show(const QString &text);

Q_SIGNALS:
    void textChanged();

private:
    void setText(const QString &text);

    Clock &m_clock;
    QString m_text;
    std::unique_ptr<Clock::Timer> m_timer;
};

} // namespace pelmo
