#include "FakeHome.h"
#include "ScopedEnvironment.h"
#include "platform/linux/DesktopEntryFile.h"
#include "platform/linux/SystemApplicationCatalogue.h"

#include <QtTest>

#include <plist/plist.h>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::ScopedEnvironment;

namespace {

QByteArray infoPlist(const char *identifier, bool binary)
{
    plist_t root = plist_new_dict();
    plist_dict_set_item(root, "CFBundleIdentifier", plist_new_string(identifier));
    plist_dict_set_item(root, "CFBundleName", plist_new_string("Example"));
    char *data = nullptr;
    uint32_t length = 0;
    if (binary)
        plist_to_bin(root, &data, &length);
    else
        plist_to_xml(root, &data, &length);
    QByteArray out(data, length);
    std::free(data);
    plist_free(root);
    return out;
}

void verifyKnown(const ApplicationCatalogue &catalogue, const QStringList &applications, const QStringList &programs)
{
    for (const QString &id : applications)
        QVERIFY2(catalogue.hasApplication(id), qPrintable(id));
    for (const QString &name : programs)
        QVERIFY2(catalogue.hasProgram(name), qPrintable(name));
}

void verifyUnknown(const ApplicationCatalogue &catalogue, const QStringList &applications, const QStringList &programs)
{
    for (const QString &id : applications)
        QVERIFY2(!catalogue.hasApplication(id), qPrintable(id));
    for (const QString &name : programs)
        QVERIFY2(!catalogue.hasProgram(name), qPrintable(name));
}

} // namespace

class TestApplicationCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void execProgram_data()
    {
        QTest::addColumn<QString>("exec"); // with the string escapes already resolved
        QTest::addColumn<QString>("program");
        QTest::newRow("bare name") << QStringLiteral("gnome-maps") << QStringLiteral("gnome-maps");
        QTest::newRow("path and field code") << QStringLiteral("/usr/bin/dolphin %u") << QStringLiteral("dolphin");
        QTest::newRow("quoted path with spaces") << "\"/opt/My Tool/bin/tool-launcher\" --new %U"
                                                 << "tool-launcher";
        QTest::newRow("escaped quote inside quotes") << "\"/opt/say \\\"hi\\\"/run\" x"
                                                     << "run";
        QTest::newRow("env with settings")
            << "env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/firefox_firefox.desktop "
               "/snap/bin/firefox %u"
            << "firefox";
        QTest::newRow("env with an option") << QStringLiteral("/usr/bin/env -i LANG=C tool") << QStringLiteral("tool");
        QTest::newRow("env alone") << QStringLiteral("env A=1") << QStringLiteral("");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("");
    }

    void execProgram()
    {
        QFETCH(QString, exec);
        QFETCH(QString, program);
        QCOMPARE(QString::fromStdString(DesktopEntryFile::execProgram(exec.toStdString())), program);
    }

    void keyFileLines()
    {
        const std::string text = "# comment\n"
                                 "Before=ignored\n"
                                 "[Desktop Entry]\n"
                                 "Name = Tool  \n"
                                 "Name[cs]=Nástroj\n"
                                 "Comment=one\\stwo\\\\three\\x\n"
                                 "\n"
                                 "no equals sign\n"
                                 "[Desktop Action new]\n"
                                 "Exec=tool --new\n";
        QStringList seen;
        DesktopEntryFile::forEachKey(text, [&](std::string_view group, std::string_view key, const std::string &value) {
            seen.append(QString::fromUtf8(group.data(), group.size()) + u'|' + QString::fromUtf8(key.data(), key.size())
                + u'|' + QString::fromStdString(value));
        });
        QCOMPARE(seen,
            (QStringList {"Desktop Entry|Name|Tool", "Desktop Entry|Name[cs]|Nástroj",
                "Desktop Entry|Comment|one two\\three\\x", "Desktop Action new|Exec|tool --new"}));
    }

    void bundlesDesktopEntriesAndFlatpaks()
    {
        FakeHome fake;
        fake.writeBytes("Applications/Xml.app/Contents/Info.plist", infoPlist("com.example.XmlApp", false));
        fake.writeBytes("Applications/Utilities/Bin.app/Contents/Info.plist", infoPlist("com.example.BinApp", true));
        fake.writeBytes("Applications/Broken.app/Contents/Info.plist", "<plist><dict><key>CFBundle");
        fake.writeBytes("share/applications/org.gnome.Maps.desktop", "[Desktop Entry]\n");
        fake.makeFolder("flatpak/app/com.spotify.Client");

        const SystemApplicationCatalogue catalogue({.bundleFolders = {fake.path("Applications")},
            .desktopEntryFolders = {fake.path("share/applications")},
            .flatpakInstallations = {fake.path("flatpak")},
            .flatpakInstallationLists = {},
            .programFolders = {}});
        verifyKnown(
            catalogue, {"com.example.XmlApp", "com.example.binapp", "org.gnome.Maps", "com.spotify.Client"}, {});
        verifyUnknown(catalogue, {"com.example", "Bin", "org.gnome.Maps.desktop", "app"}, {});
    }

    // What the desktop shows is known: entries that are links, entries in sub-folders
    // (under their desktop-file ID and their own name), the programs they start and their
    // window classes, the search path, and Flatpak installations listed in a
    // configuration folder with the entries they export.
    void whatTheDesktopSees()
    {
        FakeHome fake;
        fake.writeBytes("nix/store/abc-maps/share/applications/org.gnome.Maps.desktop",
            "[Desktop Entry]\nName=Maps\nExec=gnome-maps\n");
        fake.symlink(fake.bytes("nix/store/abc-maps/share/applications/org.gnome.Maps.desktop"),
            "share/applications/org.gnome.Maps.desktop");
        fake.symlink(fake.bytes("nix/store/gone/org.example.Dangling.desktop"),
            "share/applications/org.example.Dangling.desktop");
        fake.writeBytes("share/applications/kde/org.kde.dolphin.desktop", "[Desktop Entry]\nExec=dolphin %u\n");
        fake.writeBytes("share/applications/vendor-tool.desktop",
            "[Desktop Entry]\n"
            "Exec=env GDK_BACKEND=x11 \"/opt/Vendor Tool/tool-launcher\" %U\n"
            "StartupWMClass=Vendor-Tool\n"
            "[Desktop Action settings]\n"
            "Exec=tool-settings\n");
        fake.writeFile("bin/myapp", 10);
        fake.writeBytes("etc/installations.d/extra.conf",
            "[Installation \"extra\"]\nPath=" + fake.path("sdcard/flatpak").toUtf8() + "\nDisplayName=SD card\n");
        fake.writeBytes("etc/installations.d/notes.txt", "[Installation \"x\"]\nPath=" + fake.path("x").toUtf8());
        fake.makeFolder("x/app/org.example.NotListed");
        fake.makeFolder("sdcard/flatpak/app/org.example.Extra");
        fake.writeBytes("sdcard/flatpak/exports/share/applications/org.example.Extra.desktop",
            "[Desktop Entry]\nExec=/usr/bin/flatpak run org.example.Extra\nStartupWMClass=extra-window\n");

        const SystemApplicationCatalogue catalogue({.bundleFolders = {},
            .desktopEntryFolders = {fake.path("share/applications")},
            .flatpakInstallations = {},
            .flatpakInstallationLists = {fake.path("etc/installations.d")},
            .programFolders = {fake.path("bin")}});
        verifyKnown(catalogue,
            {"org.gnome.Maps", "org.example.Dangling", "kde-org.kde.dolphin", "org.kde.dolphin", "vendor-tool",
                "org.example.Extra"},
            {"gnome-maps", "dolphin", "tool-launcher", "vendor-tool", "MyApp", "extra-window"});
        verifyUnknown(catalogue, {"kde", "org.example.NotListed"}, {"env", "tool-settings", "Vendor Tool", "bin"});
    }

    // The running system's places: the scanned home's data folder, the user's data folder
    // wherever XDG_DATA_HOME puts it, every XDG_DATA_DIRS entry and the search path.
    void sourcesFollowTheEnvironment()
    {
        FakeHome fake;
        fake.makeFolder("elsewhere/flatpak/app/org.gnome.Boxes");
        fake.writeBytes("elsewhere/applications/com.example.Mine.desktop", "[Desktop Entry]\n");
        fake.writeBytes(".local/share/applications/com.example.Home.desktop", "[Desktop Entry]\n");
        fake.writeBytes("system/applications/org.example.System.desktop", "[Desktop Entry]\n");
        fake.writeBytes("relative/applications/org.example.Relative.desktop", "[Desktop Entry]\n");
        fake.writeFile("tools/pelmo-test-tool", 10);
        const ScopedEnvironment dataHome("XDG_DATA_HOME", fake.bytes("elsewhere").c_str());
        const ScopedEnvironment dataDirs("XDG_DATA_DIRS", ("relative:" + fake.bytes("system")).c_str());
        const ScopedEnvironment path("PATH", ("bin:" + fake.bytes("tools")).c_str());

        const SystemApplicationCatalogue catalogue(SystemApplicationCatalogue::sourcesFor(fake.home()));
        verifyKnown(catalogue, {"org.gnome.Boxes", "com.example.Mine", "com.example.Home", "org.example.System"},
            {"pelmo-test-tool"});
        verifyUnknown(catalogue, {"org.example.Relative"}, {});
    }
};

QTEST_GUILESS_MAIN(TestApplicationCatalogue)
#include "tst_applicationcatalogue.moc"
