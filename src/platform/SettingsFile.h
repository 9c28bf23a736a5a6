#pragma once

#include <QSettings>
#include <QString>

#include <functional>

// Writing the settings file so that a full disk can never leave it cut off. QSettings 6.4
// reports success after a short write and renames the cut-off file over the whole one, so
// every write goes through here.
namespace pelmo::SettingsFile {

// Whether the settings file may be read and replaced: it is missing (also a link to nothing
// yet) or a regular file, directly or through links. A FIFO, a device, a socket or a folder
// is never opened (a read could block forever) nor replaced.
[[nodiscard]] bool isUsable(const QString &file);

// Applies `change` to the file and writes it. Nothing is written without room for the old
// file, the new one (`growth` bytes larger at most) and a margin; the old file is kept
// aside until the new one is whole (every key line of the old one still there, the last line
// complete), else it is put back. A link is written through: its target is replaced in the
// target's folder and the link stays. False when the file was left as it was, also when it
// is not usable.
bool write(const QString &file, qint64 growth, const std::function<void(QSettings &)> &change);

} // namespace pelmo::SettingsFile
