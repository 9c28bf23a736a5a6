#pragma once

#include <QStringList>

#include <cstdio>

namespace pelmo {

// `pelmo map [--home DIR] [FOLDER] [--json]`: the measured children of FOLDER (the home
// folder by default; it must lie inside it), largest first, with their kinds, sizes and
// shares, and the kind totals. Returns the exit status: 0, or 2 (one line on `err`) for bad
// input, in which case nothing was measured.
int runMapCommand(const QStringList &arguments, std::FILE *out, std::FILE *err);

} // namespace pelmo
