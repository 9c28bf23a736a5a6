#include "TrashCommand.h"

#include "CommandSupport.h"
#include "HeadlessStore.h"
#include "OptionParser.h"
#include "core/JsonText.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "platform/Interruption.h"
#include "trash/TrashService.h"

namespace pelmo {
namespace {

int refuse(const QString &problem)
{
    CommandSupport::write(stderr, problem + u'\n');
    return CommandSupport::badInput;
}

int list(HeadlessStore &headless, bool json)
{
    const std::optional<QList<TrashEntry>> entries = TrashService::list(headless.store().trashFilesFolders());
    if (!entries) {
        CommandSupport::write(stderr, Localization::tr("Koš nelze přečíst.") + u'\n');
        return CommandSupport::failed;
    }
    QString text;
    qint64 total = 0;
    for (qsizetype i = 0; i < entries->size(); ++i) {
        const TrashEntry &e = entries->at(i);
        total += e.size;
        if (json)
            text += QStringLiteral("%1{\"name\": %2, \"path\": %3, \"size\": %4}")
                        .arg(i == 0 ? QString() : QStringLiteral(", "), JsonText::quoted(e.name()),
                            JsonText::quoted(e.path), QString::number(e.size));
        else
            text += QStringLiteral("  %1  %2\n").arg(formatSize(e.size), 10).arg(PathBytes::display(e.name()));
    }
    if (json)
        text = u'[' + text + QStringLiteral("]\n");
    else
        text += Localization::format(Localization::tr("V koši: %@ (položek: %lld)"),
                    {formatSize(total), QString::number(entries->size())})
            + u'\n';
    CommandSupport::write(stdout, text);
    return 0;
}

} // namespace

int runTrashCommand(const QStringList &arguments)
{
    OptionParser parser;
    parser.add(QStringLiteral("json"), OptionParser::Kind::flag);
    parser.add(QStringLiteral("yes"), OptionParser::Kind::flag);
    if (!parser.parse(arguments))
        return refuse(parser.error());
    if (parser.positional().size() > 1)
        return refuse(Localization::format(Localization::tr("Neočekávaný argument %@"), {parser.positional().last()}));
    const QString action = parser.positional().value(0, QStringLiteral("list"));
    const bool yes = parser.isSet(QStringLiteral("yes"));
    if (action != QLatin1StringView("list") && action != QLatin1StringView("empty")
        && action != QLatin1StringView("open"))
        return refuse(
            Localization::format(Localization::tr("Neznámá akce %@ (použij list, empty nebo open)"), {action}));
    if (action == QLatin1StringView("empty") && !yes && !CommandSupport::canAsk())
        return refuse(Localization::tr("Bez terminálu je potřeba potvrdit vysypání volbou --yes"));

    HeadlessStore headless;
    CleanerStore &store = headless.store();
    if (action == QLatin1StringView("list"))
        return list(headless, parser.isSet(QStringLiteral("json")));
    if (action == QLatin1StringView("open")) {
        bool opened = false;
        QObject::connect(&store, &CleanerStore::trashOpened, &store, [&](bool success) { opened = success; });
        headless.runUntil(&CleanerStore::trashOpened, [&] { store.openTrash(); });
        if (!opened)
            CommandSupport::write(stderr, store.toast() + u'\n');
        return opened ? 0 : CommandSupport::failed;
    }
    if (!yes && !CommandSupport::confirm(Localization::tr("Vysypat koš? Položky v něm se tím smažou natrvalo.")))
        return refuse(Localization::tr("Koš zůstal beze změny."));
    bool emptied = false;
    QStringList remaining;
    QObject::connect(&store, &CleanerStore::trashEmptied, &store, [&](bool success, const QStringList &left) {
        emptied = success;
        remaining = left;
    });
    const Interruption::SignalGuard guard;
    headless.runUntil(&CleanerStore::trashEmptied, [&] { store.emptyTrash(); });
    QString text = store.toast() + u'\n';
    for (const QString &path : remaining)
        text += QStringLiteral("  ") + PathBytes::display(path) + u'\n';
    CommandSupport::write(emptied ? stdout : stderr, text);
    if (Interruption::signal() != 0)
        return 128 + Interruption::signal();
    return emptied ? 0 : CommandSupport::failed;
}

} // namespace pelmo
