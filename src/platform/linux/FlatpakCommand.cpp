#include "FlatpakCommand.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>

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

constexpr int kPollMs = 50;
constexpr qsizetype kOutputLimit = 1024 * 1024; // what flatpak may print that is kept
std::atomic<bool> s_cancelled {false};

// Reads what the process printed so far, keeping at most the limit of each stream.
void drain(QProcess &process, QByteArray &out, QByteArray &err)
{
    const auto keep = [](QByteArray &into, const QByteArray &more) {
        into.append(more.first(std::min(more.size(), std::max<qsizetype>(0, kOutputLimit - into.size()))));
    };
    keep(out, process.readAllStandardOutput());
    keep(err, process.readAllStandardError());
}

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
    // Waits in short steps, so that quitting ends a hanging flatpak at once and its output
    // never grows past the limit in memory.
    QByteArray out;
    QByteArray err;
    QElapsedTimer waited;
    waited.start();
    while (!process.waitForFinished(kPollMs)) {
        drain(process, out, err);
        if (s_cancelled.load() || waited.elapsed() > timeoutMs) {
            process.kill();
            process.waitForFinished(kQuickTimeoutMs);
            return {false, {}, QStringLiteral("flatpak: timed out")};
        }
    }
    drain(process, out, err);
    Run result;
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    result.output = QString::fromUtf8(out);
    result.error = QString::fromUtf8(err).trimmed();
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
    if (!done.ok)
        return {false, done.error};
    // Removed only when flatpak no longer knows it: a success that left it installed is none.
    const Run still = run({QStringLiteral("info"), QStringLiteral("--user"), appId}, kQuickTimeoutMs);
    if (still.ok)
        return {false, QStringLiteral("flatpak: %1 is still installed").arg(appId)};
    return {true, {}};
}

void FlatpakCommand::cancelAll()
{
    s_cancelled.store(true);
}

} // namespace pelmo
