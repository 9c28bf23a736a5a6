#pragma once

#include "platform/FlatpakTool.h"

#include <QMutex>

namespace pelmo::test {

// A `flatpak` program that answers what it is told and records what it was asked.
class FakeFlatpak final : public FlatpakTool
{
public:
    bool available = true;
    QStringList running;
    Outcome uninstallAnswer {true, {}};
    // What uninstalling does to the disk, as the real program would (on the worker thread).
    std::function<void(const QString &)> onUninstall;

    [[nodiscard]] bool isAvailable() const override { return available; }
    [[nodiscard]] QStringList runningApplications() const override
    {
        const QMutexLocker lock(&m_mutex);
        return running;
    }
    [[nodiscard]] Outcome kill(const QString &appId) override
    {
        const QMutexLocker lock(&m_mutex);
        return {running.removeAll(appId) > 0, {}};
    }
    [[nodiscard]] Outcome uninstall(const QString &appId) override
    {
        const QMutexLocker lock(&m_mutex);
        uninstalled.append(appId);
        if (uninstallAnswer.ok && onUninstall)
            onUninstall(appId);
        return uninstallAnswer;
    }

    QStringList uninstalled;

private:
    mutable QMutex m_mutex;
};

} // namespace pelmo::test
