#include "Commands.h"

#include "CleanCommand.h"
#include "CommandSupport.h"
#include "HistoryCommands.h"
#include "ScanCommand.h"
#include "TrashCommand.h"
#include "core/Localization.h"

#include <cstdio>

namespace pelmo {
namespace {

QString usage()
{
    return Localization::tr("Použití:\n"
                            "  pelmo scan [--home SLOŽKA] [--threshold-mb N] [--exclude PŘEDPONA]... [--lang cs|en] "
                            "[--json]\n"
                            "  pelmo clean [--home SLOŽKA] (--safe | --category DRUH... | --item CESTA...) [--yes] "
                            "[--json]\n"
                            "  pelmo history [--json]\n"
                            "  pelmo restore ID\n"
                            "  pelmo trash [list | empty | open] [--yes] [--json]");
}

// A result that could not be written (a full disk, a closed pipe) is a failure, never
// a success with half the output.
int checkedOutput(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    CommandSupport::write(stderr, Localization::tr("Výsledek se nepodařilo zapsat") + u'\n');
    return CommandSupport::failed;
}

} // namespace

int runCommand(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1StringView("scan"))
        return checkedOutput(runScanCommand(rest, stdout, stderr));
    if (command == QLatin1StringView("clean"))
        return checkedOutput(runCleanCommand(rest));
    if (command == QLatin1StringView("history"))
        return checkedOutput(runHistoryCommand(rest));
    if (command == QLatin1StringView("restore"))
        return checkedOutput(runRestoreCommand(rest));
    if (command == QLatin1StringView("trash"))
        return checkedOutput(runTrashCommand(rest));
    if (command == QLatin1StringView("--help") || command == QLatin1StringView("help")) {
        CommandSupport::write(stdout, usage() + u'\n');
        return checkedOutput(0);
    }
    const QString problem = command.isEmpty() ? Localization::tr("Chybí příkaz")
                                              : Localization::format(Localization::tr("Neznámý příkaz %@"), {command});
    CommandSupport::write(stderr, problem + u'\n' + usage() + u'\n');
    return CommandSupport::badInput;
}

} // namespace pelmo
