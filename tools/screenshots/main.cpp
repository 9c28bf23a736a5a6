// Developer tool, not installed: renders every screen of the window to PNG files on a
// generated demo home, in Czech and in English, so that anyone can look at what a person
// sees. Usage: xvfb-run -a build/pelmo_screenshots OUTPUT-FOLDER
#include "app/AppState.h"
#include "app/Localization.h"
#include "app/Window.h"
#include "model/CleanCategory.h"
#include "platform/linux/SystemServices.h"
#include "trash/TrashService.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace pelmo;

namespace {

void writeFile(const QString &path, qint64 size, char fill = 'x')
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(size, fill));
}

// A home with something in every category.
void makeDemoHome(const QString &home)
{
    writeFile(home + QStringLiteral("/Library/Caches/com.spotify.client/Data/cache.bin"), 84'000'000);
    writeFile(home + QStringLiteral("/Library/Caches/com.google.Chrome/Cache/data_1"), 32'000'000);
    writeFile(home + QStringLiteral("/.cache/thumbnails/large/a.png"), 12'500'000);
    writeFile(home + QStringLiteral("/.cache/pip/http/b"), 6'400'000);
    writeFile(home + QStringLiteral("/Library/Logs/DiagnosticReports/crash.ips"), 2'300'000);
    writeFile(home + QStringLiteral("/Library/Logs/JetBrains/idea.log"), 900'000, 'l');
    writeFile(home + QStringLiteral("/Library/Developer/Xcode/DerivedData/Pelmo-abc/Build/x"), 48'000'000);
    writeFile(home + QStringLiteral("/.npm/_cacache/content-v2/y"), 21'000'000);
    writeFile(home + QStringLiteral("/.cargo/registry/cache/z"), 15'000'000);
    writeFile(home + QStringLiteral("/Library/Application Support/com.oldvendor.PhotoTool/db"), 27'000'000);
    writeFile(home + QStringLiteral("/.config/io.github.retired.Editor/state"), 1'200'000);
    writeFile(home + QStringLiteral("/Downloads/Firefox 120.dmg"), 130'000'000);
    writeFile(home + QStringLiteral("/Downloads/virtualbox-7.0.deb"), 98'000'000);
    writeFile(home + QStringLiteral("/Documents/Report 2024.pdf"), 4'200'000, 'r');
    writeFile(home + QStringLiteral("/Desktop/Report 2024 (copy).pdf"), 4'200'000, 'r');
    writeFile(home + QStringLiteral("/Movies/Holiday.mov"), 260'000'000, 'm');
    writeFile(home + QStringLiteral("/Downloads/dataset.zip"), 240'000'000);
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool grab(QQuickWindow *window, const QString &file)
{
    wait(300);
    const bool saved = window->grabWindow().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

bool shootLanguage(const QString &language, const QString &output, bool granted, const QSize &size)
{
    QTemporaryDir demo;
    const QString home = demo.path() + QStringLiteral("/home");
    makeDemoHome(home);
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toUtf8());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toUtf8());
    QFile settings(home + QStringLiteral("/.config/Pelmo/Pelmo.conf"));
    QDir().mkpath(home + QStringLiteral("/.config/Pelmo"));
    if (settings.open(QIODevice::WriteOnly) && granted)
        settings.write("[General]\nlargeThresholdMB=100\nhomeFolderBookmark=@ByteArray(" + home.toUtf8() + ")\n");
    settings.close();
    Localization::install(language);

    DesktopState desktop;
    CleanerStore &store = desktop.store;
    const auto engine = loadMainWindow(desktop.state);
    auto *window
        = engine->rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine->rootObjects().first());
    if (!window)
        return false;
    window->resize(size);
    const QString prefix = output + u'/' + language + u'-' + QString::number(size.width()) + u'-';
    if (!granted)
        return grab(window, prefix + QStringLiteral("welcome.png"));

    while (!store.hasScanned())
        wait(100);
    bool ok = true;
    QObject *content = window->findChild<QObject *>(QStringLiteral("contentView"));
    QStringList sections
        = {QStringLiteral("overview"), QStringLiteral("trash"), QStringLiteral("history"), QStringLiteral("settings")};
    for (const CleanCategory category : allCategories)
        sections.append(Category::rawValue(category));
    for (const QString &section : sections) {
        content->setProperty("section", section);
        ok = grab(window, prefix + section + QStringLiteral(".png")) && ok;
    }
    content->setProperty("section", QStringLiteral("caches"));
    TrashResult moved;
    moved.freed = 116'000'000;
    store.showToast(TrashService::batchMessage(moved));
    ok = grab(window, prefix + QStringLiteral("toast.png")) && ok;
    if (QObject *sheet = window->findChild<QObject *>(QStringLiteral("previewSheet"))) {
        sheet->setProperty("path", home + QStringLiteral("/Library/Logs/JetBrains/idea.log"));
        sheet->setProperty("name", QStringLiteral("idea.log"));
        sheet->setProperty("sizeText", QStringLiteral("901 kB"));
        QMetaObject::invokeMethod(sheet, "open");
        ok = grab(window, prefix + QStringLiteral("preview.png")) && ok;
        QMetaObject::invokeMethod(sheet, "close");
    }
    if (QObject *dialog = window->findChild<QObject *>(QStringLiteral("confirmMove"))) {
        QMetaObject::invokeMethod(dialog, "open");
        ok = grab(window, prefix + QStringLiteral("confirm.png")) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelmo_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    bool ok = true;
    for (const QString &language : {QStringLiteral("cs"), QStringLiteral("en")}) {
        ok = shootLanguage(language, output, false, {1020, 700}) && ok;
        ok = shootLanguage(language, output, true, {1020, 700}) && ok;
        ok = shootLanguage(language, output, true, {900, 600}) && ok;
    }
    return ok ? 0 : 1;
}
