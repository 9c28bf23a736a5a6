#include "Commands.h"

#include "CommandSupport.h"
#include "ScanCommand.h"
#include "app/Localization.h"

#include <cstdio>

namespace pelmo {
namespace {

QString usage()
{
    return Localization::tr("Použití: pelmo scan [--home SLOŽKA] [--threshold-mb N] [--exclude PŘEDPONA]... "
                            "[--lang cs|en] [--json]");
}

} // namespace

int runCommand(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1StringView("scan"))
        return runScanCommand(rest, stdout, stderr);
    if (command == QLatin1StringView("--help") || command == QLatin1StringView("help")) {
        CommandSupport::write(stdout, usage() + u'\n');
        return 0;
    }
    const QString problem = command.isEmpty()
                                ? Localization::tr("Chybí příkaz")
                                : Localization::format(Localization::tr("Neznámý příkaz %@"), {command});
    CommandSupport::write(stderr, problem + u'\n' + usage() + u'\n');
    return CommandSupport::badInput;
}

} // namespace pelmo
