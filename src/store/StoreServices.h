#pragma once

#include "model/DiskInfo.h"

#include <QString>

#include <functional>
#include <memory>

namespace pelmo {

class ApplicationCatalogue;
class Clock;
class FileManagerBridge;
class FlatpakTool;
class FolderPicker;
class Notifier;
class TrashCan;

// The operating-system services the store works through. The application passes the
// Linux ones, tests pass fakes; all must outlive the store. The Trash, the bridge and the
// catalogues are used from worker threads.
struct StoreServices
{
    std::function<std::shared_ptr<const ApplicationCatalogue>(const QString &home)> catalogueFor;
    TrashCan *trash = nullptr;
    FileManagerBridge *bridge = nullptr;
    Notifier *notifier = nullptr;
    Clock *clock = nullptr;
    FolderPicker *picker = nullptr; // none when headless
    std::function<QString()> realHome;
    std::function<DiskInfo()> volume;
    // Shows a file selected in the desktop's file manager; false when nothing could.
    std::function<bool(const QString &path)> reveal;
    // The `flatpak` program for the uninstaller; none: Flatpak applications are not listed.
    FlatpakTool *flatpak = nullptr;
};

} // namespace pelmo
