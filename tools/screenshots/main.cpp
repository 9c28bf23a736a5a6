// Developer tool, not installed: renders every screen of the window to PNG files on a
// generated demo home, in Czech and in English, light and dark, at the default and the
// minimum window size, with keyboard focus rings, so that anyone can look at what a person
// sees; it prints the lowest text contrast it measures on each shot.
// Usage: xvfb-run -a build/pelmo_screenshots OUTPUT-FOLDER
#include "Contrast.h"
#include "access/AccessManager.h"
#include "app/ColorScheme.h"
#include "app/Window.h"
#include "app/ui/AppState.h"
#include "core/Localization.h"
#include "diskmap/ui/DiskMapModel.h"
#include "model/CleanCategory.h"
#include "store/SystemServices.h"
#include "trash/TrashService.h"
#include "updates/UpdateChecker.h"
#include "updates/ui/AboutViewModel.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>

using namespace pelmo;
using pelmo::test::contrast;

namespace {

// An update endpoint on the loopback that offers version 1.1 with notes in both languages.
class DemoEndpoint
{
public:
    DemoEndpoint()
    {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                const QByteArray body = QStringLiteral(
                    "{\"version\":\"1.1\",\"url\":\"https://example.org/pelmo\","
                    "\"notes_cs\":\"Rychlejší hledání duplicit a mapa disku pro celou domovskou složku.\","
                    "\"notes_en\":\"Faster duplicate search and a disk map of the whole home folder.\"}")
                                            .toUtf8();
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
                    + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        });
    }

    [[nodiscard]] QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
};

void writeFile(const QString &path, qint64 size, char fill = 'x')
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray(size, fill));
}

// The folder and everything in it unchanged for `days`, as a program's data long out of use.
void backdate(const QString &folder, int days)
{
    const auto then = std::filesystem::file_time_type::clock::now() - std::chrono::days(days);
    const std::filesystem::path root(folder.toStdString());
    std::error_code ignored;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root, ignored))
        std::filesystem::last_write_time(entry.path(), then, ignored);
    std::filesystem::last_write_time(root, then, ignored);
}

// A one-page letter, for the preview of a PDF.
void writeLetter(const QString &path)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    QFont font = painter.font();
    font.setPointSize(28);
    painter.setFont(font);
    painter.drawText(
        QRect(0, 0, writer.width(), writer.height() / 4), Qt::AlignCenter, QStringLiteral("Invoice 2024-117"));
    painter.fillRect(QRect(writer.width() / 10, writer.height() / 3, writer.width() * 8 / 10, writer.height() / 40),
        QColor(0x0d, 0x9e, 0x8f));
}

// An application bundle with an Info.plist.
void writeBundle(
    const QString &path, const QByteArray &id, const QByteArray &name, const QByteArray &version, qint64 size)
{
    QDir().mkpath(path + QStringLiteral("/Contents/MacOS"));
    QFile plist(path + QStringLiteral("/Contents/Info.plist"));
    if (plist.open(QIODevice::WriteOnly))
        plist.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                    "<key>CFBundleIdentifier</key><string>"
            + id + "</string><key>CFBundleName</key><string>" + name
            + "</string><key>CFBundleShortVersionString</key><string>" + version
            + "</string><key>CFBundleExecutable</key><string>main</string></dict></plist>\n");
    writeFile(path + QStringLiteral("/Contents/MacOS/main"), size);
}

