#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// What a drop onto the main window means.
namespace pelmo::DropRules {

enum class Kind {
    Refused,     // no home-folder grant, nothing dropped, or the first item is not a local file
    Application, // an application bundle (extension "app" in any case), an AppImage or a desktop
                 // entry: the uninstaller's, which tells whether it is one it can remove
    File         // anything else: the drop analysis
};

struct Decision
{
    Kind kind = Kind::Refused;
    QString path; // the first dropped item; the others are ignored
};

[[nodiscard]] Decision decide(bool hasAccess, const QList<QUrl> &urls);

} // namespace pelmo::DropRules
