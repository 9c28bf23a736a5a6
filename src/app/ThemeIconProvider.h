#pragma once

#include <QQuickImageProvider>

namespace pelmo {

// "image://theme/<name>[,<fallback>...]": the desktop's icon theme for QML images, the
// first name the theme has.
class ThemeIconProvider : public QQuickImageProvider
{
public:
    ThemeIconProvider();
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

} // namespace pelmo
