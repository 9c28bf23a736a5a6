#pragma once

#include <QStringList>

namespace pelmo {

// `pelmo clean [--home DIR] (--safe | --category RAW... | --item PATH...) [--yes] [--json]`
// Scans, then moves the chosen items of that scan to the Trash through the store. Never
// moves a path the scan did not find. Exit status 0, 1 when an item could not be moved,
// 2 for bad input or a refused confirmation (nothing moved then).
int runCleanCommand(const QStringList &arguments);

} // namespace pelmo