// Applications to uninstall: bundles and AppImages, one with leftovers of every kind.
void makeDemoApps(const QString &home)
{
    writeBundle(
        home + QStringLiteral("/Applications/Spotify.app"), "com.spotify.client", "Spotify", "1.2.26", 310'000'000);
    writeBundle(home + QStringLiteral("/Applications/Figma.app"), "com.figma.Desktop", "Figma", "116.15", 180'000'000);
    writeFile(home + QStringLiteral("/Applications/Obsidian-1.4.16.AppImage"), 120'000'000);
    writeFile(home + QStringLiteral("/.local/share/applications/md.obsidian.desktop"), 0);
    QFile entry(home + QStringLiteral("/.local/share/applications/md.obsidian.desktop"));
    if (entry.open(QIODevice::WriteOnly))
        entry.write("[Desktop Entry]\nType=Application\nName=Obsidian\nIcon=accessories-text-editor\nExec="
            + home.toUtf8() + "/Applications/Obsidian-1.4.16.AppImage %U\n");
    writeFile(home + QStringLiteral("/Applications/Kdenlive-23.08.4-x86_64.AppImage"), 95'000'000);
    writeFile(home + QStringLiteral("/Library/Application Support/com.figma.Desktop/fonts.db"), 42'000'000);
    writeFile(home + QStringLiteral("/Library/Caches/com.figma.Desktop/cache.bin"), 18'000'000);
    writeFile(home + QStringLiteral("/Library/Preferences/com.figma.Desktop.plist"), 4'000);
    writeFile(home + QStringLiteral("/Library/Logs/Figma/main.log"), 2'100'000);
    writeFile(home + QStringLiteral("/Library/LaunchAgents/com.figma.Desktop.plist"), 1'000);
    writeFile(home + QStringLiteral("/.config/figma/settings.json"), 12'000);
    writeFile(home + QStringLiteral("/.config/obsidian/obsidian.json"), 9'000);
    writeFile(home + QStringLiteral("/.cache/obsidian/Cache/data_0"), 26'000'000);
}

// A home with something in every category.
void makeDemoHome(const QString &home)
{
    writeLetter(home + QStringLiteral("/Documents/Invoice 2024-117.pdf"));
    writeLetter(home + QStringLiteral("/Downloads/Invoice 2024-117 (1).pdf"));
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
    writeFile(home + QStringLiteral("/.config/io.github.retired.Inkpad/state"), 1'200'000);
    backdate(home + QStringLiteral("/.config/io.github.retired.Inkpad"), 400);
    writeFile(home + QStringLiteral("/Downloads/Firefox 120.dmg"), 130'000'000);
    writeFile(home + QStringLiteral("/Downloads/virtualbox-7.0.deb"), 98'000'000);
    writeFile(home + QStringLiteral("/Documents/Report 2024.pdf"), 4'200'000, 'r');
    writeFile(home + QStringLiteral("/Desktop/Report 2024 (copy).pdf"), 4'200'000, 'r');
    writeFile(home + QStringLiteral("/Movies/Holiday.mov"), 260'000'000, 'm');
    writeFile(home + QStringLiteral("/Downloads/dataset.zip"), 240'000'000);
    makeDemoApps(home);
    // For the disk map: a project tree, and a folder that shows nothing (only hidden files).
    writeFile(home + QStringLiteral("/Projects/pelmo/build/pelmo"), 36'000'000);
    writeFile(home + QStringLiteral("/Projects/pelmo/src/main.cpp"), 60'000);
    writeFile(home + QStringLiteral("/Projects/notes.md"), 20'000);
    writeFile(home + QStringLiteral("/Shared/.hidden-settings"), 8'000);
}

// The lowest text contrast measured on a shot, with the text it belongs to.
struct Lowest
{
    double ratio = 21;
    QString where;
};
Lowest lowestOverall;

// Measures each visible, enabled text under `root` on the shot: its background is the most
// frequent colour of its box, its colour the pixel that differs most from that.
void measureTexts(QQuickItem *root, const QImage &shot, const QString &file, Lowest &lowest, const QRect &covered)
{
    if (!root->isVisible() || root->opacity() < 0.05 || !root->isEnabled())
        return;
    if (root->objectName() == QLatin1StringView("toast")) { // above everything: measured on its own
        for (QQuickItem *child : root->childItems())
            measureTexts(child, shot, file, lowest, {});
        return;
    }
    const QString text = root->property("text").toString().trimmed();
    const bool isText
        = root->inherits("QQuickText") || root->inherits("QQuickTextInput") || root->inherits("QQuickTextEdit");
    if (isText && !text.isEmpty() && root->height() >= 8) {
        QRect box = root->mapRectToScene(QRectF(0, 0, root->width(), root->height())).toAlignedRect();
        for (QQuickItem *up = root->parentItem(); up; up = up->parentItem())
            if (up->clip())
                box &= up->mapRectToScene(QRectF(0, 0, up->width(), up->height())).toAlignedRect();
        box &= shot.rect();
        if (!box.intersects(covered) && box.width() >= 4 && box.height() >= 6) {
            QHash<QRgb, int> counts;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ++counts[shot.pixel(x, y)];
            QRgb background = counts.constBegin().key();
            for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
                if (it.value() > counts[background])
                    background = it.key();
            double best = 1;
            for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
                best = std::max(best, contrast(QColor(background), QColor(it.key())));
            // A box of one colour is text scrolled out of sight or hidden behind another item.
            if (counts.size() > 1 && best < lowest.ratio)
                lowest = {best, file.section(u'/', -1) + QStringLiteral(": \"") + text.left(40) + u'"'};
        }
    }
    for (QQuickItem *child : root->childItems())
        measureTexts(child, shot, file, lowest, covered);
}

// A shot with an open popup measures the popup only; the page lies under its scrim.
QQuickItem *measuredRoot(QQuickWindow *window)
{
    QQuickItem *top = window->contentItem();
    for (QQuickItem *popup : window->findChildren<QQuickItem *>())
        if (popup->inherits("QQuickPopupItem") && popup->isVisible())
            top = popup;
    return top;
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
    const QImage shot = window->grabWindow();
    const bool saved = shot.save(file);
    Lowest lowest;
    // Texts under the toast are hidden by it, not shown in low contrast.
    QRect toastBox;
    if (auto *toast = window->findChild<QQuickItem *>(QStringLiteral("toast")); toast && toast->isVisible())
        toastBox = toast->mapRectToScene(QRectF(0, 0, toast->width(), toast->height())).toAlignedRect();
    measureTexts(measuredRoot(window), shot.convertToFormat(QImage::Format_RGB32), file, lowest, toastBox);
    if (lowest.ratio < lowestOverall.ratio)
        lowestOverall = lowest;
    std::printf("%s %s (lowest text contrast %.2f:1 %s)\n", saved ? "wrote" : "FAILED", qPrintable(file), lowest.ratio,
        qPrintable(lowest.where.section(u':', 1)));
    return saved;
}

// Keyboard focus as a person gives it: `tabs` presses of Tab from the sidebar.
void tabTo(QQuickWindow *window, int tabs)
{
    if (QQuickItem *sidebar = window->findChild<QQuickItem *>(QStringLiteral("sidebar")))
        sidebar->forceActiveFocus(Qt::TabFocusReason);
    for (int i = 0; i < tabs; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &release);
    }
}

// A drag that hovers over the window, as the desktop delivers it.
void hoverDrag(QQuickWindow *window, const QString &path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre(window->width() / 2, window->height() / 2);
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
}

// Scrolls every visible scrolling area to its end; false when none had more to show.
bool scrollToEnd(QQuickItem *item)
{
    if (!item->isVisible())
        return false;
    bool scrolled = false;
    const qreal hidden = item->property("contentHeight").toReal() - item->height();
    if (item->inherits("QQuickFlickable") && hidden > 1) {
        item->setProperty("contentY", hidden);
        scrolled = true;
    }
    for (QQuickItem *child : item->childItems())
        scrolled = scrollToEnd(child) || scrolled;
    return scrolled;
}

bool shootLanguage(const QString &language, const QString &output, bool granted, const QSize &size, bool dark)
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
    // What a dark desktop says through the settings portal.
    if (auto *scheme = engine->findChild<ColorScheme *>())
        scheme->setPreference(dark ? AppearancePortal::Scheme::dark : AppearancePortal::Scheme::light);
    const QString prefix = output + u'/' + language + u'-' + QString::number(size.width())
        + (dark ? QStringLiteral("-dark-") : QStringLiteral("-"));
    if (!granted) {
        bool ok = grab(window, prefix + QStringLiteral("welcome.png"));
        store.access()->requestAccess(); // what the welcome screen's button does
        wait(300);
        QFileDialog *dialog = desktop.picker.openDialog();
        const bool saved = dialog && dialog->grab().save(prefix + QStringLiteral("folder-dialog.png"));
        std::printf("%s %sfolder-dialog.png\n", saved ? "wrote" : "FAILED", qPrintable(prefix));
        if (dialog)
            dialog->reject();
        return saved && ok;
    }

    while (!store.hasScanned())
        wait(100);
    // One real clean-up, so that the Trash and the history have something to show.
    QList<CleanItem> logs = store.itemsIn(CleanCategory::logs);
    store.clean(logs.mid(0, 1));
    while (store.isCleaning())
        wait(100);
    bool ok = true;
    QObject *content = window->findChild<QObject *>(QStringLiteral("contentView"));
    QStringList sections = {QStringLiteral("overview"), QStringLiteral("trash"), QStringLiteral("history"),
        QStringLiteral("settings"), QStringLiteral("about")};
    for (const CleanCategory category : allCategories)
        sections.append(Category::rawValue(category));
    for (const QString &section : sections) {
        content->setProperty("section", section);
        ok = grab(window, prefix + section + QStringLiteral(".png")) && ok;
        if (scrollToEnd(window->contentItem()))
            ok = grab(window, prefix + section + QStringLiteral("-end.png")) && ok;
    }
    // The uninstaller: the largest applications, the detail with every group, a running one.
    content->setProperty("section", QStringLiteral("uninstall"));
    if (QObject *uninstaller = window->findChild<QObject *>(QStringLiteral("uninstallViewModel"))) {
        while (uninstaller->property("loading").toBool() || uninstaller->property("measuring").toBool())
            wait(100);
        ok = grab(window, prefix + QStringLiteral("uninstall.png")) && ok;
        const auto show = [&](const QString &path, const QString &name) {
            uninstaller->setProperty("selectedPath", path);
            while (uninstaller->property("relatedLoading").toBool())
                wait(100);
            ok = grab(window, prefix + name + QStringLiteral(".png")) && ok;
            if (scrollToEnd(window->contentItem()))
                ok = grab(window, prefix + name + QStringLiteral("-end.png")) && ok;
        };
        show(home + QStringLiteral("/Applications/Figma.app"), QStringLiteral("uninstall-detail"));
        const QString appImage = home + QStringLiteral("/Applications/Obsidian-1.4.16.AppImage");
        QProcess running;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("APPIMAGE"), appImage);
        running.setProcessEnvironment(environment);
        running.start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")});
        running.waitForStarted();
        wait(2500); // one pass of the running watch
        show(appImage, QStringLiteral("uninstall-running"));
        running.kill();
        running.waitForFinished();
        if (QObject *search = window->findChild<QObject *>(QStringLiteral("uninstallSearch"))) {
            search->setProperty("text", QStringLiteral("zzz"));
            uninstaller->setProperty("selectedPath", QString());
            ok = grab(window, prefix + QStringLiteral("uninstall-no-match.png")) && ok;
            search->setProperty("text", QString());
        }
    }
    // The disk map: tiles, a focus in the inspector, one kind highlighted, the question
    // before the Trash, and a folder with nothing to show.
    content->setProperty("section", QStringLiteral("diskMap"));
    DiskMapModel *map = desktop.state.diskMap();
    for (int i = 0; i < 100 && (map->loading() || map->count() == 0); ++i)
        wait(100);
    ok = grab(window, prefix + QStringLiteral("diskmap.png")) && ok;
    map->setSelectedID(home + QStringLiteral("/Downloads"));
    ok = grab(window, prefix + QStringLiteral("diskmap-focus.png")) && ok;
    map->setHighlightKind(static_cast<int>(NodeKind::folder));
    ok = grab(window, prefix + QStringLiteral("diskmap-highlight.png")) && ok;
    map->setHighlightKind(-1);
    if (QObject *inspector = window->findChild<QObject *>(QStringLiteral("mapInspector"))) {
        QMetaObject::invokeMethod(inspector, "askTrash", Q_ARG(QVariant, home + QStringLiteral("/Projects")));
        ok = grab(window, prefix + QStringLiteral("diskmap-confirm.png")) && ok;
        if (QObject *dialog = window->findChild<QObject *>(QStringLiteral("confirmMapTrash")))
            QMetaObject::invokeMethod(dialog, "reject");
    }
    map->enter(home + QStringLiteral("/Projects"));
    ok = grab(window, prefix + QStringLiteral("diskmap-projects.png")) && ok;
    map->goTo(0);
    wait(100);
    map->enter(home + QStringLiteral("/Shared"));
    ok = grab(window, prefix + QStringLiteral("diskmap-empty.png")) && ok;
    map->goTo(0);
    map->setSelectedID({});

    // Focus rings: the sidebar, a category card on the overview, a row of a list.
    content->setProperty("section", QStringLiteral("overview"));
    tabTo(window, 0);
    ok = grab(window, prefix + QStringLiteral("focus-sidebar.png")) && ok;
    tabTo(window, 3);
    ok = grab(window, prefix + QStringLiteral("focus-card.png")) && ok;
    content->setProperty("section", QStringLiteral("caches"));
    wait(200);
    if (QQuickItem *list = window->findChild<QQuickItem *>(QStringLiteral("categoryList"))) {
        list->forceActiveFocus(Qt::TabFocusReason);
        ok = grab(window, prefix + QStringLiteral("focus-row.png")) && ok;
    }
    // The menu with its commands' shortcuts, over a category (where all of them apply).
    if (QObject *menu = window->findChild<QObject *>(QStringLiteral("mainMenu"))) {
        QMetaObject::invokeMethod(menu, "open");
        ok = grab(window, prefix + QStringLiteral("menu.png")) && ok;
        QMetaObject::invokeMethod(menu, "close");
    }
    // A search in one category, and the next category, which starts without it.
    content->setProperty("section", QStringLiteral("caches"));
    if (QObject *search = window->findChild<QObject *>(QStringLiteral("categorySearch"))) {
        search->setProperty("text", QStringLiteral("chrome"));
        ok = grab(window, prefix + QStringLiteral("caches-search.png")) && ok;
        content->setProperty("section", QStringLiteral("developer"));
        ok = grab(window, prefix + QStringLiteral("developer-after-search.png")) && ok;
        content->setProperty("section", QStringLiteral("caches"));
    }
    TrashResult moved;
    moved.freed = 116'000'000;
    store.showToast(TrashService::batchMessage(moved));
    ok = grab(window, prefix + QStringLiteral("toast.png")) && ok;
    if (QObject *sheet = window->findChild<QObject *>(QStringLiteral("previewSheet"))) {
        const QStringList previews
            = {QStringLiteral("/Library/Logs/JetBrains/idea.log"), QStringLiteral("/Documents/Invoice 2024-117.pdf")};
        for (const QString &relative : previews) {
            sheet->setProperty("path", home + relative);
            sheet->setProperty("name", relative.section(u'/', -1));
            sheet->setProperty("sizeText", QStringLiteral("901 kB"));
            QMetaObject::invokeMethod(sheet, "open");
            ok = grab(window, prefix + QStringLiteral("preview-") + relative.section(u'.', -1) + QStringLiteral(".png"))
                && ok;
            QMetaObject::invokeMethod(sheet, "close");
        }
    }
    const QString dropped = home + QStringLiteral("/Documents/Invoice 2024-117.pdf");
    hoverDrag(window, dropped);
    ok = grab(window, prefix + QStringLiteral("drop-target.png")) && ok;
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(window, &leave);
    desktop.state.drop({QUrl::fromLocalFile(dropped)});
    ok = grab(window, prefix + QStringLiteral("drop-analysis.png")) && ok;
    desktop.state.closeDropAnalysis();
    if (QObject *dialog = window->findChild<QObject *>(QStringLiteral("confirmMove"))) {
        QMetaObject::invokeMethod(dialog, "open");
        ok = grab(window, prefix + QStringLiteral("confirm.png")) && ok;
        QMetaObject::invokeMethod(dialog, "close");
    }
    // A newer version found by the automatic check: the alert, then the about screen.
    const DemoEndpoint endpoint;
    UpdateChecker updates(endpoint.url(), QStringLiteral("1.0"), desktop.clock, [] { return true; });
    content->setProperty("section", QStringLiteral("about"));
    wait(100);
    for (AboutViewModel *about : window->findChildren<AboutViewModel *>())
        about->setChecker(&updates);
    updates.check(false);
    while (updates.status() == UpdateChecker::Status::checking)
        wait(100);
    ok = grab(window, prefix + QStringLiteral("update-alert.png")) && ok;
    if (QObject *alert = window->findChild<QObject *>(QStringLiteral("updateAlert")))
        QMetaObject::invokeMethod(alert, "close");
    ok = grab(window, prefix + QStringLiteral("about-available.png")) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("MESA_SHADER_CACHE_DISABLE", "true"); // the demo home's cache folder is scanned
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelmo_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    bool ok = true;
    // Both languages, both window sizes (the default and the minimum), light and dark.
    for (const bool dark : {false, true})
        for (const QString &language : {QStringLiteral("cs"), QStringLiteral("en")})
            for (const QSize &size : {QSize(1020, 700), QSize(900, 600)}) {
                ok = shootLanguage(language, output, false, size, dark) && ok;
                ok = shootLanguage(language, output, true, size, dark) && ok;
            }
    std::printf(
        "lowest text contrast of all shots: %.2f:1 (%s)\n", lowestOverall.ratio, qPrintable(lowestOverall.where));
    return ok ? 0 : 1;
}
