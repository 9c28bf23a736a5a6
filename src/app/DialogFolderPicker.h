#pragma once

#include "platform/FolderPicker.h"

#include <QFileDialog>
#include <QPointer>

namespace pelmo {

// The folder chooser of the desktop: its own dialog where the platform theme has one, else
// Qt's. It opens in the start folder, and accepting it as it stands chooses that folder,
// which the home-folder grant depends on (Qt Quick's own folder dialog can only choose a
// folder listed inside the one it shows). Application-modal; answers once.
class DialogFolderPicker final : public FolderPicker
{
public:
    void pickFolder(const QString &startIn, const QString &acceptLabel, const QString &message,
        std::function<void(std::optional<QString>)> answer) override;

    // The dialog on screen, or null.
    [[nodiscard]] QFileDialog *openDialog() const { return m_dialog; }

private:
    QPointer<QFileDialog> m_dialog;
};

} // namespace pelmo
