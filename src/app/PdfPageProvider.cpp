#include "PdfPageProvider.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "screens/ui/PreviewViewModel.h"

#include <QFile>
#include <QPainter>
#include <poppler-qt6.h>

#include <fcntl.h>

namespace pelmo {
namespace {

// The first page fitted into `bounds`, on white paper; null when there is none to draw.
QImage firstPage(QFile &file, const QSize &bounds)
{
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(&file);
    if (!document || document->isLocked() || document->numPages() < 1)
        return {};
    const std::unique_ptr<Poppler::Page> page = document->page(0);
    if (!page)
        return {};
    const QSizeF points = page->pageSizeF();
    const QSize pixels = points.toSize().scaled(bounds, Qt::KeepAspectRatio);
    if (pixels.isEmpty() || points.width() <= 0 || points.height() <= 0)
        return {};
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    constexpr double kPointsPerInch = 72.0;
    const QImage rendered = page->renderToImage(kPointsPerInch * pixels.width() / points.width(),
        kPointsPerInch * pixels.height() / points.height(), 0, 0, pixels.width(), pixels.height());
    if (rendered.isNull())
        return {};
    // Pages are drawn on nothing; paper is white, whatever the window's palette.
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, rendered);
    return image;
}

} // namespace

PdfPageProvider::PdfPageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image, QQmlImageProviderBase::ForceAsynchronousImageLoading)
{ }

QImage PdfPageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // Opened by descriptor: names that are not UTF-8 or longer than PATH_MAX still load, and
    // a FIFO or a link put in the file's place is never followed.
    const PosixFile::UniqueFd fd = PosixFile::openPath(
        PathBytes::toBytes(PreviewViewModel::pathOfPdfPageId(id)), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    QImage image;
    QFile file;
    if (fd && file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        image = firstPage(file, requestedSize.isValid() ? requestedSize : QSize(1000, 1000));
    if (size)
        *size = image.size();
    return image;
}

} // namespace pelmo
