#pragma once

#include "app/ui/CategoryListModel.h"
#include "diskmap/ui/DiskMapModel.h"
#include "store/CleanerStore.h"

#include <QObject>
#include <QQmlEngine>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace pelmo {

// What the window reaches from everywhere: the store and the category list. Starts the first scan by itself as soon as
// access exists and nothing was scanned.
class AppState : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(pelmo::CleanerStore *store READ store CONSTANT)
    Q_PROPERTY(pelmo::CategoryListModel *categories READ categories CONSTANT)
    Q_PROPERTY(pelmo::DiskMapModel *diskMap READ diskMap CONSTANT)
    Q_PROPERTY(QString brand READ brand CONSTANT)
    Q_PROPERTY(double diskFraction READ diskFraction NOTIFY diskChanged)
    Q_PROPERTY(QString diskText READ diskText NOTIFY diskChanged)
    Q_PROPERTY(QString diskColor READ diskColor NOTIFY diskChanged)
    Q_PROPERTY(QString foundText READ foundText NOTIFY foundChanged)
    Q_PROPERTY(bool scanEnabled READ scanEnabled NOTIFY scanEnabledChanged)
    Q_PROPERTY(QString droppedPath READ droppedPath NOTIFY droppedPathChanged)

public:
    // `scanAtOnce` false holds the first scan back until allowFirstScan() (a Pelmo started
    // in the background scans only when its window is first shown, or for the reminder).
    explicit AppState(CleanerStore &store, bool scanAtOnce = true, QObject *parent = nullptr);
    void allowFirstScan();

    // The state a window is loaded for is its engine's; QML reaches it as the AppState
    // singleton of that engine.
    void attachTo(QQmlEngine &engine);
    static AppState *create(QQmlEngine *engine, QJSEngine *);

    [[nodiscard]] CleanerStore *store() const { return &m_store; }
    [[nodiscard]] CategoryListModel *categories() { return &m_categories; }
    // The disk map's state, kept for the whole run so its position survives switching screens.
    [[nodiscard]] DiskMapModel *diskMap() { return &m_diskMap; }
    [[nodiscard]] QString brand() const;
    [[nodiscard]] double diskFraction() const;
    [[nodiscard]] QString diskText() const;
    // Red above 0.9 used, orange above 0.75, else the brand colour.
    [[nodiscard]] QString diskColor() const;

    // "K úklidu nalezeno " and the found total; empty when nothing was found.
    [[nodiscard]] QString foundText() const;
    // Scanning needs the home folder and no scan running.
    [[nodiscard]] bool scanEnabled() const;

    // The icon-theme name for a symbol name of the design (one table for the whole window).
    Q_INVOKABLE QString icon(const QString &symbol) const;

    // The item whose drop analysis is open; empty while none is.
    [[nodiscard]] QString droppedPath() const { return m_droppedPath; }
    // Applies the drop rules; true when the drop was taken.
    Q_INVOKABLE bool drop(const QList<QUrl> &urls);
    Q_INVOKABLE void closeDropAnalysis();

    // Looks a key up in the string table (for texts the QML gets from the store).
    Q_INVOKABLE QString tr(const QString &key) const;

Q_SIGNALS:
    void diskChanged();
    void foundChanged();
    void scanEnabledChanged();
    void droppedPathChanged();
    // Another part asks the window to show a section ("uninstall").
    void sectionRequested(const QString &section);

private:
    void scanOnceAccessExists();
    void startAtLoginAsReminded();

    CleanerStore &m_store;
    CategoryListModel m_categories;
    DiskMapModel m_diskMap {m_store};
    QString m_droppedPath;
    bool m_firstScanAllowed = true;
};

} // namespace pelmo
