#include "store/SystemServices.h"

#include "platform/UserAccount.h"
#include "platform/VolumeInfo.h"
#include "platform/linux/FileManager.h"
#include "platform/linux/SystemApplicationCatalogue.h"

namespace pelmo {

SystemServices::SystemServices()
    : m_trash(FreedesktopTrash::systemEnvironment())
    , m_bridge(m_trash)
{ }

StoreServices SystemServices::storeServices(Clock *clock, FolderPicker *picker)
{
    StoreServices services;
    services.catalogueFor = [](const QString &home) -> std::shared_ptr<const ApplicationCatalogue> {
        return std::make_shared<SystemApplicationCatalogue>(SystemApplicationCatalogue::sourcesFor(home));
    };
    services.trash = &m_trash;
    services.bridge = &m_bridge;
    services.notifier = &m_notifier;
    services.clock = clock ? clock : &m_clock;
    services.picker = picker;
    services.realHome = &UserAccount::homeFolder;
    services.volume = &VolumeInfo::rootVolume;
    services.reveal = &FileManager::reveal;
    services.flatpak = &m_flatpak;
    return services;
}

} // namespace pelmo
