#pragma once

#include <QStringList>

namespace pelmo {

// Runs the headless command named by arguments[0] (arguments exclude the program name)
// and returns the exit status; an unknown command is bad input.
int runCommand(const QStringList &arguments);

} // namespace pelmo
