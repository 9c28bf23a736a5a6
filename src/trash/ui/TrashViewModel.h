#pragma once

#include "store/ui/RecordListModel.h"
#include "store/ui/StoreViewModel.h"
#include "trash/TrashResult.h"

#include <QtQml/qqmlregistration.h>

#include <optional>

namespace pelmo {

// The Trash screen: the home Trash's items, listed off the main thread, with "put back"
// for those the history still knows.
class TrashViewModel : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString state READ state NOTIFY changed)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY changed)
    Q_PROPERTY(pelmo::RecordListModel *entries READ entries CONSTANT)

public:
    explicit TrashViewModel(QObject *parent = nullptr);

    // "loading", "unreadable", "list" or "empty".
    [[nodiscard]] QString state() const;
    [[nodiscard]] QString subtitle() const;
    // One {name, path, sizeText, restorable, iconName} per item, largest first.
    [[nodiscard]] RecordListModel *entries() { return &m_rows; }

    Q_INVOKABLE void reload();
    Q_INVOKABLE void restore(const QString &trashPath);
    Q_INVOKABLE void emptyTrash();

private:
    void attach(CleanerStore &store) override;
    void storeReplaced() override;
    void updateRows();

    std::optional<QList<TrashEntry>> m_entries;
    RecordListModel m_rows {{"name", "path", "sizeText", "restorable", "iconName"}};
    bool m_loading = true;
};

} // namespace pelmo
