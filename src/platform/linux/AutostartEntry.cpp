#include "AutostartEntry.h"

#include "platform/UserAccount.h"

#include "core/BuildInfo.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace pelmo::AutostartEntry {

QString path()
{
    return UserAccount::configFolder() + QStringLiteral("/autostart/") + QString::fromLatin1(BuildInfo::applicationId)
        + QStringLiteral(".desktop");
}

QString execArgument(const QString &program)
{
    if (program.isEmpty() || !program.startsWith(u'/'))
        return {};
    for (const QChar c : program) {
        if (c.unicode() < 0x20 || c == QChar(0x7f) || c.isSurrogate())
            return {};
    }
    // Inside double quotes `"`, `` ` ``, `$` and `\` take a backslash; "%" is doubled as a
    // field code would be read otherwise. Then the value's own escape doubles every `\`.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    return QString(u'"' + quoted + u'"').replace(u'\\', QStringLiteral("\\\\"));
}

bool install(const QString &program)
{
    const QString exec = execArgument(program);
    if (exec.isEmpty())
        return false;
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Pelmo\n"
                                         "Comment=Weekly reminder to free disk space\n"
                                         "Comment[cs]=Týdenní připomínka úklidu disku\n"
                                         "Exec=%1 --background\n"
                                         "Icon=%2\n"
                                         "Terminal=false\n"
                                         "NoDisplay=true\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(exec, QString::fromLatin1(BuildInfo::applicationId));
    out.write(entry.toUtf8());
    return out.commit();
}

bool remove()
{
    const QString file = path();
    return QFile::remove(file) || !QFileInfo::exists(file);
}

} // namespace pelmo::AutostartEntry
