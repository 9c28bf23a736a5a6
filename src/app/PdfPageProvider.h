#pragma once

#include <QQuickImageProvider>

namespace pelmo {

// "image://pdfpage/<id>": the first page of a PDF file, rendered on the image loader's
// thread. The id is pdfPageId() of the path, so that any file name, UTF-8 or not, arrives
// unchanged. A file that is no readable PDF gives a null image.
class PdfPageProvider : public QQuickImageProvider
{
public:
    PdfPageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};

} // namespace pelmo
