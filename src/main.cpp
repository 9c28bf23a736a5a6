#include "app/Window.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/Localization.h"
#include "platform/Preferences.h"

#include <QCoreApplication>

#include <string_view>

namespace {

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

// With a subcommand, or without a display, Pelmo runs headless; otherwise it opens its window
// (or, with --background, runs the weekly reminder without one).
int main(int argc, char **argv)
{
    if (argc == 1 && hasDisplay())
        return pelmo::runWindow(argc, argv);
    // The autostart entry of the weekly reminder.
    if (argc == 2 && std::string_view(argv[1]) == "--background" && hasDisplay())
        return pelmo::runWindow(argc, argv, pelmo::WindowStart::background);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pelmo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pelmo"));
    pelmo::Localization::install(pelmo::Localization::resolvedCode(
        pelmo::Localization::languageFromRawValue(pelmo::Preferences().appLanguage())));
    QStringList arguments = pelmo::CommandSupport::decodeArguments(argc, argv).mid(1);
    if (arguments.isEmpty())
        arguments = {QStringLiteral("scan")}; // no display: print what the window would show
    return pelmo::runCommand(arguments);
}
