#include "ThemeIconProvider.h"

#include "core/Icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPalette>

namespace pelmo {

namespace {

constexpr int kDefaultSize = 32;
constexpr std::array kRenderedSizes = {16, 32, 64, 128};

} // namespace

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
    const QSize wanted = requestedSize.isValid() ? requestedSize : QSize(kDefaultSize, kDefaultSize);
    QPixmap pixmap;
    for (const QString &name : id.split(u',', Qt::SkipEmptyParts)) {
        const QImage symbol
            = SymbolImageProvider::render(name, wanted, QGuiApplication::palette().color(QPalette::WindowText));
        pixmap = symbol.isNull() ? QIcon::fromTheme(name).pixmap(wanted) : QPixmap::fromImage(symbol);
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

SymbolImageProvider::SymbolImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{ }

QImage SymbolImageProvider::render(const QString &fileName, const QSize &wanted, const QColor &color)
{
    // The smallest rendering at least as large as asked, scaled down: symbols stay sharp at
    // their design size of 16 and smooth above it.
    const int edge = std::max(wanted.width(), wanted.height());
    const auto rendered = std::ranges::find_if(kRenderedSizes, [edge](int s) { return s >= edge; });
    const int source = rendered == kRenderedSizes.end() ? kRenderedSizes.back() : *rendered;
    QImage image(QStringLiteral(":/symbols/%1/%2.png").arg(source).arg(fileName));
    if (image.isNull())
        return {};
    if (image.size() != wanted)
        image = image.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The symbol's shape is its alpha; the colour is the caller's.
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

QImage SymbolImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QSize wanted = requestedSize.isValid() ? requestedSize : QSize(kDefaultSize, kDefaultSize);
    const QString symbol = id.section(u'/', 0, 0);
    const QString colorText = id.section(u'/', 1, 1);
    const QColor color
        = colorText.isEmpty() ? QGuiApplication::palette().color(QPalette::WindowText) : QColor(u'#' + colorText);
    QImage image = render(Icons::themeName(symbol), wanted, color);
    if (image.isNull()) {
        image = QImage(wanted, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    if (size)
        *size = image.size();
    return image;
}

} // namespace pelmo
