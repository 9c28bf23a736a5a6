#include "ColorScheme.h"

#include <QGuiApplication>

namespace pelmo {

ColorScheme::ColorScheme(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_portal(bus)
    , m_platformDark(QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5)
{
    connect(&m_portal, &AppearancePortal::schemeChanged, this, [this] { setPreference(m_portal.scheme()); });
    m_dark = !m_platformDark; // so that the first apply() sets the palette
    apply();
}

void ColorScheme::setPreference(AppearancePortal::Scheme scheme)
{
    m_preference = scheme;
    apply();
}

void ColorScheme::apply()
{
    const bool dark = m_preference == AppearancePortal::Scheme::noPreference
        ? m_platformDark
        : m_preference == AppearancePortal::Scheme::dark;
    if (dark == m_dark && QGuiApplication::palette() == palette(dark))
        return;
    m_dark = dark;
    QGuiApplication::setPalette(palette(dark));
    Q_EMIT darkChanged();
}

QPalette ColorScheme::palette(bool dark)
{
    // Text colours keep at least 4.5:1 against the window, base and button colours.
    struct Roles
    {
        QColor window, base, alternate, text, button, light, midlight, mid, darkShade, placeholder, link, tip, tipText,
            disabledText;
    };
    const Roles r = dark
        ? Roles {QColor(0x1e, 0x1e, 0x21), QColor(0x2a, 0x2a, 0x2e), QColor(0x32, 0x32, 0x36), QColor(0xf0, 0xf0, 0xf2),
            QColor(0x32, 0x32, 0x36), QColor(0x55, 0x55, 0x5b), QColor(0x3a, 0x3a, 0x3f), QColor(0x4a, 0x4a, 0x50),
            QColor(0x14, 0x14, 0x16), QColor(0xa0, 0xa0, 0xa8), QColor(0x5f, 0xd4, 0xc4), QColor(0x3a, 0x3a, 0x3f),
            QColor(0xf0, 0xf0, 0xf2), QColor(0x80, 0x80, 0x88)}
        : Roles {QColor(0xf6, 0xf6, 0xf7), QColor(0xff, 0xff, 0xff), QColor(0xf0, 0xf0, 0xf2), QColor(0x1f, 0x1f, 0x23),
            QColor(0xff, 0xff, 0xff), QColor(0xff, 0xff, 0xff), QColor(0xe2, 0xe2, 0xe5), QColor(0xc8, 0xc8, 0xcc),
            QColor(0x9a, 0x9a, 0xa0), QColor(0x6b, 0x6b, 0x72), QColor(0x08, 0x6b, 0x61), QColor(0x2b, 0x2b, 0x30),
            QColor(0xff, 0xff, 0xff), QColor(0x8e, 0x8e, 0x94)};
    QPalette p;
    p.setColor(QPalette::Window, r.window);
    p.setColor(QPalette::WindowText, r.text);
    p.setColor(QPalette::Base, r.base);
    p.setColor(QPalette::AlternateBase, r.alternate);
    p.setColor(QPalette::Text, r.text);
    p.setColor(QPalette::Button, r.button);
    p.setColor(QPalette::ButtonText, r.text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, r.light);
    p.setColor(QPalette::Midlight, r.midlight);
    p.setColor(QPalette::Mid, r.mid);
    p.setColor(QPalette::Dark, r.darkShade);
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x0b, 0x7a, 0x6f)); // the brand teal, deep enough for white text
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, r.link);
    p.setColor(QPalette::LinkVisited, r.link);
    p.setColor(QPalette::ToolTipBase, r.tip);
    p.setColor(QPalette::ToolTipText, r.tipText);
    p.setColor(QPalette::PlaceholderText, r.placeholder);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, r.disabledText);
    p.setColor(QPalette::Disabled, QPalette::Highlight, r.mid);
    return p;
}

} // namespace pelmo
