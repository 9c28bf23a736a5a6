#include "ProcessRun.h"

#include <QProcess>

namespace pelmo::test {

ProcessRun runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    ProcessRun run;
    if (!process.waitForFinished(120'000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace pelmo::test
