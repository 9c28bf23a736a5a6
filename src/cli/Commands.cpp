#include "Commands.h"

#include "AppsCommand.h"
#include "CleanCommand.h"
#include "CommandSupport.h"
#include "HistoryCommands.h"
#include "MapCommand.h"
#include "ScanCommand.h"
#include "TrashCommand.h"
#include "core/BuildInfo.h"
#include "core/Localization.h"
#include "platform/Preferences.h"
#include "platform/SettingsFile.h"

#include <array>
#include <cstdio>

namespace pelmo {
namespace {

// The synopsis of every command, shown with a bad command line.
QString usage()
{
    return Localization::tr("Použití:\n"
                            "  pelmo scan [--home SLOŽKA] [--threshold-mb N] [--exclude PŘEDPONA]... [--lang cs|en] "
                            "[--json]\n"
                            "  pelmo clean [--home SLOŽKA] (--safe | --category DRUH... | --item CESTA...) [--yes] "
                            "[--json]\n"
                            "  pelmo map [--home SLOŽKA] [SLOŽKA] [--json]\n"
                            "  pelmo history [--json]\n"
                            "  pelmo restore ID\n"
                            "  pelmo trash [list | empty | open] [--yes] [--json]\n"
                            "  pelmo apps [--related ID] [--json]\n"
                            "  pelmo apps --uninstall ID [--keep CESTA]... [--yes]");
}

QString programHelp()
{
    return Localization::tr("Použití: pelmo [PŘÍKAZ] [VOLBY]\n"
                            "Bez příkazu otevře okno; bez displeje prohledá domovskou složku jako pelmo scan.\n"
                            "Nic nemaže: co uklidí, přesune do koše, odkud to jde vrátit.\n"
                            "\n"
                            "Příkazy:\n"
                            "  scan      prohledá domovskou složku a vypíše, co lze uvolnit\n"
                            "  clean     přesune vybrané nalezené položky do koše\n"
                            "  map       změří, co zabírá místo ve složce, podle položek a druhů\n"
                            "  history   vypíše, co bylo přesunuto do koše\n"
                            "  restore   vrátí položku z historie na původní místo\n"
                            "  trash     vypíše, vysype nebo otevře koš\n"
                            "  apps      vypíše aplikace k odinstalaci nebo zbytky jedné z nich, nebo ji odinstaluje\n"
                            "\n"
                            "Volby:\n"
                            "  -h, --help   vypíše tuto nápovědu\n"
                            "  --version    vypíše verzi\n"
                            "\n"
                            "Nápověda k příkazu: pelmo PŘÍKAZ --help");
}

QString scanHelp()
{
    return Localization::tr("Použití: pelmo scan [--home SLOŽKA] [--threshold-mb N] [--exclude PŘEDPONA]... "
                            "[--lang cs|en] [--json]\n"
                            "Prohledá domovskou složku a vypíše, co lze uvolnit.\n"
                            "\n"
                            "  --home SLOŽKA        prohledá SLOŽKU místo domovské složky\n"
                            "  --threshold-mb N     soubory od N megabajtů jsou velké (jinak podle nastavení, 200)\n"
                            "  --exclude PŘEDPONA   vynechá položky, jejichž cesta začíná PŘEDPONOU; lze opakovat\n"
                            "  --lang cs|en         jazyk výpisu\n"
                            "  --json               vypíše jeden objekt JSON místo souhrnu\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

QString cleanHelp()
{
    return Localization::tr("Použití: pelmo clean [--home SLOŽKA] (--safe | --category DRUH... | --item CESTA...) "
                            "[--yes] [--json]\n"
                            "Prohledá domovskou složku a vybrané nalezené položky přesune do koše.\n"
                            "Každý přesun zapíše do historie, odkud jde položku vrátit.\n"
                            "\n"
                            "  --home SLOŽKA        prohledá SLOŽKU místo domovské složky\n"
                            "  --safe               přesune položky označené jako bezpečné\n"
                            "  --category DRUH      přesune všechny položky kategorie: caches, logs, developer,\n"
                            "                       leftovers, installers, duplicates, largeFiles; lze opakovat\n"
                            "  --item CESTA         přesune nalezenou položku CESTA; lze opakovat\n"
                            "  --yes                neptá se (bez terminálu je povinná)\n"
                            "  --json               vypíše výsledek jako objekt JSON\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

QString mapHelp()
{
    return Localization::tr("Použití: pelmo map [--home SLOŽKA] [SLOŽKA] [--json]\n"
                            "Změří položky SLOŽKY (bez ní domovské složky), největší první, s druhem, velikostí\n"
                            "na disku a podílem, a součty podle druhu. SLOŽKA musí ležet v domovské složce.\n"
                            "\n"
                            "  --home SLOŽKA        domovská složka místo té z nastavení\n"
                            "  --json               vypíše jeden objekt JSON místo souhrnu\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

int runMap(const QStringList &arguments)
{
    return runMapCommand(arguments, stdout, stderr);
}

QString historyHelp()
{
    return Localization::tr("Použití: pelmo history [--json]\n"
                            "Vypíše, co bylo přesunuto do koše, od nejnovějšího, s ID každé položky.\n"
                            "\n"
                            "  --json               vypíše historii v uložené podobě (JSON)\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

QString restoreHelp()
{
    return Localization::tr("Použití: pelmo restore ID\n"
                            "Vrátí položku historie s tímto ID z koše na původní místo. Nikdy nic nepřepíše.\n"
                            "\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

QString trashHelp()
{
    return Localization::tr("Použití: pelmo trash [list | empty | open] [--yes] [--json]\n"
                            "Vypíše, vysype nebo otevře tvoje koše.\n"
                            "\n"
                            "  list                 vypíše položky v koši, největší první (výchozí)\n"
                            "  empty                vysype koš, po potvrzení\n"
                            "  open                 otevře koš ve správci souborů\n"
                            "  --yes                vysype bez ptaní (bez terminálu je povinná)\n"
                            "  --json               vypíše položky jako pole JSON\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

QString appsHelp()
{
    return Localization::tr("Použití: pelmo apps [--related ID] [--json]\n"
                            "       pelmo apps --uninstall ID [--keep CESTA]... [--yes]\n"
                            "Vypíše aplikace, které jde odinstalovat, největší první, s velikostí.\n"
                            "\n"
                            "  --related ID         vypíše po skupinách zbytky aplikace s tímto ID (nebo cestou),\n"
                            "                       které by odinstalace nabídla k přesunu do koše\n"
                            "  --uninstall ID       odinstaluje aplikaci: ji i její zbytky přesune do koše\n"
                            "                       (Flatpak odinstaluje příkazem flatpak, to nejde vrátit)\n"
                            "  --keep CESTA         tenhle zbytek nechá na místě (lze zadat víckrát)\n"
                            "  --yes                odinstaluje bez ptaní (bez terminálu je povinná)\n"
                            "  --json               vypíše jeden objekt JSON\n"
                            "  -h, --help           vypíše tuto nápovědu");
}

struct Command
{
    QLatin1StringView name;
    int (*run)(const QStringList &arguments);
    QString (*help)();
};

int runScan(const QStringList &arguments)
{
    return runScanCommand(arguments, stdout, stderr);
}

const std::array<Command, 7> commands = {{
    {QLatin1StringView("scan"), &runScan, &scanHelp},
    {QLatin1StringView("clean"), &runCleanCommand, &cleanHelp},
    {QLatin1StringView("map"), &runMap, &mapHelp},
    {QLatin1StringView("history"), &runHistoryCommand, &historyHelp},
    {QLatin1StringView("restore"), &runRestoreCommand, &restoreHelp},
    {QLatin1StringView("trash"), &runTrashCommand, &trashHelp},
    {QLatin1StringView("apps"), &runAppsCommand, &appsHelp},
}};

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

bool isHelpOption(const QString &argument)
{
    return argument == QLatin1StringView("--help") || argument == QLatin1StringView("-h");
}

// Help anywhere among a command's options wins over everything else on the line: it is
// printed, and nothing is done.
bool asksForHelp(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1StringView("--"))
            return false;
        if (isHelpOption(argument))
            return true;
    }
    return false;
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

int printed(const QString &text)
{
    CommandSupport::write(stdout, text + u'\n');
    return checkedOutput(0);
}

int refused(const QString &problem)
{
    CommandSupport::write(stderr, problem + u'\n' + usage() + u'\n');
    return CommandSupport::badInput;
}

} // namespace

int runCommand(const QStringList &arguments)
{
    const QString name = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (const Command *command = findCommand(name)) {
        if (asksForHelp(rest))
            return printed(command->help());
        // A FIFO or a device in place of the settings is never opened (a read could block
        // forever) nor replaced: the command does nothing.
        if (const QString settings = Preferences::settingsFile(); !SettingsFile::isUsable(settings)) {
            CommandSupport::write(stderr,
                Localization::format(Localization::tr("Soubor nastavení %@ není obyčejný soubor. Pelmo ho nečte ani "
                                                      "nepřepíše a nic neudělalo."),
                    {settings})
                    + u'\n');
            return CommandSupport::failed;
        }
        return checkedOutput(command->run(rest));
    }
    if (isHelpOption(name) || name == QLatin1StringView("help")) {
        if (rest.isEmpty())
            return printed(programHelp());
        if (rest.size() > 1)
            return refused(Localization::format(Localization::tr("Neočekávaný argument %@"), {rest[1]}));
        const Command *command = findCommand(rest.first());
        return command ? printed(command->help())
                       : refused(Localization::format(Localization::tr("Neznámý příkaz %@"), {rest.first()}));
    }
    if (name == QLatin1StringView("--version")) {
        return rest.isEmpty()
            ? printed(QStringLiteral("pelmo ") + QString::fromLatin1(BuildInfo::version))
            : refused(Localization::format(Localization::tr("Neočekávaný argument %@"), {rest.first()}));
    }
    if (name.isEmpty())
        return refused(Localization::tr("Chybí příkaz"));
    if (name.startsWith(u'-'))
        return refused(Localization::format(Localization::tr("Neznámá volba %@"), {name}));
    return refused(Localization::format(Localization::tr("Neznámý příkaz %@"), {name}));
}

} // namespace pelmo
