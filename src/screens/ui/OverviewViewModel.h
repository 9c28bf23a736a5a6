#pragma once

#include <QtQml/qqmlregistration.h>

#include "store/ui/StoreViewModel.h"

#include <QVariantList>

namespace pelmo {

// The view logic of the overview: the volume ring, the figures, which card shows, the
// breakdown and the safe clean-up.
class OverviewViewModel : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double fraction READ fraction NOTIFY changed)
    Q_PROPERTY(QString percentText READ percentText NOTIFY changed)
    Q_PROPERTY(QStringList ringColors READ ringColors NOTIFY changed)
    Q_PROPERTY(QString freeText READ freeText NOTIFY changed)
    Q_PROPERTY(QString capacityText READ capacityText NOTIFY changed)
    Q_PROPERTY(QString foundText READ foundText NOTIFY changed)
    Q_PROPERTY(QString safeText READ safeText NOTIFY changed)
    Q_PROPERTY(QString freedText READ freedText NOTIFY changed)
    Q_PROPERTY(QString state READ state NOTIFY changed)
    Q_PROPERTY(QString safeButtonText READ safeButtonText NOTIFY changed)
    Q_PROPERTY(bool safeEnabled READ safeEnabled NOTIFY changed)
    Q_PROPERTY(bool rescanEnabled READ rescanEnabled NOTIFY changed)
    Q_PROPERTY(QString confirmButtonText READ confirmButtonText NOTIFY changed)
    Q_PROPERTY(QVariantList breakdown READ breakdown NOTIFY changed)

public:
    explicit OverviewViewModel(QObject *parent = nullptr);

    // Used share of the volume, 0 when its size is unknown.
    [[nodiscard]] double fraction() const;
    [[nodiscard]] QString percentText() const;
    // Two "#rrggbb" colours of the ring's gradient: red above 0.9, orange above 0.75.
    [[nodiscard]] QStringList ringColors() const;
    [[nodiscard]] QString freeText() const;
    [[nodiscard]] QString capacityText() const;
    [[nodiscard]] QString foundText() const;
    [[nodiscard]] QString safeText() const;
    [[nodiscard]] QString freedText() const;
    // "scanning", "notScanned", "empty" or "results": which card follows the figures.
    [[nodiscard]] QString state() const;
    [[nodiscard]] QString safeButtonText() const;
    [[nodiscard]] bool safeEnabled() const;
    [[nodiscard]] bool rescanEnabled() const;
    [[nodiscard]] QString confirmButtonText() const;
    // One {title, accent, sizeText, size} per category with something found, in order.
    [[nodiscard]] QVariantList breakdown() const;

    Q_INVOKABLE void rescan();
    Q_INVOKABLE void cleanSafe();

private:
    void attach(CleanerStore &store) override;
    [[nodiscard]] qint64 found() const;
};

} // namespace pelmo
