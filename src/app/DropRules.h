#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// What a drop onto the main window means.
namespace pelmo::DropRules {

enum class Kind {
    Refused,     // no home-folder grant, nothing dropped, or the first item is not a local file
    Application, // an application bundle (extension "app" in any case): the uninstaller's
    File         // anything else: the drop analysis
};

struct Decision
{
    Kind kind = Kind::Refused;
    QString path; // the first dropped item; the others are ignored
};

[[nodiscard]] Decision decide(bool hasAccess, const QList<QUrl> &urls);

// The local path of a file URL with the surrogate-escape rule (names that are not UTF-8
// survive); empty for any other URL.
[[nodiscard]] QString localPath(const QUrl &url);

} // namespace pelmo::DropRules
