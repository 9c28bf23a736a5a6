#pragma once

#include "core/FileIdentity.h"

#include <QDateTime>
#include <QHashFunctions>
#include <QString>

#include <optional>

namespace pelmo {

// One application the user may uninstall. Its identity is `path`: the selection, the size
// map, the merge of a fresh listing with the old one and the adoption of a dropped app
// all compare by it, never by identifier (one application may lie in two folders).
struct InstalledApp
{
    enum class Kind {
        bundle,   // an .app folder, moved to the Trash
        appImage, // one executable file, moved to the Trash
        flatpak   // a user installation, removed by `flatpak uninstall --user`
    };

    QString path;
    QString name;
    QString bundleID; // for a Flatpak its app ID; for an AppImage its desktop entry's ID or its name
    std::optional<QString> version;
    std::optional<QDateTime> lastUsed;
    qint64 size = 0; // allocated bytes; 0 until measured
    Kind kind = Kind::bundle;
    // A theme icon name or an absolute image path; empty for the generic application icon.
    QString icon;
    // The desktop entry that belongs to the application (the user's own, or the one its
    // Flatpak exports); empty when it has none.
    QString desktopEntry;
    // What the listing saw at `path`; removal moves the application only while it is still that.
    FileIdentity identity;

    [[nodiscard]] const QString &id() const { return path; }
    friend bool operator==(const InstalledApp &, const InstalledApp &) = default;
};

inline size_t qHash(const InstalledApp &app, size_t seed = 0)
{
    return qHashMulti(seed, app.path, app.name, app.bundleID, app.version.value_or(QString()), app.size);
}

} // namespace pelmo
