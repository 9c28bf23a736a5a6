#pragma once

#include <QString>

namespace pelmo {

// Answers whether an application is installed. Implementations must be safe to query from
// a scanning thread.
class ApplicationCatalogue
{
public:
    virtual ~ApplicationCatalogue() = default;
    // Whether an application with this bundle identifier (or desktop-entry or Flatpak ID)
    // is installed.
    [[nodiscard]] virtual bool hasApplication(const QString &identifier) const = 0;
    // Whether a program of this name is installed: a command on the search path, or the
    // program or window class of a desktop entry. Letter case does not count.
    [[nodiscard]] virtual bool hasProgram(const QString &name) const = 0;
};

} // namespace pelmo
