#include "core/Icons.h"

#include <QHash>

namespace pelmo::Icons {
namespace {

// Symbol name -> shipped file. The build reads the right-hand names from this table (one
// row per line, as written) to render the files, so a name added here is shipped too.
const QHash<QString, QString> &table()
{
    static const QHash<QString, QString> rows = {
        {QStringLiteral("internaldrive"), QStringLiteral("drive-harddisk")},
        {QStringLiteral("externaldrive.fill"), QStringLiteral("drive-removable-media")},
        {QStringLiteral("doc.text"), QStringLiteral("x-office-document")},
        {QStringLiteral("doc.text.fill"), QStringLiteral("x-office-document")},
        {QStringLiteral("doc.fill"), QStringLiteral("text-x-generic")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("hammer"), QStringLiteral("preferences-system")},
        {QStringLiteral("app.dashed"), QStringLiteral("app-dashed")},
        {QStringLiteral("app.fill"), QStringLiteral("application-x-executable")},
        {QStringLiteral("shippingbox"), QStringLiteral("package-x-generic")},
        {QStringLiteral("archivebox.fill"), QStringLiteral("package-x-generic")},
        {QStringLiteral("film.stack"), QStringLiteral("video-x-generic")},
        {QStringLiteral("film.fill"), QStringLiteral("video-x-generic")},
        {QStringLiteral("photo.fill"), QStringLiteral("image-x-generic")},
        {QStringLiteral("music.note"), QStringLiteral("audio-x-generic")},
        {QStringLiteral("chevron.left.forwardslash.chevron.right"), QStringLiteral("code")},
        {QStringLiteral("folder"), QStringLiteral("folder")},
        {QStringLiteral("folder.fill"), QStringLiteral("folder")},
        {QStringLiteral("gauge.with.dots.needle.50percent"), QStringLiteral("power-profile-balanced")},
        {QStringLiteral("trash"), QStringLiteral("user-trash")},
        {QStringLiteral("trash.slash"), QStringLiteral("user-trash")},
        {QStringLiteral("trash.square"), QStringLiteral("user-trash-full")},
        {QStringLiteral("arrow.up.trash.fill"), QStringLiteral("user-trash-full")},
        {QStringLiteral("xmark.bin"), QStringLiteral("edit-clear-all")},
        {QStringLiteral("square.grid.3x3.fill"), QStringLiteral("view-app-grid")},
        {QStringLiteral("square.dashed"), QStringLiteral("square-dashed")},
        {QStringLiteral("clock.arrow.circlepath"), QStringLiteral("document-open-recent")},
        {QStringLiteral("gearshape"), QStringLiteral("emblem-system")},
        {QStringLiteral("gearshape.fill"), QStringLiteral("emblem-system")},
        {QStringLiteral("info.circle"), QStringLiteral("help-about")},
        {QStringLiteral("sparkles"), QStringLiteral("sparkles")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("magnifyingglass.circle"), QStringLiteral("system-search")},
        {QStringLiteral("checkmark"), QStringLiteral("object-select")},
        {QStringLiteral("checkmark.shield"), QStringLiteral("security-high")},
        {QStringLiteral("lock.shield"), QStringLiteral("security-medium")},
        {QStringLiteral("lock"), QStringLiteral("changes-prevent")},
        {QStringLiteral("checkmark.circle.fill"), QStringLiteral("emblem-default")},
        {QStringLiteral("checkmark.seal"), QStringLiteral("selection-mode")},
        {QStringLiteral("checkmark.seal.fill"), QStringLiteral("emblem-default")},
        {QStringLiteral("arrow.clockwise"), QStringLiteral("view-refresh")},
        {QStringLiteral("arrow.triangle.2.circlepath"), QStringLiteral("emblem-synchronizing")},
        {QStringLiteral("arrow.down.doc"), QStringLiteral("folder-download")},
        {QStringLiteral("arrow.down.app"), QStringLiteral("software-update-available")},
        {QStringLiteral("arrow.down.circle"), QStringLiteral("document-save")},
        {QStringLiteral("arrow.down.circle.fill"), QStringLiteral("document-save")},
        {QStringLiteral("arrow.down.right.circle"), QStringLiteral("go-jump")},
        {QStringLiteral("arrow.down.right.circle.fill"), QStringLiteral("go-jump")},
        {QStringLiteral("arrow.up.arrow.down"), QStringLiteral("view-sort-descending")},
        {QStringLiteral("tray.full.fill"), QStringLiteral("view-list-bullet")},
        {QStringLiteral("eye"), QStringLiteral("view-reveal")},
        {QStringLiteral("wifi.slash"), QStringLiteral("network-wireless-disabled")},
        {QStringLiteral("cursorarrow.click.2"), QStringLiteral("input-mouse")},
        {QStringLiteral("chevron.left"), QStringLiteral("go-previous")},
        {QStringLiteral("chevron.right"), QStringLiteral("go-next")},
        {QStringLiteral("chevron.down"), QStringLiteral("pan-down")},
        {QStringLiteral("xmark.circle.fill"), QStringLiteral("edit-clear")},
        {QStringLiteral("bolt.fill"), QStringLiteral("thunderbolt")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-warning")},
        {QStringLiteral("circle.fill"), QStringLiteral("media-record")},
        {QStringLiteral("envelope"), QStringLiteral("mail-unread")},
        {QStringLiteral("heart"), QStringLiteral("emote-love")},
        {QStringLiteral("safari"), QStringLiteral("web-browser")},
    };
    return rows;
}

} // namespace

QString themeName(const QString &symbol)
{
    return table().value(symbol, QStringLiteral("image-missing"));
}

QStringList symbolNames()
{
    QStringList names = table().keys();
    names.sort();
    return names;
}

} // namespace pelmo::Icons
