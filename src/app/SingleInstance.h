#pragma once

#include <QObject>
#include <QVariantMap>

namespace pelmo {

// One window per session: the first Pelmo owns the application ID (BuildInfo) on the
// session bus and answers org.freedesktop.Application.Activate by showing its window; a
// second one asks the first to show itself and ends. Headless commands never take part.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    using QObject::QObject;
    ~SingleInstance() override;

    // True when this process is to run the window: it now owns the name, or there is no
    // session bus to ask. False when a Pelmo runs already; `activateRunning` asks it to show
    // itself (false when it did).
    [[nodiscard]] bool claim(bool activateRunning = true);

public Q_SLOTS:
    void Activate(const QVariantMap &platformData);

Q_SIGNALS:
    void activated();

private:
    bool m_owner = false;
};

} // namespace pelmo
