#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "fs/PathBytes.h"
#include "scan/DiskScanner.h"
#include "scan/Leftovers.h"

#include <QtTest>

using namespace pelmo;
using pelmo::test::FakeCatalogue;
using pelmo::test::FakeHome;

namespace {

constexpr qint64 kAboveMinimum = 100 * 1024;
constexpr qint64 kBelowMinimum = 96 * 1024;

} // namespace

class TestLeftovers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identifierFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("identifier"); // empty: none
        QTest::newRow("plain") << "com.example.App"
                               << "com.example.App";
        QTest::newRow("savedState") << "com.example.App.savedState"
                                    << "com.example.App";
        QTest::newRow("plist") << "com.example.App.plist"
                               << "com.example.App";
        QTest::newRow("plist then savedState") << "com.example.App.plist.savedState"
                                               << "com.example.App";
        QTest::newRow("savedState then plist") << "com.example.App.savedState.plist"
                                               << "com.example.App.savedState";
        QTest::newRow("two parts plus plist") << "example.App.plist"
                                              << "";
        QTest::newRow("two parts") << "example.App"
                                   << "";
        QTest::newRow("apple") << "com.apple.Safari"
                               << "";
        QTest::newRow("group") << "group.com.example.shared"
                               << "";
        QTest::newRow("Apple in other case") << "Com.Apple.X"
                                             << "Com.Apple.X";
        QTest::newRow("leading dot") << ".com.example.App"
                                     << "";
        QTest::newRow("trailing dot") << "com.example.App."
                                      << "";
        QTest::newRow("doubled dot") << "com..example.App"
                                     << "";
        QTest::newRow("space") << "com.example.My App"
                               << "";
        QTest::newRow("tilde") << "com.example.App~"
                               << "";
        QTest::newRow("diacritics") << "cz.příklad.Čtečka"
                                    << "cz.příklad.Čtečka";
        QTest::newRow("combining mark") << "cz.example.Cafe\u0301"
                                        << "cz.example.Cafe\u0301";
        QTest::newRow("hyphen underscore digits") << "org.my-tool.v2_beta"
                                                  << "org.my-tool.v2_beta";
        QTest::newRow("product name") << "Google Chrome"
                                      << "";
        QTest::newRow("undecodable byte") << PathBytes::fromBytes("com.example.A\xFF") << "";
    }

    void identifierFromName()
    {
        QFETCH(QString, name);
        QFETCH(QString, identifier);
        QCOMPARE(DiskScanner::bundleIdentifier(name).value_or(QString()), identifier);
    }

    // Prefixes of three or more parts are asked, longest first; two parts never.
    void installedByPrefix()
    {
        const FakeCatalogue catalogue({QStringLiteral("com.example.suite")});
        QVERIFY(DiskScanner::isInstalled(QStringLiteral("com.example.suite.helper"), catalogue));
        QCOMPARE(catalogue.asked(), (QStringList {"com.example.suite.helper", "com.example.suite"}));

        const FakeCatalogue empty({QStringLiteral("com.example")});
        QVERIFY(!DiskScanner::isInstalled(QStringLiteral("com.example.gone.helper"), empty));
        QCOMPARE(empty.asked(), (QStringList {"com.example.gone.helper", "com.example.gone"}));
    }

    void leftoversAreFoundOnlyWhereTheyBelong()
    {
        FakeHome fake;
        fake.writeFile("Library/Application Support/com.example.Gone/data", kAboveMinimum);
        fake.writeFile("Library/Application Support/com.example.Small/data", kBelowMinimum);
        fake.writeFile("Library/Application Support/com.example.suite.Helper/data", kAboveMinimum);
        fake.writeFile("Library/Application Support/Google/data", kAboveMinimum);
        fake.writeFile("Library/Saved Application State/org.gone.Editor.savedState/w", kAboveMinimum);
        fake.writeFile("Library/HTTPStorages/org.gone.Editor/db", kAboveMinimum);
        fake.writeFile("Library/WebKit/net.gone.Browser/db", kAboveMinimum);
        fake.writeFile("Library/Caches/com.example.Gone/data", kAboveMinimum);
        fake.writeFile("Library/Preferences/com.example.Gone.plist", kAboveMinimum);
        fake.writeFile(".var/app/org.gnome.Gone/cache", kAboveMinimum);
        fake.writeFile(".config/io.github.gone.Tool/settings", kAboveMinimum);
        fake.writeFile(".local/share/org.kde.gone/data", kAboveMinimum);
        fake.writeFile(".local/share/org.kde.present/data", kAboveMinimum);

        const FakeCatalogue catalogue({QStringLiteral("com.example.suite"), QStringLiteral("org.kde.present")});
        const QList<CleanItem> items = DiskScanner::leftovers(fake.home(), catalogue);
        QStringList found;
        for (const CleanItem &item : items)
            found.append(item.name);
        QCOMPARE(found,
            (QStringList {"com.example.Gone", "org.gone.Editor.savedState", "org.gone.Editor", "net.gone.Browser",
                "org.gnome.Gone", "io.github.gone.Tool", "org.kde.gone"}));
        QCOMPARE(items[0].detail, QStringLiteral("Data aplikace · aplikace com.example.Gone není nainstalovaná"));
        QCOMPARE(items[1].detail, QStringLiteral("Uložený stav oken · aplikace org.gone.Editor není nainstalovaná"));
        QCOMPARE(items[4].detail, QStringLiteral("Data aplikace Flatpak · aplikace org.gnome.Gone není nainstalovaná"));
        QCOMPARE(items[0].size, fake.allocated("Library/Application Support/com.example.Gone"));
        QCOMPARE(items[0].category, CleanCategory::leftovers);
        QVERIFY(!items[0].isSafe);
        // The catalogue is consulted before measuring: no name that is not an identifier
        // is ever asked about.
        QVERIFY(!catalogue.asked().contains(QStringLiteral("Google")));
    }
};

QTEST_GUILESS_MAIN(TestLeftovers)
#include "tst_leftovers.moc"
