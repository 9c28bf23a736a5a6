#include "CleanCommand.h"

#include "CommandSupport.h"
#include "HeadlessStore.h"
#include "OptionParser.h"
#include "core/JsonText.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "platform/Interruption.h"

#include <unistd.h>

namespace pelmo {
namespace {

struct Choice
{
    bool safe = false;
    QList<CleanCategory> categories;
    QStringList paths;
};

QString readChoice(const OptionParser &parser, Choice &choice)
{
    choice.safe = parser.isSet(QStringLiteral("safe"));
    for (const QString &raw : parser.values(QStringLiteral("category"))) {
        const std::optional<CleanCategory> category = Category::fromRawValue(raw);
        if (!category)
            return Localization::format(Localization::tr("Neznámá kategorie %@"), {raw});
        choice.categories.append(*category);
    }
    for (const QString &path : parser.values(QStringLiteral("item")))
        choice.paths.append(CommandSupport::absolutePath(path));
    const int modes = (choice.safe ? 1 : 0) + (choice.categories.isEmpty() ? 0 : 1) + (choice.paths.isEmpty() ? 0 : 1);
    if (modes != 1)
        return Localization::tr("Zvol právě jedno z --safe, --category a --item");
    return {};
}

// The scan's items that the choice names; `problem` names a path the scan did not find.
QList<CleanItem> chosenItems(const CleanerStore &store, const Choice &choice, QString &problem)
{
    if (choice.safe)
        return store.safeItems();
    QList<CleanItem> chosen;
    QSet<QString> seen; // one path is one item, whichever scanners reported it
    for (const CleanItem &item : store.items()) {
        const bool wanted = choice.categories.contains(item.category) || choice.paths.contains(item.path);
        if (wanted && !seen.contains(item.id())) {
            seen.insert(item.id());
            chosen.append(item);
        }
    }
    for (const QString &path : choice.paths) {
        if (!seen.contains(path)) {
            problem
                = Localization::format(Localization::tr("Položku %@ prohledávání nenašlo"), {PathBytes::display(path)});
            return {};
        }
    }
    return chosen;
}

void printPlan(const QList<CleanItem> &items)
{
    QString text;
    for (const CleanItem &item : items)
        text += QStringLiteral("  %1  %2\n").arg(formatSize(item.size), 10).arg(PathBytes::display(item.path));
    text += Localization::format(Localization::tr("Do koše: %@ (položek: %lld)"),
                {formatSize(totalSize(items)), QString::number(items.size())})
        + u'\n';
    CommandSupport::write(stdout, text);
}

void printJson(const TrashResult &result, const QString &message)
{
    QString text = QStringLiteral("{\"moved\": [");
    for (qsizetype i = 0; i < result.entries.size(); ++i) {
        const HistoryEntry &e = result.entries[i];
        text += QStringLiteral("%1{\"id\": %2, \"originalPath\": %3, \"trashPath\": %4, \"size\": %5}")
                    .arg(i == 0 ? QString() : QStringLiteral(", "),
                        JsonText::quoted(e.id.toString(QUuid::WithoutBraces).toUpper()),
                        JsonText::quoted(e.originalPath), JsonText::quoted(e.trashPath), QString::number(e.size));
    }
    text += QStringLiteral("], \"failed\": %1, \"freed\": %2, \"message\": %3}\n")
                .arg(QString::number(result.failed), QString::number(result.freed), JsonText::quoted(message));
    CommandSupport::write(stdout, text);
}

} // namespace

int runCleanCommand(const QStringList &arguments)
{
    OptionParser parser;
    parser.add(QStringLiteral("home"), OptionParser::Kind::value);
    parser.add(QStringLiteral("safe"), OptionParser::Kind::flag);
    parser.add(QStringLiteral("category"), OptionParser::Kind::repeatedValue);
    parser.add(QStringLiteral("item"), OptionParser::Kind::repeatedValue);
    parser.add(QStringLiteral("yes"), OptionParser::Kind::flag);
    parser.add(QStringLiteral("json"), OptionParser::Kind::flag);
    Choice choice;
    QString problem;
    if (!parser.parse(arguments))
        problem = parser.error();
    else if (!parser.positional().isEmpty())
        problem = Localization::format(Localization::tr("Neočekávaný argument %@"), {parser.positional().first()});
    else
        problem = readChoice(parser, choice);
    const bool yes = parser.isSet(QStringLiteral("yes"));
    if (problem.isEmpty() && !yes && !CommandSupport::canAsk())
        problem = Localization::tr("Bez terminálu je potřeba potvrdit přesun volbou --yes");
    QString home;
    if (problem.isEmpty())
        home = CommandSupport::homeFolder(parser.value(QStringLiteral("home")), problem);
    if (!problem.isEmpty()) {
        CommandSupport::write(stderr, problem + u'\n');
        return CommandSupport::badInput;
    }

    HeadlessStore headless;
    CleanerStore &store = headless.store();
    headless.runUntil(&CleanerStore::scanFinished, [&] { store.scanFolder(home); });
    const QList<CleanItem> items = chosenItems(store, choice, problem);
    if (!problem.isEmpty()) {
        CommandSupport::write(stderr, problem + u'\n');
        return CommandSupport::badInput;
    }
    if (items.isEmpty()) {
        CommandSupport::write(stdout, Localization::tr("Není co přesunout.") + u'\n');
        return 0;
    }
    if (!yes) {
        printPlan(items);
        if (!CommandSupport::confirm(Localization::tr("Přesunout tyto položky do koše?"))) {
            CommandSupport::write(stderr, Localization::tr("Nic nebylo přesunuto.") + u'\n');
            return CommandSupport::badInput;
        }
    }
    TrashResult result;
    QObject::connect(&store, &CleanerStore::batchFinished, &store, [&](const TrashResult &r) { result = r; });
    // Progress is for a person watching; a log or a pipe gets only the outcome.
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    if (showProgress) {
        QObject::connect(&store, &CleanerStore::batchProgress, &store, [&](int moved, qint64 bytes) {
            CommandSupport::write(stderr,
                QStringLiteral("\r\033[K")
                    + Localization::format(Localization::tr("Přesunuto do koše: %@ (položek: %lld z %lld)"),
                        {formatSize(bytes), QString::number(moved), QString::number(items.size())}));
        });
    }
    const Interruption::SignalGuard guard; // Ctrl+C ends the batch after the item in flight
    headless.runUntil(&CleanerStore::batchFinished, [&] { store.clean(items); });
    if (showProgress)
        CommandSupport::write(stderr, QStringLiteral("\r\033[K"));
    const bool complete = result.failed == 0 && !result.historyUnsaved && !result.stopped;
    if (parser.isSet(QStringLiteral("json")))
        printJson(result, store.toast());
    else
        CommandSupport::write(complete ? stdout : stderr, store.toast() + u'\n');
    if (Interruption::signal() != 0)
        return 128 + Interruption::signal();
    return complete ? 0 : CommandSupport::failed;
}

} // namespace pelmo
