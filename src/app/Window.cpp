#include "Window.h"

#include "AppIcon.h"
#include "ColorScheme.h"
#include "PdfPageProvider.h"
#include "SingleInstance.h"
#include "ThemeIconProvider.h"
#include "TrayIcon.h"
#include "app/ui/AppState.h"
#include "app/ui/SettingsViewModel.h"
#include "core/BuildInfo.h"
#include "core/Localization.h"
#include "platform/Interruption.h"
#include "platform/Preferences.h"
#include "platform/linux/FlatpakCommand.h"
#include "store/SystemServices.h"
#include "updates/AppInfo.h"
#include "updates/UpdateChecker.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQml>

Q_IMPORT_QML_PLUGIN(PelmoPlugin)
Q_IMPORT_QML_PLUGIN(Pelmo_ViewModelsPlugin)

namespace pelmo {

std::unique_ptr<QQmlApplicationEngine> loadMainWindow(AppState &state, bool visible)
{
    auto engine = std::make_unique<QQmlApplicationEngine>();
    // The palette is set before the window exists, so that its first frame has its colours.
    new ColorScheme(QDBusConnection::sessionBus(), engine.get());
    engine->setInitialProperties({{QStringLiteral("visible"), visible}});
    state.attachTo(*engine);
    engine->addImportPath(QStringLiteral("qrc:/"));
    engine->addImageProvider(QStringLiteral("theme"), new ThemeIconProvider);
    engine->addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    engine->addImageProvider(QStringLiteral("pdfpage"), new PdfPageProvider);
    engine->load(QUrl(QStringLiteral("qrc:/Pelmo/app/Main.qml")));
    return engine;
}

DesktopState::DesktopState(bool scanAtOnce)
    : state(store, scanAtOnce)
    , updates(AppInfo::updateFeed(), AppInfo::version(), clock,
          [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; })
{
    UpdateChecker::setShared(&updates);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &updates, [this](Qt::ApplicationState now) {
        if (now == Qt::ApplicationActive)
            updates.activated();
    });
}

DesktopState::~DesktopState() = default;

namespace {

void showWindow(QWindow *window)
{
    window->show();
    window->raise();
    window->requestActivate();
}

// The window's life: from the claim of the single instance to the end of the work the
// store owns. Answers the exit status.
int showUntilQuit(SingleInstance &instance, WindowStart start)
{
    DesktopState desktop(start == WindowStart::shown);
    const auto engine = loadMainWindow(desktop.state, start == WindowStart::shown);
    auto *window = engine->rootObjects().isEmpty() ? nullptr : qobject_cast<QWindow *>(engine->rootObjects().first());
    if (!window)
        return 1;
    QObject::connect(&instance, &SingleInstance::activated, window, [window] { showWindow(window); });
    // The weekly reminder's notification opens the window as a second start would.
    desktop.system.notifier().setActivated([&instance] { instance.Activate({}); });
    // With a tray, closing the window leaves Pelmo reachable there. Without one, closing
    // quits, unless the weekly reminder needs Pelmo running for its hourly check (a new
    // start or the reminder's notification brings the window back).
    std::unique_ptr<TrayIcon> tray;
    if (QSystemTrayIcon::isSystemTrayAvailable())
        tray = std::make_unique<TrayIcon>(desktop.state, window);
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(window, &QWindow::visibleChanged, qApp, [&tray, &desktop](bool visible) {
        if (visible)
            desktop.state.allowFirstScan();
        else if (!tray && !desktop.store.reminderEnabled())
            QCoreApplication::quit();
    });
    // Ctrl+C or a termination request quits as the menu does.
    const Interruption::SignalGuard guard;
    QTimer signalWatch;
    QObject::connect(&signalWatch, &QTimer::timeout, qApp, [] {
        if (Interruption::requested())
            QCoreApplication::quit();
    });
    constexpr int kSignalPollMs = 200;
    signalWatch.start(kSignalPollMs);
    desktop.updates.start();
    const int status = QApplication::exec();
    // A batch or an emptying ends after the item in flight, which the history records;
    // then the store, which waits for that, goes before the services it uses. A flatpak
    // that hangs is ended now rather than at its own deadline.
    Interruption::request();
    FlatpakCommand::cancelAll();
    return status;
}

} // namespace

int runWindow(int &argc, char **argv, WindowStart start)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pelmo"));
    QApplication::setApplicationName(QStringLiteral("Pelmo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pelmo"));
    // Lets the desktop match the window to the installed entry (its name and icon).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::applicationId));
    QGuiApplication::setWindowIcon(applicationIcon());
    const Preferences preferences;
    Localization::install(Localization::resolvedCode(Localization::languageFromRawValue(preferences.appLanguage())));

    // Started at login for a reminder that has since been switched off: nothing to do.
    if (start == WindowStart::background && !preferences.reminderEnabled())
        return 0;
    int status = 0;
    {
        SingleInstance instance;
        if (!instance.claim(start == WindowStart::shown))
            return 0; // the running Pelmo shows its window, or it runs already
        status = showUntilQuit(instance, start);
    }
    if (app.property(SettingsViewModel::relaunchProperty).toBool())
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    return status;
}

} // namespace pelmo
