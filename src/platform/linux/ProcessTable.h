#pragma once

#include <QList>
#include <QString>

#include <sys/types.h>

// The current user's own processes, read from /proc.
namespace pelmo::ProcessTable {

struct Process
{
    pid_t pid = 0;
    QString executable; // where its program file lies; empty when it cannot be read
    QString appImage;   // the APPIMAGE variable of its environment, empty when unset
};

// Every process of the current user but this one. Processes that end while they are read
// are left out.
[[nodiscard]] QList<Process> ownProcesses();

// Asks the process to end (SIGTERM); false when the request could not be sent.
[[nodiscard]] bool terminate(pid_t pid);

} // namespace pelmo::ProcessTable
