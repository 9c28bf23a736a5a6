#pragma once

#include "platform/ApplicationCatalogue.h"

#include <QSet>
#include <QStringList>

#include <mutex>

namespace pelmo::test {

// Knows exactly the identifiers it is given, and records every question it was asked.
class FakeCatalogue final : public ApplicationCatalogue
{
public:
    explicit FakeCatalogue(QSet<QString> installed = {})
        : m_installed(std::move(installed))
    { }

    [[nodiscard]] bool hasApplication(const QString &identifier) const override
    {
        const std::lock_guard lock(m_mutex);
        m_asked.append(identifier);
        return m_installed.contains(identifier);
    }

    [[nodiscard]] QStringList asked() const
    {
        const std::lock_guard lock(m_mutex);
        return m_asked;
    }

private:
    QSet<QString> m_installed;
    mutable std::mutex m_mutex;
    mutable QStringList m_asked;
};

} // namespace pelmo::test
