#include "QmlFolderPicker.h"

namespace pelmo {

void QmlFolderPicker::pickFolder(const QString &startIn, const QString &acceptLabel, const QString &message,
    std::function<void(std::optional<QString>)> answer)
{
    m_answer = std::move(answer);
    Q_EMIT folderRequested(startIn, acceptLabel, message);
}

void QmlFolderPicker::chosen(const QString &path)
{
    if (auto answer = std::exchange(m_answer, nullptr))
        answer(path);
}

void QmlFolderPicker::cancelled()
{
    if (auto answer = std::exchange(m_answer, nullptr))
        answer(std::nullopt);
}

} // namespace pelmo
