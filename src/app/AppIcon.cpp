#include "AppIcon.h"

#include <QDir>

namespace pelmo {

QIcon applicationIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/pelmo"));
    for (const QString &name : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(name));
    return icon;
}

} // namespace pelmo
