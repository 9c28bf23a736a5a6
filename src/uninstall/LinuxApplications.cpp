#include "uninstall/LinuxApplications.h"

#include "core/FileIdentity.h"
#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "platform/linux/DesktopEntryFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <string>

namespace pelmo::LinuxApplications {
namespace {

// Desktop entries are a few kilobytes; metadata files of an application a few dozen.
constexpr size_t kMaxEntrySize = size_t {1024} * 1024;
constexpr size_t kMaxMetainfoSize = size_t {4} * 1024 * 1024;

QString chopped(const QString &text, qsizetype n)
{
    return text.left(text.size() - n);
}

QString firstReleaseVersion(const QString &metainfoPath)
{
    const auto text = PosixFile::readSmallFile(PathBytes::toBytes(metainfoPath), kMaxMetainfoSize, true);
    if (!text)
        return {};
    QXmlStreamReader xml(QByteArray::fromStdString(*text));
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1StringView("release"))
            return xml.attributes().value(QLatin1StringView("version")).toString();
    }
    return {};
}

// The largest icon that the Flatpak exports, as a file; the theme name when it has none.
QString flatpakIcon(const QString &installation, const QString &id, const QString &iconName)
{
    const QString name = iconName.isEmpty() ? id : iconName;
    const QString icons = installation + QStringLiteral("/exports/share/icons/hicolor/");
    for (const char *size : {"scalable", "256x256", "128x128", "512x512", "96x96", "64x64", "48x48"}) {
        for (const char *extension : {".svg", ".png"}) {
            const QString file
                = icons + QLatin1StringView(size) + QStringLiteral("/apps/") + name + QLatin1StringView(extension);
            if (QFileInfo(file).isFile())
                return file;
        }
    }
    return name;
}

} // namespace

std::optional<DesktopEntry> readDesktopEntry(const QString &path, const QString &id)
{
    const auto text = PosixFile::readSmallFile(PathBytes::toBytes(path), kMaxEntrySize, true);
    if (!text)
        return std::nullopt;
    DesktopEntry entry;
    entry.path = path;
    entry.id = id.isEmpty() ? chopped(path.section(u'/', -1), 8) : id;
    QString exec;
    QString tryExec;
    bool isEntry = false;
    DesktopEntryFile::forEachKey(*text, [&](auto group, auto key, const std::string &value) {
        if (group != "Desktop Entry")
            return;
        isEntry = true;
        const QString text = PathBytes::fromBytes(value);
        if (key == "Name")
            entry.name = text;
        else if (key == "Icon")
            entry.icon = text;
        else if (key == "X-AppImage-Version")
            entry.version = text;
        else if (key == "X-Flatpak")
            entry.flatpakApp = text;
        else if (key == "Exec")
            exec = PathBytes::fromBytes(DesktopEntryFile::execPath(value));
        else if (key == "TryExec")
            tryExec = text;
    });
    if (!isEntry)
        return std::nullopt;
    entry.target = exec.startsWith(u'/') ? exec : tryExec;
    return entry;
}

QString userEntryFolder(const QString &home)
{
    return home + QStringLiteral("/.local/share/applications");
}

QHash<QString, DesktopEntry> userEntriesByTarget(const QString &home)
{
    QHash<QString, DesktopEntry> entries;
    const std::string root = PathBytes::toBytes(userEntryFolder(home));
    FileWalker::walk(root, {.skipHidden = true}, [&](const FileWalker::Entry &found) {
        const bool fileOrLink
            = found.type == FileWalker::EntryType::RegularFile || found.type == FileWalker::EntryType::Symlink;
        if (!fileOrLink || !found.name.ends_with(".desktop"))
            return FileWalker::Action::Continue;
        QString id = PathBytes::fromBytes(std::string_view(found.path).substr(root.size() + 1));
        id = chopped(id, 8).replace(u'/', u'-');
        const std::optional<DesktopEntry> entry = readDesktopEntry(PathBytes::fromBytes(found.path), id);
        // The first entry found for a file wins, as the desktop takes the first of an ID.
        if (entry && entry->target.startsWith(u'/') && !entries.contains(entry->target))
            entries.insert(entry->target, *entry);
        return FileWalker::Action::Continue;
    });
    return entries;
}

bool isAppImageName(const QString &name)
{
    constexpr QLatin1StringView kExtension(".appimage");
    return name.size() > kExtension.size() && name.endsWith(kExtension, Qt::CaseInsensitive);
}

