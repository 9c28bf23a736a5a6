#include "screens/ui/PreviewViewModel.h"

#include "screens/ui/FileIcon.h"

#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"
#include "core/SizeText.h"
#include "scan/DiskScanner.h"

#include <QDateTime>
#include <QLocale>
#include <QMimeDatabase>
#include <QtConcurrent>

#include <fcntl.h>
#include <unistd.h>

namespace pelmo {
namespace {

constexpr size_t kTextLimit = size_t {16} * 1024; // the start of a text file is enough to recognise it

struct Preview
{
    QString kind;
    QString text;
    QString iconName;
    QString facts;
};

Preview load(const QString &path)
{
    Preview preview;
    const std::string bytes = PathBytes::toBytes(path);
    struct stat st
    {
    };
    if (!PosixFile::statNoFollow(bytes, st)) {
        preview.kind = QStringLiteral("other");
        preview.iconName = QStringLiteral("image-missing");
        preview.facts = Localization::tr("Položka už neexistuje.");
        return preview;
    }
    const QMimeDatabase mimes;
    const QMimeType mime = S_ISDIR(st.st_mode) ? mimes.mimeTypeForName(QStringLiteral("inode/directory"))
                                               : mimes.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    preview.iconName = FileIcon::forMime(mime);
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec);
    preview.facts = mime.comment() + QStringLiteral(" · ") + formatSize(DiskScanner::allocatedSize(path))
        + QStringLiteral(" · ") + QLocale().toString(modified, QLocale::ShortFormat);
    if (S_ISREG(st.st_mode) && mime.name().startsWith(QLatin1StringView("image/"))) {
        preview.kind = QStringLiteral("image");
    } else if (S_ISREG(st.st_mode) && mime.inherits(QStringLiteral("application/pdf"))) {
        preview.kind = QStringLiteral("pdf");
    } else if (S_ISREG(st.st_mode) && mime.inherits(QStringLiteral("text/plain"))) {
        PosixFile::UniqueFd fd = PosixFile::openPath(bytes, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
        std::string start(kTextLimit, '\0');
        const ssize_t got = fd ? ::read(fd.get(), start.data(), start.size()) : -1;
        preview.kind = got >= 0 ? QStringLiteral("text") : QStringLiteral("other");
        preview.text = QString::fromUtf8(start.data(), got > 0 ? got : 0);
    } else {
        preview.kind = QStringLiteral("other");
    }
    return preview;
}

} // namespace

void PreviewViewModel::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_loading = true;
    Q_EMIT pathChanged();
    Q_EMIT loaded();
    const quint64 generation = ++m_generation;
    QtConcurrent::run([path] { return load(path); }).then(this, [this, generation](const Preview &preview) {
        if (generation != m_generation)
            return; // a newer item was asked for meanwhile
        m_kind = preview.kind;
        m_text = preview.text;
        m_iconName = preview.iconName;
        m_facts = preview.facts;
        m_loading = false;
        Q_EMIT loaded();
    });
}

QString PreviewViewModel::imageUrl() const
{
    if (m_loading)
        return {}; // the kind is still the previous item's
    if (m_kind == QLatin1StringView("image"))
        return PathBytes::toFileUrl(m_path).toString(QUrl::FullyEncoded);
    if (m_kind == QLatin1StringView("pdf"))
        return QStringLiteral("image://pdfpage/") + pdfPageId(m_path);
    return {};
}

QString PreviewViewModel::pdfPageId(const QString &path)
{
    const std::string bytes = PathBytes::toBytes(path);
    return QString::fromLatin1(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString PreviewViewModel::pathOfPdfPageId(const QString &id)
{
    const QByteArray bytes = QByteArray::fromBase64(id.toLatin1(), QByteArray::Base64UrlEncoding);
    return PathBytes::fromBytes(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace pelmo
