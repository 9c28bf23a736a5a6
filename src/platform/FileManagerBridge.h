#pragma once

#include <QString>

#include <optional>

namespace pelmo {

// What runs a file-manager script (the move, empty and open scripts of FinderScripts):
// either a result text or an error number (FinderScripts::notPermitted, userCancelled,
// otherError).
struct ScriptOutcome
{
    std::optional<QString> value;
    std::optional<int> errorNumber;
};

class FileManagerBridge
{
public:
    virtual ~FileManagerBridge() = default;
    // May be called from a worker thread.
    [[nodiscard]] virtual ScriptOutcome run(const QString &script) = 0;
};

} // namespace pelmo
