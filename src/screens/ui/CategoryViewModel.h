#pragma once

#include <QtQml/qqmlregistration.h>

#include "screens/ui/ItemListModel.h"

#include "store/ui/StoreViewModel.h"

#include <optional>

namespace pelmo {

// The view logic of one category screen: search, sort, counts and sums, which texts show
// and which buttons are enabled. Changes go to the store; only the query and the sort
// order are the screen's own, and each category starts with neither. Counting, confirming
// and moving take only the selected items that the list shows: a selection hidden by a
// search stays where it is, and the footer says how much of it is hidden.
class CategoryViewModel : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString category READ category WRITE setCategory NOTIFY categoryChanged)
    Q_PROPERTY(QString query READ query WRITE setQuery NOTIFY queryChanged)
    Q_PROPERTY(int sortOrder READ sortOrder WRITE setSortOrder NOTIFY sortOrderChanged)
    Q_PROPERTY(QStringList sortOptions READ sortOptions CONSTANT)
    Q_PROPERTY(pelmo::ItemListModel *items READ items CONSTANT)
    Q_PROPERTY(QString title READ title NOTIFY categoryChanged)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY categoryChanged)
    Q_PROPERTY(QString accent READ accent NOTIFY categoryChanged)
    Q_PROPERTY(QString iconName READ iconName NOTIFY categoryChanged)
    Q_PROPERTY(QString symbol READ symbol NOTIFY categoryChanged)
    Q_PROPERTY(QString totalText READ totalText NOTIFY changed)
    Q_PROPERTY(bool hasItems READ hasItems NOTIFY changed)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY changed)
    Q_PROPERTY(QString toggleAllText READ toggleAllText NOTIFY changed)
    Q_PROPERTY(QString footerText READ footerText NOTIFY changed)
    Q_PROPERTY(bool moveEnabled READ moveEnabled NOTIFY changed)
    Q_PROPERTY(QString confirmText READ confirmText NOTIFY changed)

public:
    enum SortOrder { BySize = 0, ByName = 1 };

    explicit CategoryViewModel(QObject *parent = nullptr);

    [[nodiscard]] QString category() const;
    void setCategory(const QString &raw);
    [[nodiscard]] QString query() const { return m_query; }
    void setQuery(const QString &query);
    [[nodiscard]] int sortOrder() const { return m_sortOrder; }
    void setSortOrder(int order);
    [[nodiscard]] QStringList sortOptions() const;
    [[nodiscard]] ItemListModel *items() { return &m_items; }

    [[nodiscard]] QString title() const;
    [[nodiscard]] QString subtitle() const;
    [[nodiscard]] QString accent() const;
    [[nodiscard]] QString iconName() const;
    // The category's symbol name (drawn by the window's symbol set).
    [[nodiscard]] QString symbol() const;
    [[nodiscard]] QString totalText() const;
    [[nodiscard]] bool hasItems() const;
    [[nodiscard]] bool isScanning() const;
    [[nodiscard]] QString toggleAllText() const;
    [[nodiscard]] QString footerText() const;
    [[nodiscard]] bool moveEnabled() const;
    [[nodiscard]] QString confirmText() const;

    Q_INVOKABLE void toggleAll();
    Q_INVOKABLE void setSelected(const QString &path, bool selected);
    Q_INVOKABLE void exclude(const QString &path);
    // Moves the shown selection of this moment to the Trash.
    Q_INVOKABLE void moveSelected();

Q_SIGNALS:
    void categoryChanged();
    void queryChanged();
    void sortOrderChanged();
    // The menu command asked to confirm the move and something is selected.
    void confirmRequested();

private:
    void attach(CleanerStore &store) override;
    void storeReplaced() override;
    void refresh();
    [[nodiscard]] qsizetype selectedInCategory() const; // shown or not
    [[nodiscard]] QList<CleanItem> shownSelection() const;
    [[nodiscard]] qint64 shownSelectionSize() const;

    std::optional<CleanCategory> m_category;
    QString m_query;
    int m_sortOrder = BySize;
    ItemListModel m_items;
};

} // namespace pelmo
