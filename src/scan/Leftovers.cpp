#include "Leftovers.h"

#include "DiskScanner.h"
#include "LinuxPlaces.h"
#include "ScanPaths.h"
#include "core/FileWalker.h"
#include "core/Localization.h"
#include "platform/ApplicationCatalogue.h"

#include <QStringList>

namespace pelmo::DiskScanner {
namespace {

bool isAllowed(char32_t c)
{
    if (c == U'-' || c == U'_' || c == U'.')
        return true;
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
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
    auto scanFolder = [&](std::string_view relative, const char *labelKey) {
        const std::string folder = join(root, relative);
        const QString label = Localization::tr(labelKey);
        for (const std::string &name : FileWalker::listChildren(folder)) {
            // Text tests first, the catalogue second, measuring last: installed
            // applications' data is never walked.
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
    };
    for (const Folder &f : kMacFolders)
        scanFolder(f.folder, f.label);
    for (const LinuxPlaces::LeftoverFolder &f : LinuxPlaces::leftoverFolders)
        scanFolder(f.folder, f.label);
    return items;
}

} // namespace pelmo::DiskScanner
