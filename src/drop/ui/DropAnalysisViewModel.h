#pragma once

#include <QtQml/qqmlregistration.h>

#include "screens/ui/ItemListModel.h"
#include "store/ui/StoreViewModel.h"

namespace pelmo {

// The drop analysis of one dropped item: its size on disk and its copies in the document
// folders, searched off the main thread once both the item and the store are known. Every
// copy starts ticked; the ticked ones go to the Trash through the store.
class DropAnalysisViewModel
    : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QString name READ name NOTIFY pathChanged)
    Q_PROPERTY(QString iconName READ iconName NOTIFY pathChanged)
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY changed)
    Q_PROPERTY(bool searching READ searching NOTIFY changed)
    Q_PROPERTY(pelmo::ItemListModel *copies READ copies CONSTANT)
    Q_PROPERTY(QString trashText READ trashText NOTIFY changed)
    Q_PROPERTY(bool trashEnabled READ trashEnabled NOTIFY changed)

public:
    explicit DropAnalysisViewModel(QObject *parent = nullptr);

    [[nodiscard]] QString path() const { return m_path; }
    void setPath(const QString &path);
    [[nodiscard]] QString name() const;
    [[nodiscard]] QString iconName() const { return m_iconName; }
    // The size on disk, or "Počítám…" until it is measured.
    [[nodiscard]] QString sizeText() const;
    [[nodiscard]] bool searching() const { return m_searching; }
    [[nodiscard]] ItemListModel *copies() { return &m_copies; }
    // "Kopie do koše (" + the number of ticked copies + ")".
    [[nodiscard]] QString trashText() const;
    // Something ticked and no batch running.
    [[nodiscard]] bool trashEnabled() const;

    Q_INVOKABLE void toggle(const QString &path);
    // Moves the ticked copies to the Trash; `finished` follows the batch.
    Q_INVOKABLE void trash();

Q_SIGNALS:
    void pathChanged();
    void finished();

protected:
    void attach(CleanerStore &store) override;
    void storeReplaced() override;

private:
    void search();
    [[nodiscard]] QList<CleanItem> ticked() const;

    QString m_path;
    QString m_iconName;
    std::optional<qint64> m_size;
    bool m_searching = true;
    bool m_started = false;
    bool m_awaitingBatch = false;
    ItemListModel m_copies;
    QSet<QString> m_checked;
};

} // namespace pelmo
