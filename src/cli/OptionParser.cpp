#include "OptionParser.h"

#include "core/Localization.h"

namespace pelmo {

void OptionParser::add(const QString &name, Kind kind)
{
    m_kinds.insert(name, kind);
}

std::optional<QString> OptionParser::value(const QString &name) const
{
    const QStringList list = m_values.value(name);
    if (list.isEmpty())
        return std::nullopt;
    return list.last();
}

bool OptionParser::parse(const QStringList &arguments)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1StringView("--"))) {
            m_positional.append(argument);
            continue;
        }
        if (argument == QLatin1StringView("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const auto kind = m_kinds.constFind(name);
        if (kind == m_kinds.constEnd()) {
            m_error = Localization::format(Localization::tr("Neznámá volba %@"), {argument});
            return false;
        }
        if (*kind == Kind::flag) {
            if (equals >= 0) {
                m_error
                    = Localization::format(Localization::tr("Volba %@ nebere hodnotu"), {QStringLiteral("--") + name});
                return false;
            }
            m_values[name];
            continue;
        }
        QString value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            m_error = Localization::format(Localization::tr("Volba %@ potřebuje hodnotu"), {argument});
            return false;
        }
        if (*kind == Kind::value && m_values.contains(name)) {
            m_error
                = Localization::format(Localization::tr("Volba %@ je zadaná víckrát"), {QStringLiteral("--") + name});
            return false;
        }
        m_values[name].append(value);
    }
    return true;
}

} // namespace pelmo
