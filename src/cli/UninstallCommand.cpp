#include "UninstallCommand.h"

#include "CommandSupport.h"
#include "HeadlessStore.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "platform/FlatpakTool.h"
#include "platform/Interruption.h"
#include "uninstall/AppUninstaller.h"

namespace pelmo {
namespace {

void printPlan(const InstalledApp &app, const QList<CleanItem> &items)
{
    QString text;
    if (app.kind == InstalledApp::Kind::flatpak)
        text += Localization::format(
                    Localization::tr("  odinstaluje se příkazem flatpak (nejde vrátit): %@"), {app.bundleID})
            + u'\n';
    for (const CleanItem &item : items)
        text += QStringLiteral("  %1  %2\n").arg(formatSize(item.size), 10).arg(PathBytes::display(item.path));
    text += Localization::format(Localization::tr("Do koše: %@ (položek: %lld)"),
                {formatSize(totalSize(items)), QString::number(items.size())})
        + u'\n';
    CommandSupport::write(stdout, text);
}

} // namespace

int runUninstall(const InstalledApp &app, const QList<InstalledApp> &apps, const QString &home, const QStringList &keep,
    bool yes, FlatpakTool &flatpak, const ApplicationCatalogue &catalogue)
{
    const auto fail = [](const QString &text, int status) {
        CommandSupport::write(stderr, text + u'\n');
        return status;
    };
    InstalledApp chosen = app;
    chosen.size = AppUninstaller::measure(chosen);
    const QList<CleanItem> related = AppUninstaller::relatedFiles(chosen, home, apps, &catalogue);
    QSet<QString> kept;
    for (const QString &raw : keep) {
        const QString path = CommandSupport::absolutePath(raw);
        if (!std::ranges::any_of(related, [&](const CleanItem &item) { return item.path == path; }))
            return fail(Localization::format(
                            Localization::tr("Položka %@ k této aplikaci nepatří"), {PathBytes::display(path)}),
                CommandSupport::badInput);
        kept.insert(path);
    }
    if (AppUninstaller::runningIdentifiers({chosen}, &flatpak).contains(chosen.path))
        return fail(Localization::tr("Aplikace právě běží. Nejdřív ji ukonči."), CommandSupport::failed);

    // What only the display name points at may be another program's: it stays (the window
    // offers it unticked).
    QList<CleanItem> batch;
    if (chosen.kind != InstalledApp::Kind::flatpak)
        batch.append(AppUninstaller::bundleItem(chosen));
    for (const CleanItem &item : related) {
        if (!kept.contains(item.path) && !AppUninstaller::matchedByNameOnly(item, chosen))
            batch.append(item);
    }
    if (!yes) {
        printPlan(chosen, batch);
        if (!CommandSupport::confirm(Localization::tr("Odinstalovat aplikaci a přesunout tyto položky do koše?")))
            return fail(Localization::tr("Nic nebylo přesunuto."), CommandSupport::badInput);
    }
    if (chosen.kind == InstalledApp::Kind::flatpak) {
        // Nothing moves when the package manager refused: the data belongs to an
        // application that is still installed.
        const FlatpakTool::Outcome outcome = flatpak.uninstall(chosen.bundleID);
        if (!outcome.ok)
            return fail(Localization::format(Localization::tr("Aplikaci %@ se nepodařilo odinstalovat: %@"),
                            {chosen.name, outcome.error}),
                CommandSupport::failed);
        if (batch.isEmpty()) {
            CommandSupport::write(
                stdout, Localization::format(Localization::tr("Aplikace %@ je odinstalovaná."), {chosen.name}) + u'\n');
            return 0;
        }
    }

    HeadlessStore headless;
    CleanerStore &store = headless.store();
    TrashResult result;
    QObject::connect(&store, &CleanerStore::batchFinished, &store, [&](const TrashResult &r) { result = r; });
    const Interruption::SignalGuard guard; // Ctrl+C ends the batch after the item in flight
    // The data never goes while the application stays.
    const bool withApp = chosen.kind != InstalledApp::Kind::flatpak;
    headless.runUntil(&CleanerStore::batchFinished, [&] { store.clean(batch, withApp); });
    const bool complete = result.failed == 0 && !result.historyUnsaved && !result.stopped;
    CommandSupport::write(complete ? stdout : stderr, store.toast() + u'\n');
    if (Interruption::signal() != 0)
        return 128 + Interruption::signal();
    return complete ? 0 : CommandSupport::failed;
}

} // namespace pelmo
