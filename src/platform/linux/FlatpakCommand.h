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
    [[nodiscard]] Outcome uninstall(const QString &appId) override;
};

} // namespace pelmo
