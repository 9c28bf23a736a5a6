#include "app/ui/DropRules.h"

#include "core/PathBytes.h"

namespace pelmo::DropRules {

Decision decide(bool hasAccess, const QList<QUrl> &urls)
{
    if (!hasAccess || urls.isEmpty())
        return {};
    QString path = PathBytes::fromFileUrl(urls.first());
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    if (path.isEmpty())
        return {};
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString extension = dot > path.lastIndexOf(u'/') ? path.sliced(dot + 1) : QString();
    const bool application = extension.compare(u"app", Qt::CaseInsensitive) == 0
        || extension.compare(u"appimage", Qt::CaseInsensitive) == 0 || extension == u"desktop";
    return {application ? Kind::Application : Kind::File, path};
}

} // namespace pelmo::DropRules
