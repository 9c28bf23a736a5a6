#include "ThemeIconProvider.h"

#include <QIcon>

namespace pelmo {

ThemeIconProvider::ThemeIconProvider()
    : QQuickImageProvider(QQuickImageProvider::Pixmap)
{
    // Outside a desktop session (a bare X server, a window manager without settings) Qt
    // knows no theme and would find no icon at all.
    if (QIcon::fallbackThemeName().isEmpty() || QIcon::fallbackThemeName() == QLatin1StringView("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

QPixmap ThemeIconProvider::requestPixmap(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QSize wanted = requestedSize.isValid() ? requestedSize : QSize(32, 32);
    QPixmap pixmap;
    for (const QString &name : id.split(u',', Qt::SkipEmptyParts)) {
        pixmap = QIcon::fromTheme(name).pixmap(wanted);
        if (!pixmap.isNull())
            break;
    }
    if (pixmap.isNull()) { // no such icon in the theme, or no theme: an empty square, not an error
        pixmap = QPixmap(wanted);
        pixmap.fill(Qt::transparent);
    }
    if (size)
        *size = pixmap.size();
    return pixmap;
}

} // namespace pelmo
