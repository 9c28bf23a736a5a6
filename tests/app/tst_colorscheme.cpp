#include "app/ColorScheme.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QtTest>

using namespace pelmo;

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The settings portal on a connection of its own: ReadOne, or (as portals before version 2)
// only Read, whose answer wraps the value in one more variant.
class FakePortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    FakePortal(uint scheme, bool readOne)
        : m_scheme(scheme)
        , m_readOne(readOne)
        , m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal")))
    {
        m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots);
        m_bus.registerService(kService);
    }
    ~FakePortal() override
    {
        m_bus.unregisterService(kService);
        m_bus.unregisterObject(kPath);
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }
    void change(const QString &group, const QString &key, uint scheme)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, QStringLiteral("SettingChanged"));
        signal << group << key << QVariant::fromValue(QDBusVariant(scheme));
        m_bus.send(signal);
    }

public Q_SLOTS:
    QDBusVariant ReadOne(const QString &group, const QString &key)
    {
        if (!m_readOne || group != QLatin1StringView("org.freedesktop.appearance")
            || key != QLatin1StringView("color-scheme"))
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("no ReadOne"));
        return QDBusVariant(m_scheme);
    }
    QDBusVariant Read(const QString &, const QString &)
    {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(m_scheme)));
    }

private:
    uint m_scheme;
    bool m_readOne;
    QDBusConnection m_bus;
};

bool paletteIsDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
}

} // namespace

// The desktop's colour preference reaches the palette, at start and when it changes, from
// portals old and new; without a portal the platform's palette decides.
class TestColorScheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With Qt 6.4 the signals of the process's first fake portal connection never reach the
    // client connection of the same process (a real portal is another process); a warm-up
    // portal takes that first connection.
    void initTestCase()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            return;
        FakePortal warmUp(0, true);
        warmUp.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 0);
        QTest::qWait(200);
    }

    void followsThePortal_data()
    {
        QTest::addColumn<bool>("readOne");
        QTest::newRow("Read only") << false;
        QTest::newRow("ReadOne") << true;
    }

    void followsThePortal()
    {
        QFETCH(bool, readOne);
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("needs a session bus (the suite runs under dbus-run-session)");
        FakePortal portal(1, readOne);
        ColorScheme scheme(QDBusConnection::sessionBus());
        QTRY_VERIFY(scheme.isDark());
        QVERIFY(paletteIsDark());
        QCOMPARE(QGuiApplication::palette().color(QPalette::Highlight), QColor(0x0b, 0x7a, 0x6f));

        portal.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("accent-color"), 2);
        portal.change(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("color-scheme"), 2);
        QTest::qWait(200);
        QVERIFY(scheme.isDark()); // other settings change nothing
        portal.change(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), 2);
        QTRY_VERIFY(!scheme.isDark());
        QVERIFY(!paletteIsDark());
    }

    void withoutPortalThePlatformDecides()
    {
        QGuiApplication::setPalette(ColorScheme::palette(true)); // as a dark platform theme would
        ColorScheme dark(QDBusConnection(QStringLiteral("none")));
        QVERIFY(dark.isDark());
        QGuiApplication::setPalette(QPalette(Qt::white));
        ColorScheme light(QDBusConnection(QStringLiteral("none")));
        QVERIFY(!light.isDark());
        QVERIFY(!paletteIsDark());
    }
};

QTEST_MAIN(TestColorScheme)
#include "tst_colorscheme.moc"
