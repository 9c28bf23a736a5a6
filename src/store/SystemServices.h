#pragma once

#include "platform/linux/DBusNotifier.h"
#include "platform/linux/FlatpakCommand.h"
#include "platform/linux/FreedesktopTrash.h"
#include "platform/linux/GioFileManagerBridge.h"
#include "platform/linux/SystemClock.h"
#include "store/StoreServices.h"

namespace pelmo {

// The Linux services, owned in one place for the life of the process.
class SystemServices
{
public:
    SystemServices();
    // `clock` replaces the system clock (the headless commands pass one that never fires);
    // `picker` is the window's folder chooser, if any.
    [[nodiscard]] StoreServices storeServices(Clock *clock = nullptr, FolderPicker *picker = nullptr);
    [[nodiscard]] TrashCan &trash() { return m_trash; }
    [[nodiscard]] DBusNotifier &notifier() { return m_notifier; }

private:
    FreedesktopTrash m_trash;
    GioFileManagerBridge m_bridge;
    DBusNotifier m_notifier;
    SystemClock m_clock;
    FlatpakCommand m_flatpak;
};

} // namespace pelmo
