#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace pelmo {

// The window's folder chooser, asked for by the access manager. The answer is the chosen
// folder, or nothing when the user cancelled.
class FolderPicker
{
public:
    virtual ~FolderPicker() = default;
    virtual void pickFolder(const QString &startIn, const QString &acceptLabel, const QString &message,
        std::function<void(std::optional<QString>)> answer)
        = 0;
};

} // namespace pelmo
