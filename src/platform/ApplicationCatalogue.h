#pragma once

#include <QString>

namespace pelmo {

// Answers whether an application with a bundle identifier (or desktop/Flatpak ID) is
// installed. Implementations must be safe to query from a scanning thread.
class ApplicationCatalogue
{
public:
    virtual ~ApplicationCatalogue() = default;
    [[nodiscard]] virtual bool hasApplication(const QString &identifier) const = 0;
};

} // namespace pelmo
