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

// Runs a program to its end with stdin on /dev/null (never a terminal), inheriting the
// environment that FakeHome set up.
ProcessRun runProgram(const QString &program, const QStringList &arguments);

} // namespace pelmo::test
