#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct stat;

namespace pelmo {

// What a path named when it was seen: the object (device and inode), its type and its
// status-change time in nanoseconds. An inode number is soon reused once its object is gone;
// the change time tells the later object from the one that was listed. An inode of 0 means
// "not known" (an item made without looking at the disk).
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 changeTime = 0; // ns; 0 when not seen
    quint32 type = 0;      // the S_IFMT bits; 0 when not seen

    [[nodiscard]] bool isKnown() const { return inode != 0; }
    // The same object, whatever happened to it since (a move changes its change time).
    [[nodiscard]] bool sameObject(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode;
    }
    // Whether `now` is still exactly what was listed: the same object of the same type,
    // unchanged since. A listing that did not see the change time or type does not compare it.
    [[nodiscard]] bool stillListed(const FileIdentity &now) const
    {
        return isKnown() && sameObject(now) && (type == 0 || type == now.type)
            && (changeTime == 0 || changeTime == now.changeTime);
    }
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;

    [[nodiscard]] static FileIdentity of(const struct stat &st);
    // The identity of what `path` names, not following a final symbolic link; nothing when
    // it cannot be read.
    [[nodiscard]] static std::optional<FileIdentity> of(const QString &path);
};

} // namespace pelmo