NameAndVersion appImageName(const QString &fileName)
{
    static const QRegularExpression architecture(
        QStringLiteral("[-_. ](x86[-_]64|amd64|aarch64|arm64|armhf|i[3-6]86)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression version(QStringLiteral("^(.*?)[-_ ]v?(\\d[0-9A-Za-z.+~_-]*)$"));
    QString base = isAppImageName(fileName) ? chopped(fileName, 9) : fileName;
    base.remove(architecture);
    const QRegularExpressionMatch match = version.match(base);
    if (match.hasMatch() && !match.captured(1).isEmpty())
        return {match.captured(1), match.captured(2)};
    return {base, {}};
}

InstalledApp describeAppImage(const QString &path, const std::optional<DesktopEntry> &entry)
{
    const NameAndVersion fromFile = appImageName(path.section(u'/', -1));
    InstalledApp app;
    app.path = path;
    app.identity = FileIdentity::of(path).value_or(FileIdentity());
    app.kind = InstalledApp::Kind::appImage;
    app.name = entry && !entry->name.isEmpty() ? entry->name : fromFile.name;
    app.bundleID = entry && !entry->id.isEmpty() ? entry->id : fromFile.name;
    const QString version = entry && !entry->version.isEmpty() ? entry->version : fromFile.version;
    if (!version.isEmpty())
        app.version = version;
    app.icon = entry ? entry->icon : QString();
    app.desktopEntry = entry ? entry->path : QString();
    app.lastUsed = accessTime(path);
    return app;
}

QString flatpakInstallation(const QString &home)
{
    // Where flatpak itself keeps the user's installation.
    const QByteArray own = qgetenv("FLATPAK_USER_DIR");
    if (own.startsWith('/'))
        return PathBytes::fromBytes(own.toStdString());
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/'))
        return PathBytes::fromBytes(dataHome.toStdString()) + QStringLiteral("/flatpak");
    return home + QStringLiteral("/.local/share/flatpak");
}

std::optional<InstalledApp> describeFlatpak(const QString &appFolder, const QString &home)
{
    const QString installation = flatpakInstallation(home);
    const QString id = appFolder.section(u'/', -1);
    if (appFolder != installation + QStringLiteral("/app/") + id || id.isEmpty() || id.startsWith(u'.'))
        return std::nullopt;
    const QString active = appFolder + QStringLiteral("/current/active");
    // A folder without a deployed version is what an interrupted install or removal leaves.
    if (!QFileInfo(active + QStringLiteral("/metadata")).isFile())
        return std::nullopt;
    InstalledApp app;
    app.path = appFolder;
    app.kind = InstalledApp::Kind::flatpak;
    app.bundleID = id;
    app.name = id.section(u'.', -1);
    const QString entryPath
        = installation + QStringLiteral("/exports/share/applications/") + id + QStringLiteral(".desktop");
    if (const std::optional<DesktopEntry> entry = readDesktopEntry(entryPath, id)) {
        if (!entry->name.isEmpty())
            app.name = entry->name;
        app.icon = flatpakIcon(installation, id, entry->icon);
        app.desktopEntry = entry->path;
    }
    for (const QString &metainfo : {QStringLiteral("/files/share/metainfo/%1.metainfo.xml"),
             QStringLiteral("/files/share/metainfo/%1.appdata.xml"),
             QStringLiteral("/files/share/appdata/%1.appdata.xml")}) {
        const QString version = firstReleaseVersion(active + metainfo.arg(id));
        if (!version.isEmpty()) {
            app.version = version;
            break;
        }
    }
    QString command;
    const auto metadata
        = PosixFile::readSmallFile(PathBytes::toBytes(active + QStringLiteral("/metadata")), kMaxEntrySize, true);
    DesktopEntryFile::forEachKey(metadata.value_or(std::string()), [&](auto group, auto key, const std::string &value) {
        if (group == "Application" && key == "command")
            command = PathBytes::fromBytes(value);
    });
    if (!command.isEmpty() && !command.contains(QLatin1StringView("..")))
        app.lastUsed = accessTime(command.startsWith(QLatin1StringView("/app/"))
                ? active + QStringLiteral("/files/") + command.mid(5)
                : active + QStringLiteral("/files/bin/") + command);
    return app;
}

std::optional<QString> applicationOfEntry(const QString &entryPath, const QString &home)
{
    const std::optional<DesktopEntry> entry = readDesktopEntry(entryPath);
    if (!entry)
        return std::nullopt;
    if (!entry->flatpakApp.isEmpty())
        return flatpakInstallation(home) + QStringLiteral("/app/") + entry->flatpakApp;
    if (entry->target.startsWith(u'/') && isAppImageName(entry->target))
        return entry->target;
    return std::nullopt;
}

std::optional<QDateTime> accessTime(const QString &path)
{
    struct stat st
    {
    };
    if (path.isEmpty() || !PosixFile::statNoFollow(PathBytes::toBytes(path), st) || st.st_atim.tv_sec <= 0)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(st.st_atim.tv_sec);
}

} // namespace pelmo::LinuxApplications
