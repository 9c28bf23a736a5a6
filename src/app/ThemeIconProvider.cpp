#include "ThemeIconProvider.h"

#include <QIcon>

namespace pelmo {

ThemeIconProvider::ThemeIconProvider()
    : QQuickImageProvider(QQuickImageProvider::Pixmap)
{ }

QPixmap ThemeIconProvider::requestPixmap(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QSize wanted = requestedSize.isValid() ? requestedSize : QSize(32, 32);
    QPixmap pixmap = QIcon::fromTheme(id).pixmap(wanted);
    if (pixmap.isNull()) { // no such icon in the theme, or no theme: an empty square, not an error
        pixmap = QPixmap(wanted);
        pixmap.fill(Qt::transparent);
    }
    if (size)
        *size = pixmap.size();
    return pixmap;
}

} // namespace pelmo
