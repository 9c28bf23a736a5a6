#include "Window.h"

#include "AppState.h"
#include "Localization.h"
#include "Preferences.h"
#include "ThemeIconProvider.h"
#include "platform/linux/SystemServices.h"
#include "screens/CategoryViewModel.h"
#include "screens/OverviewViewModel.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QtQml>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(PelmoPlugin)

namespace pelmo {

int runWindow(int &argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pelmo"));
    QApplication::setApplicationName(QStringLiteral("Pelmo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pelmo"));
    Localization::install(Localization::resolvedCode(Localization::languageFromRawValue(Preferences().appLanguage())));

    SystemServices system;
    QmlFolderPicker picker;
    CleanerStore store(system.storeServices(nullptr, &picker));
    AppState state(store, picker);

    qmlRegisterSingletonInstance("Pelmo", 1, 0, "AppState", &state);
    qmlRegisterType<CategoryViewModel>("Pelmo", 1, 0, "CategoryViewModel");
    qmlRegisterType<OverviewViewModel>("Pelmo", 1, 0, "OverviewViewModel");
    qmlRegisterUncreatableType<CleanerStore>("Pelmo", 1, 0, "CleanerStore", QStringLiteral("one store"));

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QStringLiteral("theme"), new ThemeIconProvider);
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
                     Qt::QueuedConnection);
    engine.load(QUrl(QStringLiteral("qrc:/Pelmo/app/Main.qml")));
    return QApplication::exec();
}

} // namespace pelmo
