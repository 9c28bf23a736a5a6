#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pelmo::test {

struct ProcessRun
{
    int status = -1; // -1 when it crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

// The commands of the command line, as its help lists them.
inline const QStringList commandNames = {QStringLiteral("scan"), QStringLiteral("clean"), QStringLiteral("map"),
    QStringLiteral("history"), QStringLiteral("restore"), QStringLiteral("trash"), QStringLiteral("apps")};

// Runs a program to its end with stdin on /dev/null (never a terminal), inheriting the
// environment that FakeHome set up.
ProcessRun runProgram(const QString &program, const QStringList &arguments);

#ifdef PELMO_EXECUTABLE
// The pelmo built beside the suite (suites that run it define PELMO_EXECUTABLE).
inline ProcessRun runPelmo(const QStringList &arguments)
{
    return runProgram(QStringLiteral(PELMO_EXECUTABLE), arguments);
}
#endif

} // namespace pelmo::test
