#include "PdfPageProvider.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "screens/ui/PreviewViewModel.h"

#include <QPainter>
#include <QPdfDocument>

#include <fcntl.h>

namespace pelmo {

PdfPageProvider::PdfPageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading)
{ }

QImage PdfPageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // Opened by descriptor: names that are not UTF-8 or longer than PATH_MAX still load.
    const PosixFile::UniqueFd fd = PosixFile::openPath(
        PathBytes::toBytes(PreviewViewModel::pathOfPdfPageId(id)), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    QImage image;
    QPdfDocument document;
    if (fd && document.load(QStringLiteral("/proc/self/fd/%1").arg(fd.get())) == QPdfDocument::Error::None
        && document.pageCount() > 0) {
        const QSize bounds = requestedSize.isValid() ? requestedSize : QSize(1000, 1000);
        const QSize pixels = document.pagePointSize(0).toSize().scaled(bounds, Qt::KeepAspectRatio);
        if (!pixels.isEmpty()) {
            // Pages are drawn on nothing; paper is white, whatever the window's palette.
            image = QImage(pixels, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter(&image).drawImage(0, 0, document.render(0, pixels));
        }
    }
    if (size)
        *size = image.size();
    return image;
}

} // namespace pelmo
