#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace pelmo {

// Which file-system object a path named when it was seen: its device and inode. Two
// sightings with equal identities are the same object, whatever its path is now. An
// inode of 0 means "not known" (an item made without looking at the disk).
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    [[nodiscard]] bool isKnown() const { return inode != 0; }
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;

    // The identity of what `path` names, not following a final symbolic link; nothing when
    // it cannot be read.
    [[nodiscard]] static std::optional<FileIdentity> of(const QString &path);
};

} // namespace pelmo
