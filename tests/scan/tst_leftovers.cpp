#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "Fields.h"
#include "core/PathBytes.h"
#include "scan/DiskScanner.h"
#include "scan/Leftovers.h"

#include <QtTest>

#include <array>

using namespace pelmo;
using pelmo::test::FakeCatalogue;
using pelmo::test::FakeHome;
using pelmo::test::names;

namespace {

constexpr qint64 kAboveMinimum = 100 * 1024;
constexpr qint64 kBelowMinimum = 96 * 1024;

QDateTime daysAgo(int days)
{
    return QDateTime::currentDateTimeUtc().addDays(-days).addSecs(-60);
}

} // namespace

class TestLeftovers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identifierFromName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("identifier"); // empty: none
        const std::array<std::array<const char *, 3>, 19> rows = {{
            {"plain", "com.example.App", "com.example.App"},
            {"savedState", "com.example.App.savedState", "com.example.App"},
            {"plist", "com.example.App.plist", "com.example.App"},
            {"plist then savedState", "com.example.App.plist.savedState", "com.example.App"},
            {"savedState then plist", "com.example.App.savedState.plist", "com.example.App.savedState"},
            {"two parts plus plist", "example.App.plist", ""},
            {"two parts", "example.App", ""},
            {"apple", "com.apple.Safari", ""},
            {"group", "group.com.example.shared", ""},
            {"Apple in other case", "Com.Apple.X", "Com.Apple.X"},
            {"leading dot", ".com.example.App", ""},
            {"trailing dot", "com.example.App.", ""},
            {"doubled dot", "com..example.App", ""},
            {"space", "com.example.My App", ""},
            {"tilde", "com.example.App~", ""},
            {"diacritics", "cz.příklad.Čtečka", "cz.příklad.Čtečka"},
            {"combining mark", "cz.example.Cafe\u0301", "cz.example.Cafe\u0301"},
            {"hyphen underscore digits", "org.my-tool.v2_beta", "org.my-tool.v2_beta"},
            {"product name", "Google Chrome", ""},
        }};
        for (const auto &[row, name, identifier] : rows)
            QTest::newRow(row) << QString::fromUtf8(name) << QString::fromUtf8(identifier);
        QTest::newRow("undecodable byte") << PathBytes::fromBytes("com.example.A\xFF") << "";
    }

    void identifierFromName()
    {
        QFETCH(QString, name);
        QFETCH(QString, identifier);
        QCOMPARE(DiskScanner::bundleIdentifier(name).value_or(QString()), identifier);
    }

    void applicationIdentifierGrammar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("identifier");
        QTest::newRow("reverse domain") << "org.gnome.TextEditor" << true;
        QTest::newRow("digits, hyphen and underscore inside") << "io.github.my-tool2.App_1" << true;
        QTest::newRow("underscore first") << "_private.example.app" << true;
        QTest::newRow("two elements") << "org.gnome" << false;
        QTest::newRow("tool with a version") << "node-v18.17.1-linux-x64" << false;
        QTest::newRow("element begins with a digit") << "com.1password.App" << false;
        QTest::newRow("element begins with a hyphen") << "org.-example.App" << false;
        QTest::newRow("empty element") << "org..example.App" << false;
        QTest::newRow("trailing dot") << "org.example.App." << false;
        QTest::newRow("letter outside ASCII") << "cz.příklad.App" << false;
        QTest::newRow("space") << "org.example.My App" << false;
        QTest::newRow("undecodable byte") << PathBytes::fromBytes("org.example.A\xFF") << false;
    }

    void applicationIdentifierGrammar()
    {
        QFETCH(QString, name);
        QFETCH(bool, identifier);
        QCOMPARE(DiskScanner::applicationIdentifier(name).has_value(), identifier);
    }

    // In ~/.config and ~/.local/share only identifier-named folders of no known application
    // or program, untouched for 90 days, are offered. A file of the grammar (GLib's
    // temporary files, Plasma's settings) never is.
    void linuxPlacesNeedEvidenceOfDisuse()
    {
        FakeHome fake;
        auto folder = [&](const std::string &path, int age) {
            fake.writeFile(path + "/data", kAboveMinimum);
            fake.setModifiedTree(path, daysAgo(age));
        };
        folder(".local/share/org.example.Gone", 200);
        folder(".config/org.example.Day91", 91);
        folder(".config/org.example.Day89", 89);
        folder(".config/org.example.Fresh", 0);
        folder(".config/org.example.Touched", 300);
        fake.writeFile(".config/org.example.Touched/deep/inside/state", 10);
        fake.setModifiedTree(".config/org.example.Touched/deep", daysAgo(300));
        fake.setModified(".config/org.example.Touched/deep/inside/state", daysAgo(5));
        folder(".config/org.example.Emptied", 300); // its files are old, but one was just removed
        fake.makeFolder(".config/org.example.Emptied/cache");
        fake.setModifiedTree(".config/org.example.Emptied", daysAgo(300));
        fake.setModified(".config/org.example.Emptied/cache", daysAgo(3));
        folder(".local/share/org.example.Installed", 200);
        folder(".local/share/com.example.myapp", 200);
        folder(".local/share/node-v18.17.1-linux-x64", 200);
        fake.writeFile(".config/org.example.Small/data", kBelowMinimum);
        fake.setModifiedTree(".config/org.example.Small", daysAgo(200));
        for (const char *file :
            {".local/share/recently-used.xbel.ABC123", ".config/plasma-org.kde.plasma.desktop-appletsrc"}) {
            fake.writeFile(file, kAboveMinimum);
            fake.setModified(file, daysAgo(200));
        }
        folder("old-data/org.example.Linked", 200);
        fake.symlink(fake.bytes("old-data/org.example.Linked"), ".config/org.example.Linked");

        const FakeCatalogue catalogue({QStringLiteral("org.example.Installed")}, {QStringLiteral("myapp")});
        const QList<CleanItem> items = DiskScanner::leftovers(fake.home(), catalogue);
        QCOMPARE(names(items, true), (QStringList {"org.example.Day91", "org.example.Gone"}));
        const CleanItem &gone = items.last();
        QCOMPARE(gone.name, QStringLiteral("org.example.Gone"));
        QCOMPARE(gone.size, fake.allocated(".local/share/org.example.Gone"));
        QCOMPARE(gone.detail,
            QStringLiteral(
                "Data aplikace · nenašel jsem nainstalovanou aplikaci s tímto identifikátorem; nepoužito 200 dní"));
        // Names and kinds are tested before the catalogue is asked.
        for (const QString &name : catalogue.asked())
            QVERIFY2(!name.contains(QStringLiteral("xbel")) && !name.contains(QStringLiteral("plasma"))
                    && !name.contains(QStringLiteral("node")) && !name.contains(QStringLiteral("Linked")),
                qPrintable(name));
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
        for (const char *folder : {".config", ".local/share"})
            fake.setModifiedTree(folder, daysAgo(200));

        const FakeCatalogue catalogue({QStringLiteral("com.example.suite"), QStringLiteral("org.kde.present")});
        const QList<CleanItem> items = DiskScanner::leftovers(fake.home(), catalogue);
        QCOMPARE(names(items),
            (QStringList {"com.example.Gone", "org.gone.Editor.savedState", "org.gone.Editor", "net.gone.Browser",
                "org.gnome.Gone", "io.github.gone.Tool", "org.kde.gone"}));
        QCOMPARE(items[0].detail, QStringLiteral("Data aplikace · aplikace com.example.Gone není nainstalovaná"));
        QCOMPARE(items[1].detail, QStringLiteral("Uložený stav oken · aplikace org.gone.Editor není nainstalovaná"));
        QCOMPARE(items[4].detail, QStringLiteral("Data aplikace Flatpak · aplikace org.gnome.Gone není nainstalovaná"));
        QCOMPARE(items[5].detail,
            QStringLiteral("Nastavení aplikace · nenašel jsem nainstalovanou aplikaci s tímto identifikátorem; "
                           "nepoužito 200 dní"));
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
