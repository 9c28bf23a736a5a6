#include "app/Localization.h"
#include "app/Preferences.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pelmo"));
    QCoreApplication::setApplicationName(QStringLiteral("Pelmo"));
    pelmo::Localization::install(pelmo::Localization::resolvedCode(
        pelmo::Localization::languageFromRawValue(pelmo::Preferences().appLanguage())));
    return pelmo::runCommand(pelmo::CommandSupport::decodeArguments(argc, argv).mid(1));
}
