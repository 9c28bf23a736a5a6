#include "FlatpakCommand.h"

#include <QProcess>
#include <QStandardPaths>

namespace pelmo {
namespace {

constexpr int kQuickTimeoutMs = 10'000;
// An uninstall also prunes the repository, which takes a while on a slow disk.
constexpr int kUninstallTimeoutMs = 300'000;

struct Run
{
    bool ok = false;
    QString output;
    QString error;
};

Run run(const QStringList &arguments, int timeoutMs)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("flatpak"));
    if (program.isEmpty())
        return {false, {}, QStringLiteral("flatpak: not found")};
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(kQuickTimeoutMs))
        return {false, {}, process.errorString()};
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(kQuickTimeoutMs);
        return {false, {}, QStringLiteral("flatpak: timed out")};
    }
    Run result;
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.error = QString::fromUtf8(process.readAllStandardError()).trimmed();
    if (!result.ok && result.error.isEmpty())
        result.error = QStringLiteral("flatpak: exit status %1").arg(process.exitCode());
    return result;
}

} // namespace

bool FlatpakCommand::isAvailable() const
{
    return !QStandardPaths::findExecutable(QStringLiteral("flatpak")).isEmpty();
}

QStringList FlatpakCommand::runningApplications() const
{
    const Run ps = run({QStringLiteral("ps"), QStringLiteral("--columns=application")}, kQuickTimeoutMs);
    QStringList ids;
    if (!ps.ok)
        return ids;
    for (const QString &line : ps.output.split(u'\n', Qt::SkipEmptyParts)) {
        const QString id = line.trimmed();
        if (!id.isEmpty() && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

FlatpakTool::Outcome FlatpakCommand::kill(const QString &appId)
{
    const Run done = run({QStringLiteral("kill"), appId}, kQuickTimeoutMs);
    return {done.ok, done.ok ? QString() : done.error};
}

FlatpakTool::Outcome FlatpakCommand::uninstall(const QString &appId)
{
    const Run done
        = run({QStringLiteral("uninstall"), QStringLiteral("--user"), QStringLiteral("--noninteractive"), appId},
            kUninstallTimeoutMs);
    return {done.ok, done.ok ? QString() : done.error};
}

} // namespace pelmo
