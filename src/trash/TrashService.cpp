#include "TrashService.h"

#include "CleaningHistory.h"

#include "core/FileWalker.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "core/SizeText.h"
#include "platform/FileManagerBridge.h"
#include "platform/FinderScripts.h"
#include "platform/TrashCan.h"
#include "scan/DiskScanner.h"

#include <QUuid>

#include <algorithm>
#include <cerrno>

namespace pelmo::TrashService {
namespace {

// The file-manager route for one item: counts only when the item arrived in a Trash
// with an info file that names where it came from.
std::optional<QString> trashWithFinder(
    const CleanItem &item, const FileIdentity &identity, TrashCan &trashCan, FileManagerBridge &bridge, bool &denied)
{
    const ScriptOutcome outcome = bridge.run(FinderScripts::moveScript(item.path));
    if (outcome.errorNumber) {
        denied = denied || outcome.errorNumber == FinderScripts::notPermitted;
        return std::nullopt;
    }
    return trashCan.findTrashed(item.path, identity);
}

} // namespace

TrashResult trash(const QList<CleanItem> &items, TrashCan &trashCan, FileManagerBridge &bridge,
    const BatchControl &control, const Clock &now)
{
    TrashResult result;
    bool recorded = true;
    for (const CleanItem &item : items) {
        if (control.stopRequested && control.stopRequested()) {
            result.stopped = true;
            break;
        }
        if (!control.confinement.allows(item.path)) {
            ++result.failed;
            ++result.refused;
            if (control.firstRequired && &item == items.data()) {
                result.failed += static_cast<int>(items.size() - 1);
                break;
            }
            continue;
        }
        // What was never listed cannot be checked: it is not moved.
        MoveOutcome moved = item.identity.isKnown()
            ? trashCan.moveToTrash(item.path, item.identity, control.confinement.home())
            : MoveOutcome {std::nullopt, MoveFailure::changed, {}};
        if (!moved.moved() && moved.failure == MoveFailure::other) {
            moved.trashPath = trashWithFinder(item, item.identity, trashCan, bridge, result.finderDenied);
            moved.identity = item.identity;
        }
        if (!moved.moved()) {
            ++result.failed;
            if (moved.failure == MoveFailure::changed)
                ++result.changed;
            if (control.firstRequired && &item == items.data()) {
                result.failed += static_cast<int>(items.size() - 1);
                break;
            }
            continue;
        }
        result.cleaned.insert(item.path);
        result.freed += item.size;
        // The history keeps the object; its change time in the Trash is kept apart.
        const FileIdentity object {moved.identity.device, moved.identity.inode};
        const HistoryEntry entry {QUuid::createUuid(), now(), item.name, item.size, item.path, *moved.trashPath, object,
            moved.originalFolder, moved.changeTime};
        result.entries.append(entry);
        recorded = !control.record || control.record(entry, std::move(moved.receipt));
        if (!recorded) {
            // Moves the history cannot hold could only be put back by hand: none follow.
            result.stopped = true;
            result.failed += static_cast<int>(items.size() - (&item - items.data()) - 1);
            break;
        }
    }
    if (recorded && control.flush)
        recorded = control.flush();
    result.historyUnsaved = !recorded;
    return result;
}

bool returnsInside(const HistoryEntry &entry, const QString &home)
{
    const QString path = entry.originalPath;
    QString root = home;
    while (root.size() > 1 && root.endsWith(u'/'))
        root.chop(1);
    const bool climbs = path.split(u'/').contains(QStringLiteral(".."));
    return !root.isEmpty() && !climbs && path.size() > root.size() + 1 && path.startsWith(root + u'/')
        && !path.endsWith(u'/');
}

PutBackOutcome restore(const HistoryEntry &entry, TrashCan &trashCan, const QString &home)
{
    if (!returnsInside(entry, home))
        return PutBackOutcome::outsideHome;
    const QString files = trashCan.homeFilesFolder();
    const bool directlyInHomeTrash = entry.trashPath.startsWith(files + QLatin1Char('/'))
        && !entry.trashPath.mid(files.size() + 1).contains(QLatin1Char('/'))
        && entry.trashPath.size() > files.size() + 1;
    if (!directlyInHomeTrash)
        return PutBackOutcome::failed;
    return trashCan.putBack(entry.trashPath, entry.originalPath,
        {entry.identity, entry.originalFolder, entry.date, entry.changeTime}, home);
}

std::optional<int> openWithFinder(FileManagerBridge &bridge)
{
    return bridge.run(FinderScripts::openScript()).errorNumber;
}

std::optional<QList<TrashEntry>> list(const QStringList &filesFolders)
{
    QList<TrashEntry> entries;
    for (qsizetype i = 0; i < filesFolders.size(); ++i) {
        const std::string folder = PathBytes::toBytes(filesFolders[i]);
        const auto names = FileWalker::tryListChildren(folder);
        if (!names) {
            // A Trash that was never made is empty, not unreadable.
            struct stat st
            {
            };
            const bool neverMade = !PosixFile::statNoFollow(folder, st) && errno == ENOENT;
            if (i == 0 && !neverMade)
                return std::nullopt;
            continue;
        }
        for (const std::string &name : *names) {
            const QString path = PathBytes::fromBytes(folder + '/' + name);
            entries.append({path, DiskScanner::allocatedSize(path)});
        }
    }
    std::ranges::stable_sort(entries, std::greater<>(), &TrashEntry::size);
    return entries;
}

QString batchMessage(const TrashResult &result)
{
    if (result.historyUnsaved) {
        QString text = Localization::format(Localization::tr("Do koše přesunuto %@, ale historii se nepodařilo "
                                                             "uložit. Vrátit to půjde jen ze správce souborů."),
            {formatSize(result.freed)});
        if (result.failed > 0)
            text += Localization::format(
                Localization::tr(" Nepodařilo se přesunout: %lld."), {QString::number(result.failed)});
        return text;
    }
    if (result.finderDenied)
        return Localization::tr("Pelmo nemá povolené ovládání Finderu. Zapni ho v Nastavení systému › Soukromí a "
                                "zabezpečení › Automatizace.");
    QString text = Localization::format(
        Localization::tr("Do koše přesunuto %@. Místo se uvolní po vysypání koše."), {formatSize(result.freed)});
    if (result.failed > 0)
        text += Localization::format(
            Localization::tr(" Nepodařilo se přesunout: %lld."), {QString::number(result.failed)});
    if (result.changed > 0)
        text += Localization::format(
            Localization::tr(" Změněno od prohledání, proto nepřesunuto: %lld."), {QString::number(result.changed)});
    if (result.entries.size() > CleaningHistory::limit)
        text += Localization::format(Localization::tr(" Historie si pamatuje jen prvních %lld z nich."),
            {QString::number(CleaningHistory::limit)});
    return text;
}

QString emptyMessage(const EmptyOutcome &outcome)
{
    if (outcome.complete())
        return Localization::tr("Koš je vysypaný.");
    if (outcome.remaining.isEmpty())
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

QString restoreMessage(PutBackOutcome outcome, const QString &name)
{
    switch (outcome) {
    case PutBackOutcome::restored:
        return Localization::format(Localization::tr("Vráceno na původní místo: %@"), {name});
    case PutBackOutcome::replaced:
        return Localization::tr("Položka v koši už není ta, kterou Pelmo přesunulo. Nic se nevrátilo.");
    case PutBackOutcome::unsafeDestination:
        return Localization::tr("Cesta k původnímu místu teď vede přes symbolický odkaz. Nic se nevrátilo.");
    case PutBackOutcome::outsideHome:
        return Localization::format(Localization::tr("„%@“ leží mimo domovskou složku. Nic se nevrátilo."), {name});
    case PutBackOutcome::notInTrash:
    case PutBackOutcome::destinationTaken:
    case PutBackOutcome::failed:
        break;
    }
    return Localization::tr("Položku se nepodařilo vrátit. Možná už není v koši, nebo její místo obsadil jiný "
                            "soubor.");
}

} // namespace pelmo::TrashService
