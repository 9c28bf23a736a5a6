#include "AppFixtures.h"
#include "FakeCatalogue.h"
#include "FakeFlatpak.h"
#include "FakeHome.h"
#include "Fields.h"
#include "uninstall/AppUninstaller.h"
#include "uninstall/RelatedGroup.h"

#include <QProcess>
#include <QtTest>

#include <array>

#include <plist/plist.h>

using namespace pelmo;
using namespace pelmo::test;

namespace {

InstalledApp app(const QString &id, const QString &name, const QString &path = QStringLiteral("/Applications/X.app"))
{
    InstalledApp a;
    a.bundleID = id;
    a.name = name;
    a.path = path;
    return a;
}

QByteArray binaryPlist(const char *identifier)
{
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "CFBundleIdentifier", plist_new_string(identifier));
    plist_dict_set_item(root, "CFBundleDisplayName", plist_new_string("Binární"));
    char *data = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &data, &length);
    QByteArray out(data, length);
    std::free(data);
    plist_free(root);
    return out;
}

} // namespace

class TestUninstaller : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogue()
    {
        FakeHome fake;
        makeBundle(fake, "Applications/Named.app", {"com.example.named", "Bundle Name", "Display Name", "3.1"});
        makeBundle(fake, "Applications/Plain.app", {"com.example.plain", {}, {}, {}});
        makeBundle(fake, "Applications/System.app", {"com.apple.system", "System", {}, {}});
        makeBundle(fake, "Applications/Loud.APP", {"com.example.loud", "Loud", {}, {}});
        makeBundle(fake, "Applications/NoId.app", {{}, "NoId", {}, {}});
        makeBundle(fake, "Applications/Sub/Deep.app", {"com.example.deep", "Deep", {}, {}});
        fake.writeBytes("Applications/Binary.app/Contents/Info.plist", binaryPlist("com.example.binary"));
        makeBundle(fake, "Other/Named.app", {"com.example.named", "Bundle Name", "Display Name", "3.1"});
        // AppImages: one described by the desktop entry that starts it, one by its file name.
        fake.writeFile("Applications/Krita-5.2.0-x86_64.AppImage", 4096);
        fake.writeFile("Applications/tool.APPIMAGE", 4096);
        makeDesktopEntry(fake, "org.kde.krita.desktop",
            "Name=Krita Studio\nIcon=krita\nX-AppImage-Version=5.2.0-1\nExec=\""
                + fake.path("Applications/Krita-5.2.0-x86_64.AppImage").toUtf8() + "\" %F\n");
        makeFlatpak(fake, "org.example.Notes", "Notes", "1.7");
        fake.makeFolder(".local/share/flatpak/app/org.example.Broken"); // no deployed version

        FakeFlatpak flatpak;
        const QStringList folders = {fake.path("Applications"), fake.path("Other")};
        QList<InstalledApp> apps = AppUninstaller::installedApps(fake.home(), &flatpak, folders);
        QCOMPARE(names(apps, true),
            (QStringList {"Binární", "Display Name", "Display Name", "Krita Studio", "Notes", "Plain", "tool"}));

        const auto byName = [&](const QString &name) {
            return *std::ranges::find_if(apps, [&](const InstalledApp &a) { return a.name == name; });
        };
        QCOMPARE(byName("Display Name").version, std::optional<QString>(QStringLiteral("3.1")));
        QCOMPARE(byName("Plain").version, std::nullopt);
        QVERIFY(byName("Plain").lastUsed.has_value()); // the main program's access time
        const InstalledApp krita = byName("Krita Studio");
        QCOMPARE(krita.bundleID, QStringLiteral("org.kde.krita"));
        QCOMPARE(krita.version, std::optional<QString>(QStringLiteral("5.2.0-1")));
        QCOMPARE(krita.icon, QStringLiteral("krita"));
        QCOMPARE(krita.kind, InstalledApp::Kind::appImage);
        QCOMPARE(byName("tool").bundleID, QStringLiteral("tool"));
        const InstalledApp notes = byName("Notes");
        QCOMPARE(notes.kind, InstalledApp::Kind::flatpak);
        QCOMPARE(notes.bundleID, QStringLiteral("org.example.Notes"));
        QCOMPARE(notes.version, std::optional<QString>(QStringLiteral("1.7")));
        QVERIFY(AppUninstaller::measure(notes) >= fake.allocated(".local/share/flatpak/app/org.example.Notes"));

        // Without the program, Flatpaks are not offered.
        flatpak.available = false;
        QVERIFY(!names(AppUninstaller::installedApps(fake.home(), &flatpak, folders)).contains("Notes"));

        // A dropped Apple bundle is refused; a desktop entry stands for the AppImage it starts.
        QVERIFY(!AppUninstaller::describe(fake.path("Applications/System.app"), fake.home(), &flatpak, true));
        const auto entry = AppUninstaller::droppedApplication(
            fake.path(".local/share/applications/org.kde.krita.desktop"), fake.home());
        QCOMPARE(entry, std::optional(krita.path));
        const auto described = AppUninstaller::describe(*entry, fake.home(), &flatpak, true);
        QVERIFY(described && described->size >= 4096);
    }

    void appImageNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");
        const std::array<std::array<const char *, 4>, 4> rows = {{
            {"version and architecture", "Krita-5.2.0-x86_64.AppImage", "Krita", "5.2.0"},
            {"v-prefixed", "Obsidian_v1.4.16.appimage", "Obsidian", "1.4.16"},
            {"architecture only", "Tool-aarch64.AppImage", "Tool", ""},
            {"digits in the name", "Win32Tool.AppImage", "Win32Tool", ""},
        }};
        for (const auto &[row, file, name, version] : rows)
            QTest::newRow(row) << QString::fromLatin1(file) << QString::fromLatin1(name)
                               << QString::fromLatin1(version);
    }

    void appImageNames()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, version);
        FakeHome fake;
        fake.writeFile("Applications/" + file.toStdString(), 10);
        const QList<InstalledApp> apps
            = AppUninstaller::installedApps(fake.home(), nullptr, {fake.path("Applications")});
        QCOMPARE(apps.size(), 1);
        QCOMPARE(apps.first().name, name);
        QCOMPARE(apps.first().bundleID, name);
        QCOMPARE(apps.first().version.value_or(QString()), version);
    }

    void visibleOrder()
    {
        QList<InstalledApp> apps = {app("a", "Zeta"), app("b", "alpha"), app("com.word.c", "Beta"), app("d", "gamma")};
        apps[0].size = 30;
        apps[1].size = 0;
        apps[2].size = 50;
        apps[0].lastUsed = QDateTime::fromSecsSinceEpoch(2000);
        apps[2].lastUsed = QDateTime::fromSecsSinceEpoch(1000);
        QCOMPARE(
            names(AppUninstaller::visible(apps, {}, AppSort::size)), (QStringList {"Beta", "Zeta", "alpha", "gamma"}));
        QCOMPARE(
            names(AppUninstaller::visible(apps, {}, AppSort::name)), (QStringList {"alpha", "Beta", "gamma", "Zeta"}));
        // Never used first, in catalogue order, then the longest unused.
        QCOMPARE(names(AppUninstaller::visible(apps, {}, AppSort::lastUsed)),
            (QStringList {"alpha", "gamma", "Beta", "Zeta"}));
        QCOMPARE(names(AppUninstaller::visible(apps, QStringLiteral("ZET"), AppSort::size)), QStringList {"Zeta"});
        QVERIFY(AppUninstaller::visible(apps, QStringLiteral("word"), AppSort::size)
                    .isEmpty()); // identifiers are not searched
    }

    void relatedFiles()
    {
        FakeHome fake;
        const QString b = QStringLiteral("com.example.editor");
        for (const char *relative :
            {"Library/Caches/com.example.editor", "Library/Preferences/com.example.editor.plist",
                "Library/Preferences/com.example.editor.helper.plist", "Library/Logs/Editor",
                "Library/HTTPStorages/com.example.editor", "Library/Group Containers/TEAM42.com.example.editor",
                "Library/Group Containers/com.example.editor.shared", ".config/com.example.editor", ".config/editor",
                ".cache/Editor", ".local/state/editor", ".local/share/editor", ".var/app/com.example.editor",
                ".config/autostart/com.example.editor.desktop", ".local/share/applications/com.example.editor.desktop"})
            fake.writeFile(relative, 5000);
        const FakeCatalogue nothingElse;
        const QList<CleanItem> items
            = AppUninstaller::relatedFiles(app(b, QStringLiteral("Editor")), fake.home(), {}, &nothingElse);
        QCOMPARE(details(items),
            (QStringList {"~/.cache/Editor", "~/.config/autostart/com.example.editor.desktop",
                "~/.config/com.example.editor", "~/.config/editor",
                "~/.local/share/applications/com.example.editor.desktop", "~/.local/share/editor",
                "~/.local/state/editor", "~/.var/app/com.example.editor", "~/Library/Caches/com.example.editor",
                "~/Library/Group Containers/TEAM42.com.example.editor", "~/Library/HTTPStorages/com.example.editor",
                "~/Library/Logs/Editor", "~/Library/Preferences/com.example.editor.helper.plist",
                "~/Library/Preferences/com.example.editor.plist"}));
        for (const CleanItem &item : items) {
            QVERIFY(item.size > 0 && !item.isSafe && item.identity.isKnown());
            QCOMPARE(item.category, CleanCategory::leftovers);
        }

        // Grouping follows the folder.
        const auto group = [&](const QString &detail) {
            return RelatedGroups::of(*std::ranges::find(items, detail, &CleanItem::detail));
        };
        QCOMPARE(group("~/Library/Logs/Editor"), RelatedGroup::state);
        QCOMPARE(group("~/Library/HTTPStorages/com.example.editor"), RelatedGroup::data);
        QCOMPARE(group("~/Library/Preferences/com.example.editor.plist"), RelatedGroup::settings);
        QCOMPARE(group("~/.cache/Editor"), RelatedGroup::caches);
        QCOMPARE(group("~/.config/editor"), RelatedGroup::settings);
        QCOMPARE(group("~/.local/state/editor"), RelatedGroup::state);
        QCOMPARE(group("~/.config/autostart/com.example.editor.desktop"), RelatedGroup::background);
        QCOMPARE(group("~/.local/share/applications/com.example.editor.desktop"), RelatedGroup::background);
        QCOMPARE(group("~/.var/app/com.example.editor"), RelatedGroup::data);

        // Folders named after the display name are offered only while no other program
        // answers to it (the same program from the system's packages, say), and unticked.
        QVERIFY(AppUninstaller::matchedByNameOnly(
            *std::ranges::find(items, "~/.config/editor", &CleanItem::detail), app(b, QStringLiteral("Editor"))));
        QVERIFY(!AppUninstaller::matchedByNameOnly(
            *std::ranges::find(items, "~/.config/com.example.editor", &CleanItem::detail),
            app(b, QStringLiteral("Editor"))));
        const FakeCatalogue debianEditor({}, {QStringLiteral("editor")});
        const QStringList withSystemEditor
            = details(AppUninstaller::relatedFiles(app(b, QStringLiteral("Editor")), fake.home(), {}, &debianEditor));
        for (const char *taken : {"~/.config/editor", "~/.local/share/editor", "~/.local/state/editor"})
            QVERIFY2(!withSystemEditor.contains(taken), taken);
        QVERIFY(withSystemEditor.contains("~/.config/com.example.editor"));

        // A Flatpak's are its own folder and launchers only.
        InstalledApp flatpak = app(b, QStringLiteral("Editor"));
        flatpak.kind = InstalledApp::Kind::flatpak;
        QCOMPARE(details(AppUninstaller::relatedFiles(flatpak, fake.home(), {}, &nothingElse)),
            (QStringList {"~/.config/autostart/com.example.editor.desktop",
                "~/.local/share/applications/com.example.editor.desktop", "~/.var/app/com.example.editor"}));

        // The helper's preferences belong to the helper once it is an application of its own.
        const QList<CleanItem> withHelper = AppUninstaller::relatedFiles(app(b, QStringLiteral("Editor")), fake.home(),
            {app(QStringLiteral("com.example.editor.helper"), QStringLiteral("Helper"),
                QStringLiteral("/A/Helper.app"))},
            &nothingElse);
        QVERIFY(!details(withHelper).contains("~/Library/Preferences/com.example.editor.helper.plist"));
        QCOMPARE(withHelper.size(), items.size() - 1);
    }

    void relatedFileRules_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("slash in identifier") << QStringLiteral("com/evil") << QStringLiteral("Evil") << QStringList {};
        QTest::newRow("leading full stop") << QStringLiteral(".config") << QStringLiteral("Evil") << QStringList {};
        const QStringList both = {"~/.config/Účetní", "~/.config/účetní"};
        QTest::newRow("accented name") << QStringLiteral("cz.example.ucetni") << QStringLiteral("Účetní") << both;
        QTest::newRow("name with a colon")
            << QStringLiteral("cz.example.ucetni") << QStringLiteral("Účetní: Pro") << QStringList {};
        QTest::newRow("identifier equal to the name") << QStringLiteral("Účetní") << QStringLiteral("Účetní") << both;
    }

    void relatedFileRules()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        FakeHome fake;
        fake.writeFile(".config/Účetní/a", 10);
        fake.writeFile(".config/účetní/a", 10);
        fake.writeFile(".config/Evil/a", 10);
        fake.writeFile(".config/com/evil/a", 10);
        const FakeCatalogue nothingElse;
        QCOMPARE(details(AppUninstaller::relatedFiles(app(id, name), fake.home(), {}, &nothingElse)), expected);
    }

    // Whatever an application is called, nothing outside its own files is offered.
    void neverOffered_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("the Trash") << "Trash";
        QTest::newRow("Pelmo's own data") << "Pelmo";
        QTest::newRow("a document folder") << "Docs";
        QTest::newRow("the desktop's keyrings") << "keyrings";
        QTest::newRow("a link out of the home") << "Outside";
        QTest::newRow("another application's name") << "Shared";
    }

    void neverOffered()
    {
        QFETCH(QString, name);
        FakeHome fake;
        QTemporaryDir outside;
        QVERIFY(QDir().mkpath(outside.path() + QStringLiteral("/Outside")));
        fake.writeFile(".local/share/Trash/files/x", 10);
        fake.writeFile(".config/Pelmo/Pelmo.conf", 10);
        fake.writeFile(".cache/Pelmo/x", 10);
        fake.writeBytes(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/.local/share/Docs\"\n");
        fake.writeFile(".local/share/Docs/thesis.odt", 10);
        fake.writeFile(".local/share/keyrings/login.keyring", 10);
        fake.symlink(outside.path().toStdString(), ".local/state");
        fake.writeFile(".cache/Shared/x", 10);
        const QList<InstalledApp> others = {app(
            QStringLiteral("org.other.Shared"), QStringLiteral("Shared"), QStringLiteral("/Applications/Shared.app"))};
        const FakeCatalogue nothingElse; // so that the name alone never keeps anything back
        const QList<CleanItem> items = AppUninstaller::relatedFiles(
            app(QStringLiteral("org.example.") + name, name, QStringLiteral("/Applications/Mine.app")), fake.home(),
            others, &nothingElse);
        QCOMPARE(details(items), QStringList {});
        // The same file is offered to the application it belongs to.
        if (name == QLatin1StringView("Shared"))
            QCOMPARE(AppUninstaller::relatedFiles(others.first(), fake.home(), {}, &nothingElse).size(), 1);
    }

    void runningAndQuit()
    {
        FakeHome fake;
        makeBundle(fake, "Applications/Sleeper.app", {"com.example.sleeper", "Sleeper", {}, {}});
        QVERIFY(
            QFile::copy(QStringLiteral("/bin/sleep"), fake.path("Applications/Sleeper.app/Contents/MacOS/sleeper")));
        QVERIFY(QFile::setPermissions(
            fake.path("Applications/Sleeper.app/Contents/MacOS/sleeper"), QFile::ReadOwner | QFile::ExeOwner));
        fake.writeFile("Applications/Napper.AppImage", 10);
        fake.writeFile("Applications/Napper-2.0.AppImage", 10); // another version: the same identifier
        FakeFlatpak flatpak;
        makeFlatpak(fake, "org.example.Notes", "Notes", "1");
        flatpak.running = {QStringLiteral("org.example.Notes")};
        const QList<InstalledApp> apps = AppUninstaller::installedApps(fake.home(), &flatpak);
        QCOMPARE(apps.size(), 4);
        const auto pathOf = [&](const QString &name, const QString &version = {}) {
            return std::ranges::find_if(apps, [&](const InstalledApp &a) {
                return a.name == name && a.version.value_or(QString()) == version;
            })->path;
        };
        const QString notes = pathOf(QStringLiteral("Notes"), QStringLiteral("1"));
        QCOMPARE(AppUninstaller::runningIdentifiers(apps, &flatpak), QSet<QString> {notes});

        QProcess bundled;
        bundled.start(fake.path("Applications/Sleeper.app/Contents/MacOS/sleeper"), {QStringLiteral("60")});
        QProcess fromAppImage;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("APPIMAGE"), fake.path("Applications/Napper.AppImage"));
        fromAppImage.setProcessEnvironment(environment);
        fromAppImage.start(QStringLiteral("/bin/sleep"), {"60"});
        QVERIFY(bundled.waitForStarted() && fromAppImage.waitForStarted());
        // Only the version whose file runs is running.
        QTRY_COMPARE(AppUninstaller::runningIdentifiers(apps, &flatpak),
            (QSet<QString> {notes, fake.path("Applications/Sleeper.app"), fake.path("Applications/Napper.AppImage")}));

        for (const InstalledApp &a : apps) {
            if (a.path != fake.path("Applications/Napper-2.0.AppImage"))
                QVERIFY2(AppUninstaller::quit(a, &flatpak), qPrintable(a.name));
        }
        QVERIFY(bundled.waitForFinished(5000) && fromAppImage.waitForFinished(5000));
        QCOMPARE(bundled.exitStatus(), QProcess::CrashExit); // ended by the signal
        QVERIFY(AppUninstaller::runningIdentifiers(apps, &flatpak).isEmpty());
        // Nothing runs any more, so nothing can be asked to quit.
        QVERIFY(!AppUninstaller::quit(apps.first(), &flatpak));
    }
};

QTEST_GUILESS_MAIN(TestUninstaller)
#include "tst_uninstaller.moc"
