#pragma once

#include <QMimeType>
#include <QString>

// The icon the window shows for a file: an id for the theme image provider, naming the
// MIME type's own icon and then its generic one, for themes that lack the specific icon.
namespace pelmo::FileIcon {

[[nodiscard]] QString forMime(const QMimeType &mime);
// Folders get the folder icon; files are matched by name only (nothing is read). One lstat.
[[nodiscard]] QString forPath(const QString &path);

} // namespace pelmo::FileIcon
