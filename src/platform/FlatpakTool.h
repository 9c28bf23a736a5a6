#pragma once

#include <QString>
#include <QStringList>

namespace pelmo {

// The `flatpak` program, for the applications a user installed with it. Implementations
// must be safe to call from a worker thread; every call may block for a few seconds.
class FlatpakTool
{
public:
    struct Outcome
    {
        bool ok = false;
        QString error; // what the program said when it failed; empty on success
    };

    virtual ~FlatpakTool() = default;
    // Whether the program is there at all: without it Flatpak applications are not listed.
    [[nodiscard]] virtual bool isAvailable() const = 0;
    // The application IDs of the sandboxes that run now.
    [[nodiscard]] virtual QStringList runningApplications() const = 0;
    // Ends every sandbox of the application.
    [[nodiscard]] virtual Outcome kill(const QString &appId) = 0;
    // Removes the user's installation of the application (its data in ~/.var/app stays).
    [[nodiscard]] virtual Outcome uninstall(const QString &appId) = 0;
};

} // namespace pelmo
