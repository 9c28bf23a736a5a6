#pragma once

#include <QStringList>

#include <cstdio>

namespace pelmo {

// `pelmo scan [--home DIR] [--threshold-mb N] [--exclude PREFIX]... [--lang cs|en] [--json]`
// Reads the settings store, never writes it. Returns the process exit status: 0, or 2
// (with one line on `err`) for bad input, in which case nothing was scanned.
int runScanCommand(const QStringList &arguments, std::FILE *out, std::FILE *err);

} // namespace pelmo
