#pragma once

#include <QColor>
#include <QQuickImageProvider>

namespace pelmo {

// "image://theme/<name>[,<fallback>...]": the first name that is one of Pelmo's shipped
// symbols (in the palette's text colour) or an icon of the desktop's theme (file icons by
// their MIME names).
class ThemeIconProvider : public QQuickImageProvider
{
public:
    ThemeIconProvider();
    QPixmap requestPixmap(const QString &id, QSize *size, const QSize &requestedSize) override;
};

// "image://symbol/<symbol name>/<rrggbb>": a symbol of the design from the one symbol table,
// drawn in the given colour (the palette's text colour when none is given).
class SymbolImageProvider : public QQuickImageProvider
{
public:
    SymbolImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The shipped symbol file `fileName` (a name of the symbol table's right column) at
    // `wanted` pixels in `color`; a null image when Pelmo ships no such file.
    [[nodiscard]] static QImage render(const QString &fileName, const QSize &wanted, const QColor &color);
};

} // namespace pelmo
