#include "DropRules.h"

#include "fs/PathBytes.h"

namespace pelmo::DropRules {

QString localPath(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return PathBytes::fromBytes(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

Decision decide(bool hasAccess, const QList<QUrl> &urls)
{
    if (!hasAccess || urls.isEmpty())
        return {};
    QString path = localPath(urls.first());
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    if (path.isEmpty())
        return {};
    const qsizetype dot = path.lastIndexOf(u'.');
    const bool application
        = dot > path.lastIndexOf(u'/') && path.sliced(dot + 1).compare(u"app", Qt::CaseInsensitive) == 0;
    return {application ? Kind::Application : Kind::File, path};
}

} // namespace pelmo::DropRules
