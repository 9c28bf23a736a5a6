#include "MapCommand.h"

#include "CommandSupport.h"
#include "OptionParser.h"
#include "core/JsonText.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "diskmap/DiskMapper.h"
#include "scan/ScanPaths.h"

#include <cstdlib>

#include <limits.h>
#include <unistd.h>

namespace pelmo {
namespace {

struct MapRequest
{
    QString home;
    QString folder;
    bool json = false;
};

QString realPath(const QString &path)
{
    char *resolved = ::realpath(PathBytes::toBytes(path).c_str(), nullptr);
    if (!resolved)
        return path;
    QString out = PathBytes::fromBytes(resolved);
    std::free(resolved);
    return out;
}

QString readRequest(const QStringList &arguments, MapRequest &request)
{
    OptionParser parser;
    parser.add(QStringLiteral("home"), OptionParser::Kind::value);
    parser.add(QStringLiteral("json"), OptionParser::Kind::flag);
    if (!parser.parse(arguments))
        return parser.error();
    if (parser.positional().size() > 1)
        return Localization::format(Localization::tr("Neočekávaný argument %@"), {parser.positional()[1]});
    QString problem;
    request.home = CommandSupport::homeFolder(parser.value(QStringLiteral("home")), problem);
    if (!problem.isEmpty())
        return problem;
    request.folder = request.home;
    if (!parser.positional().isEmpty()) {
        const QString given = parser.positional().first();
        request.folder = CommandSupport::absolutePath(given);
        if (!CommandSupport::isReadableFolder(request.folder))
            return Localization::format(
                Localization::tr("Složka %@ neexistuje nebo ji nelze číst"), {PathBytes::display(given)});
        // Judged where the path really leads: a link inside home to elsewhere is outside.
        const QString home = realPath(request.home);
        const QString folder = realPath(request.folder);
        if (folder != home && !folder.startsWith(home.endsWith(u'/') ? home : home + u'/'))
            return Localization::format(
                Localization::tr("Složka %@ neleží v domovské složce"), {PathBytes::display(given)});
    }
    request.json = parser.isSet(QStringLiteral("json"));
    return {};
}

QString shareText(qint64 size, qint64 total)
{
    return percentString(total >= 1 ? static_cast<double>(size) / static_cast<double>(total) : 0.0);
}

void printJson(std::FILE *out, const QString &folder, const QList<DiskNode> &nodes)
{
    QString text = QStringLiteral("{\"folder\": %1, \"total\": %2, \"items\": [")
                       .arg(JsonText::quoted(folder), QString::number(totalSize(nodes)));
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const DiskNode &node = nodes[i];
        text += QStringLiteral("%1{\"path\": %2, \"kind\": %3, \"size\": %4, \"isDirectory\": %5}")
                    .arg(i == 0 ? QString() : QStringLiteral(", "), JsonText::quoted(node.path),
                        JsonText::quoted(Kind::rawValue(node.kind)), QString::number(node.size),
                        node.isDirectory ? QStringLiteral("true") : QStringLiteral("false"));
    }
    text += QStringLiteral("], \"kinds\": [");
    const QList<KindTotal> kinds = kindTotals(nodes);
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        text += QStringLiteral("%1{\"kind\": %2, \"size\": %3}")
                    .arg(i == 0 ? QString() : QStringLiteral(", "), JsonText::quoted(Kind::rawValue(kinds[i].kind)),
                        QString::number(kinds[i].size));
    }
    text += QStringLiteral("]}\n");
    CommandSupport::write(out, text);
}

void printSummary(std::FILE *out, const MapRequest &request, const QList<DiskNode> &nodes)
{
    const qint64 total = totalSize(nodes);
    QString text = Localization::format(Localization::tr("Složka: %@"), {PathBytes::display(request.folder)}) + u'\n';
    if (nodes.isEmpty())
        text += Localization::tr("Složka je prázdná nebo se do ní nedostanu.") + u'\n';
    for (const DiskNode &node : nodes) {
        text += QStringLiteral("  %1  %2  %3  %4\n")
                    .arg(formatSize(node.size), 10)
                    .arg(shareText(node.size, total), 7)
                    .arg(Kind::title(node.kind), -16)
                    .arg(PathBytes::display(node.name()) + (node.isDirectory ? QStringLiteral("/") : QString()));
    }
    if (!nodes.isEmpty()) {
        text += u'\n' + Localization::tr("Podle druhu:") + u'\n';
        for (const KindTotal &kind : kindTotals(nodes)) {
            text += QStringLiteral("  %1  %2  %3\n")
                        .arg(formatSize(kind.size), 10)
                        .arg(shareText(kind.size, total), 7)
                        .arg(Kind::title(kind.kind));
        }
    }
    text += u'\n'
        + Localization::format(
            Localization::tr("Celkem %@ (položek: %lld)"), {formatSize(total), QString::number(nodes.size())})
        + u'\n';
    CommandSupport::write(out, text);
}

} // namespace

int runMapCommand(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    MapRequest request;
    if (const QString problem = readRequest(arguments, request); !problem.isEmpty()) {
        CommandSupport::write(err, problem + u'\n');
        return CommandSupport::badInput;
    }
    const bool showProgress = ::isatty(::fileno(err)) == 1;
    if (showProgress)
        CommandSupport::write(err, Localization::tr("Měřím velikosti…"));
    const QList<DiskNode> nodes = DiskMapper::children(request.folder);
    if (showProgress)
        CommandSupport::write(err, QStringLiteral("\r\033[K"));
    if (request.json)
        printJson(out, request.folder, nodes);
    else
        printSummary(out, request, nodes);
    return 0;
}

} // namespace pelmo
