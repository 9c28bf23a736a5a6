// Benchmark, not a test: how long the window's event loop is ever blocked while the first
// scan of a home runs. Opens the window (any platform, offscreen works), switches screens
// every 250 ms, and records the longest gap between 10 ms timer ticks.
//   QT_QPA_PLATFORM=offscreen build/pelmo_ui_latency HOME
// With "map" after HOME it opens the disk map instead once the first scan is done, moves
// the pointer's hover over its tiles every 20 ms, and records the longest gap while the map
// measures HOME, then enters the largest folder and its largest folder.
//   QT_QPA_PLATFORM=offscreen build/pelmo_ui_latency HOME map
#include "app/Window.h"
#include "app/ui/AppState.h"
#include "diskmap/ui/DiskMapModel.h"
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

namespace {

int mapLatency(QApplication &app, DesktopState &desktop, QObject *content, qint64 &longestGap, QElapsedTimer &sinceTick)
{
    // The first scan's own gaps are the other mode's business: the map opens after it.
    while (!desktop.store.hasScanned())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    DiskMapModel *model = desktop.state.diskMap();
    QElapsedTimer clock;
    clock.start();
    sinceTick.restart();
    longestGap = 0;
    content->setProperty("section", QStringLiteral("diskMap"));
    int hovered = 0;
    QTimer hover;
    QObject::connect(&hover, &QTimer::timeout, &app, [&] {
        const QList<DiskNode> shown = model->shown();
        if (!shown.isEmpty())
            model->setHover(shown[hovered++ % shown.size()].id(), true);
    });
    hover.start(20);
    QElapsedTimer gap;
    gap.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (gap.elapsed() > 50)
            std::printf(
                "  gap of %lld ms ending at %.2f s\n", gap.elapsed(), static_cast<double>(clock.elapsed()) / 1000.0);
        gap.restart();
    });
    watch.start(10);
    int levels = 0;
    auto enterLargest = [&] {
        for (const DiskNode &node : model->nodes()) {
            if (node.isEnterable()) {
                QElapsedTimer entering;
                entering.start();
                model->enter(node);
                std::printf("  entered %s: %s in %lld ms\n", qPrintable(node.name()),
                    model->loading() ? "measuring" : "shown", entering.elapsed());
                return true;
            }
        }
        return false;
    };
    QObject::connect(model, &DiskMapModel::measured, &app, [&] {
        if (levels == 0)
            std::printf("measured %s in %.2f s, longest event-loop gap %lld ms\n", qPrintable(model->current()),
                static_cast<double>(clock.elapsed()) / 1000.0, longestGap);
        // As a double click would: from the event loop.
        if (levels++ < 2) {
            QTimer::singleShot(100, &app, [&] {
                if (!enterLargest())
                    QApplication::quit();
            });
            return;
        }
        QTimer::singleShot(1000, &app, [&] {
            std::printf("longest event-loop gap overall %lld ms\n", longestGap);
            QApplication::quit();
        });
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool map = argc == 3 && qstrcmp(argv[2], "map") == 0;
    if (argc != 2 && !map) {
        std::fprintf(stderr, "usage: pelmo_ui_latency HOME [map]\n");
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
    if (map)
        return mapLatency(app, desktop, content, longestGap, sinceTick);
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
