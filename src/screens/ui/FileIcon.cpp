#include "screens/ui/FileIcon.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <QMimeDatabase>

namespace pelmo::FileIcon {

QString forMime(const QMimeType &mime)
{
    return mime.iconName() + u',' + mime.genericIconName();
}

QString forPath(const QString &path)
{
    struct stat st
    {
    };
    if (PosixFile::statNoFollow(PathBytes::toBytes(path), st) && S_ISDIR(st.st_mode))
        return QStringLiteral("folder");
    const QString name = path.sliced(path.lastIndexOf(u'/') + 1);
    return forMime(QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension));
}

} // namespace pelmo::FileIcon
