#pragma once

#include "platform/FileManagerBridge.h"

namespace pelmo {

class TrashCan;

// The Finder route on a Linux desktop: the move script becomes `gio trash PATH` (the
// desktop's own move, which reports no new location), and the open script asks the file
// manager over D-Bus to show trash:///, else has xdg-open open the Trash's files folder.
// Failures answer FinderScripts::otherError. Blocks for seconds at most, so callers run it
// off the main thread.
class GioFileManagerBridge final : public FileManagerBridge
{
public:
    explicit GioFileManagerBridge(TrashCan &trash);
    [[nodiscard]] ScriptOutcome run(const QString &script) override;

private:
    TrashCan &m_trash;
};

} // namespace pelmo
