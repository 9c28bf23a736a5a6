#include "core/Icons.h"

#include <QHash>

namespace pelmo::Icons {

QString themeName(const QString &symbol)
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("internaldrive"), QStringLiteral("drive-harddisk")},
        {QStringLiteral("doc.text"), QStringLiteral("text-x-generic")},
        {QStringLiteral("hammer"), QStringLiteral("applications-development")},
        {QStringLiteral("app.dashed"), QStringLiteral("application-x-executable")},
        {QStringLiteral("shippingbox"), QStringLiteral("package-x-generic")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("film.stack"), QStringLiteral("video-x-generic")},
        {QStringLiteral("gauge.with.dots.needle.50percent"), QStringLiteral("computer")},
        {QStringLiteral("trash"), QStringLiteral("user-trash")},
        {QStringLiteral("trash.square"), QStringLiteral("edit-delete")},
        {QStringLiteral("square.grid.3x3.fill"), QStringLiteral("view-grid-symbolic")},
        {QStringLiteral("clock.arrow.circlepath"), QStringLiteral("document-open-recent")},
        {QStringLiteral("gearshape"), QStringLiteral("preferences-system")},
        {QStringLiteral("info.circle"), QStringLiteral("help-about")},
        {QStringLiteral("sparkles"), QStringLiteral("starred")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("checkmark.shield"), QStringLiteral("security-high")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("emblem-default")},
        {QStringLiteral("checkmark.seal"), QStringLiteral("emblem-default")},
        {QStringLiteral("arrow.clockwise"), QStringLiteral("view-refresh")},
        {QStringLiteral("eye"), QStringLiteral("document-print-preview")},
        {QStringLiteral("wifi.slash"), QStringLiteral("network-offline")},
        {QStringLiteral("lock.shield"), QStringLiteral("security-medium")},
        {QStringLiteral("arrow.down.doc"), QStringLiteral("go-down")},
        {QStringLiteral("arrow.triangle.2.circlepath"), QStringLiteral("view-refresh")},
        {QStringLiteral("arrow.down.circle"), QStringLiteral("software-update-available")},
        {QStringLiteral("arrow.down.app"), QStringLiteral("system-software-update")},
        {QStringLiteral("envelope"), QStringLiteral("mail-send")},
        {QStringLiteral("heart"), QStringLiteral("emblem-favorite")},
        {QStringLiteral("safari"), QStringLiteral("web-browser")},
        {QStringLiteral("externaldrive.fill"), QStringLiteral("drive-harddisk")},
        {QStringLiteral("gearshape.fill"), QStringLiteral("preferences-system")},
        {QStringLiteral("bolt.fill"), QStringLiteral("system-run")},
        {QStringLiteral("app.fill"), QStringLiteral("application-x-executable")},
        {QStringLiteral("folder.fill"), QStringLiteral("folder")},
        {QStringLiteral("arrow.up.trash.fill"), QStringLiteral("user-trash-full")},
        {QStringLiteral("arrow.up.arrow.down"), QStringLiteral("view-sort-ascending")},
        {QStringLiteral("magnifyingglass.circle"), QStringLiteral("system-search")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-warning")},
        {QStringLiteral("checkmark.seal.fill"), QStringLiteral("emblem-default")},
        {QStringLiteral("folder"), QStringLiteral("folder-open")},
        {QStringLiteral("photo.fill"), QStringLiteral("image-x-generic")},
        {QStringLiteral("film.fill"), QStringLiteral("video-x-generic")},
        {QStringLiteral("music.note"), QStringLiteral("audio-x-generic")},
        {QStringLiteral("doc.text.fill"), QStringLiteral("x-office-document")},
        {QStringLiteral("archivebox.fill"), QStringLiteral("package-x-generic")},
        {QStringLiteral("chevron.left.forwardslash.chevron.right"), QStringLiteral("text-x-script")},
        {QStringLiteral("doc.fill"), QStringLiteral("text-x-generic")},
        {QStringLiteral("square.dashed"), QStringLiteral("action-unavailable-symbolic")},
        {QStringLiteral("chevron.left"), QStringLiteral("go-previous")},
        {QStringLiteral("chevron.right"), QStringLiteral("go-next")},
        {QStringLiteral("arrow.down.right.circle"), QStringLiteral("go-jump")},
        {QStringLiteral("arrow.down.right.circle.fill"), QStringLiteral("go-jump")},
        {QStringLiteral("cursorarrow.click.2"), QStringLiteral("input-mouse")},
    };
    return table.value(symbol, QStringLiteral("image-missing"));
}

} // namespace pelmo::Icons
