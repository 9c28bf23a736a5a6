#include "ScanCommand.h"

#include "CommandSupport.h"
#include "OptionParser.h"
#include "core/JsonText.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "platform/Preferences.h"
#include "platform/linux/SystemApplicationCatalogue.h"
#include "scan/DiskScanner.h"

#include <QHash>
#include <QSet>

#include <unistd.h>

namespace pelmo {
namespace {

constexpr int kLargestShown = 5;

struct ScanRequest
{
    QString home;
    qint64 threshold = 0;
    QSet<QString> excluded;
    bool json = false;
};

// Fills `request` from the arguments and the settings; the error text when they are bad.
QString readRequest(const QStringList &arguments, const Preferences &preferences, ScanRequest &request)
{
    OptionParser parser;
    parser.add(QStringLiteral("home"), OptionParser::Kind::value);
    parser.add(QStringLiteral("threshold-mb"), OptionParser::Kind::value);
    parser.add(QStringLiteral("exclude"), OptionParser::Kind::repeatedValue);
    parser.add(QStringLiteral("lang"), OptionParser::Kind::value);
    parser.add(QStringLiteral("json"), OptionParser::Kind::flag);
    if (!parser.parse(arguments))
        return parser.error();
    if (!parser.positional().isEmpty())
        return Localization::format(Localization::tr("Neočekávaný argument %@"), {parser.positional().first()});

    const QString language = parser.value(QStringLiteral("lang")).value_or(preferences.appLanguage());
    if (parser.isSet(QStringLiteral("lang")) && language != QLatin1StringView("cs")
        && language != QLatin1StringView("en"))
        return Localization::format(Localization::tr("Neznámý jazyk %@ (použij cs nebo en)"), {language});
    Localization::install(Localization::resolvedCode(Localization::languageFromRawValue(language)));

    if (const auto threshold = parser.value(QStringLiteral("threshold-mb"))) {
        const std::optional<qint64> megabytes = CommandSupport::parseMegabytes(*threshold);
        if (!megabytes)
            return Localization::format(
                Localization::tr("Hodnota %@ volby --threshold-mb není počet megabajtů"), {*threshold});
        request.threshold = *megabytes * 1'000'000;
    } else {
        request.threshold = preferences.largeThresholdBytes();
    }

    QString problem;
    request.home = CommandSupport::homeFolder(parser.value(QStringLiteral("home")), problem);
    if (!problem.isEmpty())
        return problem;

    request.excluded = preferences.excludedPaths();
    for (const QString &prefix : parser.values(QStringLiteral("exclude")))
        request.excluded.insert(prefix);
    request.json = parser.isSet(QStringLiteral("json"));
    return {};
}

void printJson(std::FILE *out, const QString &home, const QList<CleanItem> &items)
{
    QString text = QStringLiteral("{\"home\": %1, \"items\": [").arg(JsonText::quoted(home));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const CleanItem &item = items[i];
        text += QStringLiteral("%1{\"category\": %2, \"name\": %3, \"path\": %4, \"size\": %5, \"detail\": %6, "
                               "\"safe\": %7}")
                    .arg(i == 0 ? QString() : QStringLiteral(", "), JsonText::quoted(Category::rawValue(item.category)),
                        JsonText::quoted(item.name), JsonText::quoted(item.path), QString::number(item.size),
                        JsonText::quoted(item.detail), item.isSafe ? QStringLiteral("true") : QStringLiteral("false"));
    }
    text += QStringLiteral("]}\n");
    CommandSupport::write(out, text);
}

void printSummary(std::FILE *out, const QString &home, const QList<CleanItem> &items)
{
    QString text = Localization::format(Localization::tr("Domovská složka: %@"), {PathBytes::display(home)}) + u'\n';
    qint64 grandTotal = 0;
    for (const CleanCategory category : allCategories) {
        QList<CleanItem> inCategory;
        qint64 total = 0;
        for (const CleanItem &item : items) {
            if (item.category == category) {
                inCategory.append(item); // already largest first
                total += item.size;
            }
        }
        grandTotal += total;
        text += u'\n' + Category::title(category) + QStringLiteral(" — ")
            + Localization::format(
                Localization::tr("položek: %lld, celkem %@"), {QString::number(inCategory.size()), formatSize(total)})
            + u'\n';
        for (qsizetype i = 0; i < inCategory.size() && i < kLargestShown; ++i) {
            const CleanItem &item = inCategory[i];
            text += QStringLiteral("  %1  %2 · %3\n")
                        .arg(formatSize(item.size), 10)
                        .arg(PathBytes::display(item.name), PathBytes::display(item.detail));
        }
        if (inCategory.size() > kLargestShown) {
            text += QStringLiteral("  %1  ").arg(QString(), 10)
                + Localization::format(
                    Localization::tr("… a dalších %lld"), {QString::number(inCategory.size() - kLargestShown)})
                + u'\n';
        }
    }
    text += u'\n'
        + Localization::format(Localization::tr("Celkem lze uvolnit %@ (položek: %lld)"),
            {formatSize(grandTotal), QString::number(items.size())})
        + u'\n';
    CommandSupport::write(out, text);
}

} // namespace

int runScanCommand(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    Preferences preferences;
    ScanRequest request;
    if (const QString problem = readRequest(arguments, preferences, request); !problem.isEmpty()) {
        CommandSupport::write(err, problem + u'\n');
        return CommandSupport::badInput;
    }

    const bool showProgress = ::isatty(::fileno(err)) == 1;
    SystemApplicationCatalogue catalogue(SystemApplicationCatalogue::sourcesFor(request.home));
    const QList<CleanItem> items = DiskScanner::scanAll(
        request.home, request.threshold, request.excluded, catalogue, [&](CleanCategory category) {
            if (showProgress) {
                CommandSupport::write(err,
                    QStringLiteral("\r\033[K")
                        + Localization::format(Localization::tr("Prohledávám: %@…"), {Category::title(category)}));
            }
        });
    if (showProgress)
        CommandSupport::write(err, QStringLiteral("\r\033[K"));

    if (request.json)
        printJson(out, request.home, items);
    else
        printSummary(out, request.home, items);
    return 0;
}

} // namespace pelmo
