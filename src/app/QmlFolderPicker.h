#pragma once

#include "platform/FolderPicker.h"

#include <QObject>

namespace pelmo {

// The folder picker as the window provides it: a request goes out as a signal, the QML
// folder dialog answers through chosen() or cancelled().
class QmlFolderPicker : public QObject, public FolderPicker
{
    Q_OBJECT

public:
    using QObject::QObject;

    void pickFolder(const QString &startIn, const QString &acceptLabel, const QString &message,
        std::function<void(std::optional<QString>)> answer) override;

    Q_INVOKABLE void chosen(const QString &path);
    Q_INVOKABLE void cancelled();

Q_SIGNALS:
    void folderRequested(const QString &startIn, const QString &acceptLabel, const QString &message);

private:
    std::function<void(std::optional<QString>)> m_answer;
};

} // namespace pelmo
