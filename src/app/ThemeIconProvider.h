#pragma once

#include <QQuickImageProvider>

namespace pelmo {

// "image://theme/<icon-theme name>": the desktop's icon theme for QML images.
class ThemeIconProvider : public QQuickImageProvider
{
public:
    ThemeIconProvider();
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

} // namespace pelmo
