#pragma once

#include <QtQml/qqmlregistration.h>

#include "uninstall/InstalledApp.h"

#include <QAbstractListModel>
#include <QSet>

namespace pelmo {

// The rows of the uninstaller's list: the visible applications with their texts and
// whether each runs.
class AppListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by the view-models.")

public:
    enum Role { PathRole = Qt::UserRole + 1, NameRole, SubtitleRole, SizeTextRole, RunningRole, IconRole };

    explicit AppListModel(QObject *parent = nullptr);

    // Resets only when the rows changed; a change of the running set alone updates in place.
    void setApps(const QList<InstalledApp> &apps, const QSet<QString> &running);
    [[nodiscard]] const QList<InstalledApp> &apps() const { return m_apps; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

private:
    QList<InstalledApp> m_apps;
    QSet<QString> m_running;
};

} // namespace pelmo
