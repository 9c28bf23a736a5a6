#pragma once

#include "platform/linux/AppearancePortal.h"

#include <QObject>
#include <QPalette>

namespace pelmo {

// Pelmo's palette, light or dark, for the whole application (QML and the folder dialog
// alike): the brand teal is its one accent. Dark when the desktop's appearance setting asks
// for it, light when it asks for light, and otherwise as dark as the platform theme's own
// palette was at start (Qt 6.4 hands GNOME's dark preference to no application).
class ColorScheme : public QObject
{
    Q_OBJECT

public:
    explicit ColorScheme(const QDBusConnection &bus, QObject *parent = nullptr);

    [[nodiscard]] bool isDark() const { return m_dark; }
    // What the desktop asked for; the screenshot tool sets it as the portal would.
    void setPreference(AppearancePortal::Scheme scheme);

    [[nodiscard]] static QPalette palette(bool dark);

Q_SIGNALS:
    void darkChanged();

private:
    void apply();

    AppearancePortal m_portal;
    AppearancePortal::Scheme m_preference = AppearancePortal::Scheme::noPreference;
    bool m_platformDark = false;
    bool m_dark = false;
};

} // namespace pelmo
