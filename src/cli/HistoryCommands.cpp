#include "HistoryCommands.h"

#include "CommandSupport.h"
#include "HeadlessStore.h"
#include "OptionParser.h"
#include "core/FileIdentity.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"

namespace pelmo {
namespace {

// Parses options, allowing at most `positionals` plain arguments; the problem, if any.
QString parse(OptionParser &parser, const QStringList &arguments, qsizetype positionals)
{
    if (!parser.parse(arguments))
        return parser.error();
    if (parser.positional().size() > positionals)
        return Localization::format(Localization::tr("Neočekávaný argument %@"), {parser.positional().last()});
    return {};
}

int refuse(const QString &problem)
{
    CommandSupport::write(stderr, problem + u'\n');
    return CommandSupport::badInput;
}

} // namespace

int runHistoryCommand(const QStringList &arguments)
{
    OptionParser parser;
    parser.add(QStringLiteral("json"), OptionParser::Kind::flag);
    if (const QString problem = parse(parser, arguments, 0); !problem.isEmpty())
        return refuse(problem);
    HeadlessStore headless;
    const CleanerStore &store = headless.store();
    if (!store.historyWritable()) {
        CommandSupport::write(stderr, Localization::tr("Uloženou historii nelze přečíst; Pelmo ji nepřepíše.") + u'\n');
        return CommandSupport::failed;
    }
    if (parser.isSet(QStringLiteral("json"))) {
        CommandSupport::write(stdout, QString::fromUtf8(CleaningHistory::encode(store.history())) + u'\n');
        return 0;
    }
    QString text;
    for (const HistoryEntry &e : store.history()) {
        text += QStringLiteral("%1  %2  %3  %4\n    %5\n")
                    .arg(e.id.toString(QUuid::WithoutBraces).toUpper(),
                        QLocale().toString(e.date.toLocalTime(), QLocale::ShortFormat), formatSize(e.size),
                        PathBytes::display(e.originalPath),
                        e.trashPath.isEmpty() || !FileIdentity::of(e.trashPath) ? Localization::tr("už není v koši")
                                                                                : PathBytes::display(e.trashPath));
    }
    text += Localization::format(Localization::tr("Přesunuto celkem: %@ (položek: %lld)"),
                {formatSize(CleaningHistory::movedTotal(store.history())), QString::number(store.history().size())})
        + u'\n';
    CommandSupport::write(stdout, text);
    return 0;
}

int runRestoreCommand(const QStringList &arguments)
{
    OptionParser parser;
    if (const QString problem = parse(parser, arguments, 1); !problem.isEmpty())
        return refuse(problem);
    if (parser.positional().isEmpty())
        return refuse(Localization::tr("Chybí ID položky z historie"));
    const QUuid id = QUuid::fromString(parser.positional().first());
    HeadlessStore headless;
    CleanerStore &store = headless.store();
    const auto found
        = std::ranges::find_if(store.history(), [&](const HistoryEntry &e) { return !id.isNull() && e.id == id; });
    if (found == store.history().end())
        return refuse(
            Localization::format(Localization::tr("V historii není položka %@"), {parser.positional().first()}));
    const HistoryEntry entry = *found; // a copy: restoring removes the entry from the history
    const bool restored = store.restore(entry);
    CommandSupport::write(restored ? stdout : stderr, store.toast() + u'\n');
    return restored ? 0 : CommandSupport::failed;
}

} // namespace pelmo
