#pragma once

#include "platform/ApplicationCatalogue.h"

#include <QSet>
#include <QStringList>

#include <mutex>

namespace pelmo::test {

// Knows exactly the identifiers and programs it is given, and records every question it
// was asked (programs as "program:NAME").
class FakeCatalogue final : public ApplicationCatalogue
{
public:
    explicit FakeCatalogue(QSet<QString> installed = {}, QSet<QString> programs = {})
        : m_installed(std::move(installed))
        , m_programs(std::move(programs))
    { }

    [[nodiscard]] bool hasApplication(const QString &identifier) const override
    {
        const std::lock_guard lock(m_mutex);
        m_asked.append(identifier);
        return m_installed.contains(identifier);
    }

    [[nodiscard]] bool hasProgram(const QString &name) const override
    {
        const std::lock_guard lock(m_mutex);
        m_asked.append(QStringLiteral("program:") + name);
        return m_programs.contains(name);
    }

    [[nodiscard]] QStringList asked() const
    {
        const std::lock_guard lock(m_mutex);
        return m_asked;
    }

private:
    QSet<QString> m_installed;
    QSet<QString> m_programs;
    mutable std::mutex m_mutex;
    mutable QStringList m_asked;
};

} // namespace pelmo::test
