#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace pelmo {

// A strict parser for the headless commands: "--name value", "--name=value" and flags.
// Unlike QCommandLineParser it reports problems in Pelmo's own (localised) words and never
// exits the process.
class OptionParser
{
public:
    enum class Kind { flag, value, repeatedValue };

    void add(const QString &name, Kind kind);
    // False with error() set on the first problem; positional arguments are kept.
    [[nodiscard]] bool parse(const QStringList &arguments);

    [[nodiscard]] bool isSet(const QString &name) const { return m_values.contains(name); }
    [[nodiscard]] std::optional<QString> value(const QString &name) const;
    [[nodiscard]] QStringList values(const QString &name) const { return m_values.value(name); }
    [[nodiscard]] const QStringList &positional() const { return m_positional; }
    [[nodiscard]] const QString &error() const { return m_error; }

private:
    QHash<QString, Kind> m_kinds;
    QHash<QString, QStringList> m_values;
    QStringList m_positional;
    QString m_error;
};

} // namespace pelmo
