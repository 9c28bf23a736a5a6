#include "TrashService.h"

#include "FinderScripts.h"
#include "app/Localization.h"
#include "fs/PathBytes.h"
#include "fs/PosixFile.h"
#include "model/SizeText.h"
#include "platform/FileManagerBridge.h"
#include "platform/TrashCan.h"
#include "scan/DiskScanner.h"
#include "scan/FileWalker.h"

#include <QUuid>

#include <algorithm>
#include <cerrno>

namespace pelmo::TrashService {
namespace {

struct FinderOutcome
{
    std::optional<QString> trashPath;
    std::optional<int> errorNumber;
};

FinderOutcome trashWithFinder(const QString &path, FileManagerBridge &bridge)
{
    const ScriptOutcome outcome = bridge.run(FinderScripts::moveScript(path));
    if (outcome.errorNumber)
        return {std::nullopt, outcome.errorNumber};
    return {outcome.value.value_or(QString()), std::nullopt};
}

bool exists(const QString &path)
{
    struct stat st
    {
    };
    return PosixFile::statNoFollow(PathBytes::toBytes(path), st);
}

std::optional<int> runScript(FileManagerBridge &bridge, const QString &script)
{
    return bridge.run(script).errorNumber;
}

} // namespace

TrashResult trash(const QList<CleanItem> &items, TrashCan &trashCan, FileManagerBridge &bridge, const Clock &now)
{
    TrashResult result;
    for (const CleanItem &item : items) {
        std::optional<QString> trashPath = trashCan.moveToTrash(item.path);
        if (!trashPath) {
            const FinderOutcome outcome = trashWithFinder(item.path, bridge);
            if (!outcome.trashPath) {
                ++result.failed;
                if (outcome.errorNumber == FinderScripts::notPermitted)
                    result.finderDenied = true;
                continue;
            }
            trashPath = outcome.trashPath;
        }
        result.cleaned.insert(item.path);
        result.freed += item.size;
        result.entries.append({QUuid::createUuid(), now(), item.name, item.size, item.path, *trashPath});
    }
    return result;
}

bool restore(const HistoryEntry &entry, TrashCan &trashCan)
{
    const QString files = trashCan.homeFilesFolder();
    const bool directlyInHomeTrash = entry.trashPath.startsWith(files + QLatin1Char('/'))
        && !entry.trashPath.mid(files.size() + 1).contains(QLatin1Char('/'))
        && entry.trashPath.size() > files.size() + 1;
    if (!directlyInHomeTrash || !exists(entry.trashPath) || exists(entry.originalPath))
        return false;
    return trashCan.putBack(entry.trashPath, entry.originalPath);
}

std::optional<int> emptyWithFinder(FileManagerBridge &bridge)
{
    return runScript(bridge, FinderScripts::emptyScript());
}

std::optional<int> openWithFinder(FileManagerBridge &bridge)
{
    return runScript(bridge, FinderScripts::openScript());
}

std::optional<QList<TrashEntry>> list(const QString &filesFolder)
{
    const std::string folder = PathBytes::toBytes(filesFolder);
    const auto names = FileWalker::tryListChildren(folder);
    if (!names) {
        // A Trash that was never made is empty, not unreadable.
        struct stat st {};
        if (!PosixFile::statNoFollow(folder, st) && errno == ENOENT)
            return QList<TrashEntry>();
        return std::nullopt;
    }
    QList<TrashEntry> entries;
    for (const std::string &name : *names) {
        const QString path = PathBytes::fromBytes(folder + '/' + name);
        entries.append({path, DiskScanner::allocatedSize(path)});
    }
    std::ranges::stable_sort(entries, std::greater<>(), &TrashEntry::size);
    return entries;
}

QString batchMessage(const TrashResult &result)
{
    if (result.finderDenied)
        return Localization::tr("Pelmo nemá povolené ovládání Finderu. Zapni ho v Nastavení systému › Soukromí a "
                                "zabezpečení › Automatizace.");
    QString text = Localization::format(
        Localization::tr("Do koše přesunuto %@. Místo se uvolní po vysypání koše."), {formatSize(result.freed)});
    if (result.failed > 0)
        text += Localization::format(
            Localization::tr(" Nepodařilo se přesunout: %lld."), {QString::number(result.failed)});
    return text;
}

QString emptyMessage(std::optional<int> error)
{
    if (!error)
        return Localization::tr("Koš je vysypaný.");
    if (*error == FinderScripts::notPermitted)
        return Localization::tr("Povol Pelmo ovládání Finderu v Nastavení systému › Soukromí a zabezpečení › "
                                "Automatizace.");
    if (*error == FinderScripts::userCancelled)
        return Localization::tr("Vysypání koše bylo zrušeno.");
    return Localization::tr("Koš se nepodařilo vysypat. Zkus to ve Finderu.");
}

std::optional<QString> openMessage(std::optional<int> error)
{
    if (!error)
        return std::nullopt;
    if (*error == FinderScripts::notPermitted)
        return Localization::tr("Povol Pelmo ovládání Finderu v Nastavení systému › Soukromí a zabezpečení › "
                                "Automatizace.");
    return Localization::tr("Koš se nepodařilo otevřít. Otevři ho ručně v Docku.");
}

QString restoreMessage(bool restored, const QString &name)
{
    if (!restored)
        return Localization::tr("Položku se nepodařilo vrátit. Možná už není v koši, nebo její místo obsadil jiný "
                                "soubor.");
    return Localization::format(Localization::tr("Vráceno na původní místo: %@"), {name});
}

} // namespace pelmo::TrashService
