// Benchmark, not a test: how long the window's event loop is ever blocked while the first
// scan of a home runs. Opens the window (any platform, offscreen works), switches screens
// every 250 ms, and records the longest gap between 10 ms timer ticks.
//   QT_QPA_PLATFORM=offscreen build/pelmo_ui_latency HOME
#include "app/Window.h"
#include "app/ui/AppState.h"
#include "store/SystemServices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace pelmo;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelmo_ui_latency HOME\n");
        return 2;
    }
    const QString home = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir state;
    qputenv("XDG_CONFIG_HOME", (state.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (state.path() + QStringLiteral("/data")).toUtf8());
    QDir().mkpath(state.path() + QStringLiteral("/config/Pelmo"));
    QFile settings(state.path() + QStringLiteral("/config/Pelmo/Pelmo.conf"));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("[General]\nhomeFolderBookmark=@ByteArray(" + home.toUtf8() + ")\n");
    settings.close();

    DesktopState desktop; // starts the first scan
    CleanerStore &store = desktop.store;
    const auto engine = loadMainWindow(desktop.state);
    QObject *content = engine->rootObjects().value(0)
        ? engine->rootObjects().first()->findChild<QObject *>(QStringLiteral("contentView"))
        : nullptr;
    if (!content)
        return 1;

    QElapsedTimer scanClock;
    QElapsedTimer sinceTick;
    scanClock.start();
    sinceTick.start();
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &app, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        ++ticks;
    });
    tick.start(10);
    const QStringList sections = {QStringLiteral("overview"), QStringLiteral("caches"), QStringLiteral("largeFiles"),
        QStringLiteral("duplicates"), QStringLiteral("trash"), QStringLiteral("history")};
    int next = 0;
    QTimer navigate;
    QObject::connect(&navigate, &QTimer::timeout, &app,
        [&] { content->setProperty("section", sections[next++ % sections.size()]); });
    navigate.start(250);
    QObject::connect(&store, &CleanerStore::scanFinished, &app, [&] {
        // One more second for the views to take the result in.
        QTimer::singleShot(1000, &app, [&] {
            std::printf("scan %.2f s, %d ticks, longest event-loop gap %lld ms\n",
                static_cast<double>(scanClock.elapsed() - 1000) / 1000.0, ticks, longestGap);
            QApplication::quit();
        });
    });
    return QApplication::exec();
}
