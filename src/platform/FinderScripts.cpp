#include "platform/FinderScripts.h"

#include <QStringList>

namespace pelmo::FinderScripts {

QString escape(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1StringView("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1StringView("\\\""));
    return escaped;
}

QString moveScript(const QString &path)
{
    return QStringList {
        QStringLiteral("tell application \"Finder\""),
        QStringLiteral("    set trashed to delete (POSIX file \"") + escape(path) + QStringLiteral("\" as alias)"),
        QStringLiteral("    try"),
        QStringLiteral("        return POSIX path of (trashed as alias)"),
        QStringLiteral("    on error"),
        QStringLiteral("        return \"\""),
        QStringLiteral("    end try"),
        QStringLiteral("end tell"),
    }
        .join(QLatin1Char('\n'));
}

QString openScript()
{
    return QStringLiteral("tell application \"Finder\"\n    activate\n    open trash\nend tell");
}

} // namespace pelmo::FinderScripts
