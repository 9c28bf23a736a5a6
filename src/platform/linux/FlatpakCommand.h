#pragma once

#include "platform/FlatpakTool.h"

namespace pelmo {

// The `flatpak` program on the search path. App IDs are ASCII by the Flatpak grammar, so
// plain QProcess arguments carry them unchanged.
class FlatpakCommand final : public FlatpakTool
{
public:
    [[nodiscard]] bool isAvailable() const override;
    [[nodiscard]] QStringList runningApplications() const override;
    [[nodiscard]] Outcome kill(const QString &appId) override;
    // Removed only when flatpak no longer lists the application afterwards.
    [[nodiscard]] Outcome uninstall(const QString &appId) override;

    // Ends every flatpak that runs or will run (on quit): they answer a failure at once.
    static void cancelAll();
};

} // namespace pelmo
