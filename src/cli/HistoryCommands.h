#pragma once

#include <QStringList>

namespace pelmo {

// `pelmo history [--json]`: the cleaning history, newest first; --json prints its stored form.
int runHistoryCommand(const QStringList &arguments);

// `pelmo restore ID`: puts the history entry with that UUID back where it was.
int runRestoreCommand(const QStringList &arguments);

} // namespace pelmo
