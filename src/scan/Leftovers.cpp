#include "Leftovers.h"

#include "DiskScanner.h"
#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/Localization.h"
#include "core/PosixFile.h"
#include "platform/ApplicationCatalogue.h"

#include <QDateTime>
#include <QStringList>

namespace pelmo::DiskScanner {
namespace {

bool isAllowed(char32_t c)
{
    if (c == U'-' || c == U'_' || c == U'.')
        return true;
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString withoutSuffix(QString name, QLatin1StringView suffix)
{
    if (name.endsWith(suffix))
        name.chop(suffix.size());
    return name;
}

} // namespace

std::optional<QString> bundleIdentifier(const QString &name)
{
    const QString id
        = withoutSuffix(withoutSuffix(name, QLatin1StringView(".savedState")), QLatin1StringView(".plist"));
    const QStringList parts = id.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < 3 || std::ranges::any_of(parts, &QString::isEmpty))
        return std::nullopt;
    for (const char32_t c : id.toUcs4()) {
        if (!isAllowed(c))
            return std::nullopt;
    }
    if (id.startsWith(QLatin1StringView("com.apple.")) || id.startsWith(QLatin1StringView("group.")))
        return std::nullopt;
    return id;
}

std::optional<QString> applicationIdentifier(const QString &name)
{
    const QStringList elements = name.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (elements.size() < 3)
        return std::nullopt;
    for (const QString &element : elements) {
        if (element.isEmpty() || !(isAsciiLetter(element.front()) || element.front() == u'_'))
            return std::nullopt;
        for (const QChar c : element) {
            if (!isAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'_' && c != u'-')
                return std::nullopt;
        }
    }
    return name;
}

bool isInstalled(const QString &identifier, const ApplicationCatalogue &catalogue)
{
    QStringList parts = identifier.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    while (parts.size() > 2) {
        if (catalogue.hasApplication(parts.join(QLatin1Char('.'))))
            return true;
        parts.removeLast();
    }
    return false;
}

namespace {

// Entries named after an identifier whose application is not installed.
void appendMissingApplications(
    QList<CleanItem> &items, const std::string &folder, const QString &label, const ApplicationCatalogue &catalogue)
{
    for (const std::string &name : FileWalker::listChildren(folder)) {
        // Text tests first, the catalogue second, measuring last: installed applications'
        // data is never walked.
        const std::optional<QString> id = bundleIdentifier(PathBytes::fromBytes(name));
        if (!id || isInstalled(*id, catalogue))
            continue;
        const std::string path = join(folder, name);
        const qint64 size = allocatedSizeOf(path);
        if (size < minimumItemSize)
            continue;
        const QString detail
            = Localization::format(Localization::tr("%@ · aplikace %@ není nainstalovaná"), {label, *id});
        items.append(itemAt(path, size, CleanCategory::leftovers, detail, false));
    }
}

// Folders named after an identifier that no installed application or program answers to,
// in which nothing changed for a long time. Linux programs often keep their data under an
// identifier that no desktop entry carries, so a missing application alone proves little.
void appendDisusedData(QList<CleanItem> &items, const std::string &folder, const QString &label,
    const ApplicationCatalogue &catalogue, qint64 now)
{
    for (const std::string &name : FileWalker::listChildren(folder)) {
        const std::optional<QString> id = applicationIdentifier(PathBytes::fromBytes(name));
        const std::string path = join(folder, name);
        struct stat st
        {
        };
        if (!id || !PosixFile::statNoFollow(path, st) || !S_ISDIR(st.st_mode))
            continue;
        if (isInstalled(*id, catalogue) || catalogue.hasProgram(id->section(QLatin1Char('.'), -1)))
            continue;
        const Usage usage = usageOf(path);
        const qint64 unusedDays = (now - usage.newestModified) / qint64 {24 * 60 * 60};
        if (usage.allocated < minimumItemSize || unusedDays < LinuxPlaces::disuseDays)
            continue;
        const QString detail = Localization::format(
            Localization::tr("%@ · nenašel jsem nainstalovanou aplikaci s tímto identifikátorem; nepoužito %lld dní"),
            {label, QString::number(unusedDays)});
        items.append(itemAt(path, usage.allocated, CleanCategory::leftovers, detail, false));
    }
}

} // namespace

QList<CleanItem> leftovers(const QString &home, const ApplicationCatalogue &catalogue)
{
    struct Folder
    {
        std::string_view folder;
        const char *label;
    };
    static constexpr std::array<Folder, 4> kMacFolders = {{
        {"Library/Application Support", QT_TRANSLATE_NOOP("Pelmo", "Data aplikace")},
        {"Library/Saved Application State", QT_TRANSLATE_NOOP("Pelmo", "Uložený stav oken")},
        {"Library/HTTPStorages", QT_TRANSLATE_NOOP("Pelmo", "Síťová úložiště")},
        {"Library/WebKit", QT_TRANSLATE_NOOP("Pelmo", "Data webového zobrazení")},
    }};
    const std::string root = PathBytes::toBytes(home);
    QList<CleanItem> items;
    for (const Folder &f : kMacFolders)
        appendMissingApplications(items, join(root, f.folder), Localization::tr(f.label), catalogue);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const LinuxPlaces::LeftoverFolder &f : LinuxPlaces::leftoverFolders) {
        if (f.needsLongDisuse)
            appendDisusedData(items, join(root, f.folder), Localization::tr(f.label), catalogue, now);
        else
            appendMissingApplications(items, join(root, f.folder), Localization::tr(f.label), catalogue);
    }
    return items;
}

} // namespace pelmo::DiskScanner
