#include "DialogFolderPicker.h"

#include "core/PathBytes.h"

#include <QGuiApplication>
#include <QWindow>

namespace pelmo {

void DialogFolderPicker::pickFolder(const QString &startIn, const QString &acceptLabel, const QString &message,
    std::function<void(std::optional<QString>)> answer)
{
    if (m_dialog)
        m_dialog->reject(); // one question at a time; the older one counts as cancelled
    auto *dialog = new QFileDialog(nullptr, message, startIn);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setLabelText(QFileDialog::Accept, acceptLabel);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, answer = std::move(answer)](int result) {
        const QList<QUrl> chosen = dialog->selectedUrls();
        if (result == QDialog::Accepted && !chosen.isEmpty())
            answer(PathBytes::fromFileUrl(chosen.first()));
        else
            answer(std::nullopt);
    });
    if (QWindow *window = QGuiApplication::focusWindow()) {
        dialog->winId(); // creates the window handle, so that it can stay above Pelmo's window
        dialog->windowHandle()->setTransientParent(window);
    }
    m_dialog = dialog;
    dialog->open();
}

} // namespace pelmo
