#pragma once

#include "uninstall/InstalledApp.h"

#include <QList>
#include <QStringList>

namespace pelmo {

class ApplicationCatalogue;
class FlatpakTool;

// pelmo apps --uninstall ID [--keep PATH]... [--yes]: removes `app` with the related files it
// left, except those kept, through the same road to the Trash as the window. The exit
// status: 0 when everything went, 1 when something could not, 2 for bad input or a refused
// question (nothing changed).
int runUninstall(const InstalledApp &app, const QList<InstalledApp> &apps, const QString &home, const QStringList &keep,
    bool yes, FlatpakTool &flatpak, const ApplicationCatalogue &catalogue);

} // namespace pelmo
