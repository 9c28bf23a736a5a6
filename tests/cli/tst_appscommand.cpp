#include "AppFixtures.h"
#include "FakeHome.h"
#include "ProcessRun.h"
#include "ScopedEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <filesystem>

using namespace pelmo::test;

class TestAppsCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsAndRelated()
    {
        FakeHome fake;
        fake.writeBytes(".config/Pelmo/Pelmo.conf", "[General]\nappLanguage=cs\n");
        makeBundle(fake, "Applications/Small.app", {"org.example.small", "Small", {}, "1.0"}, 5000);
        makeBundle(fake, "Applications/Large.app", {"org.example.large", "Large", {}, {}}, 90000);
        fake.writeFile("Applications/Middle-2.0.AppImage", 40000);
        fake.writeFile("Library/Caches/org.example.large/blob", 7000);
        fake.writeFile(".config/large/settings.ini", 100);

        const ProcessRun listed = runPelmo({"apps", "--json"});
        QCOMPARE(listed.status, 0);
        const QJsonArray apps = QJsonDocument::fromJson(listed.out).object()[QStringLiteral("apps")].toArray();
        QStringList order;
        for (const QJsonValue &app : apps)
            order.append(app[QStringLiteral("name")].toString());
        QCOMPARE(order, (QStringList {"Large", "Middle", "Small"}));
        QCOMPARE(apps[1][QStringLiteral("kind")].toString(), QStringLiteral("appImage"));
        QCOMPARE(apps[2][QStringLiteral("version")].toString(), QStringLiteral("1.0"));
        QVERIFY(apps[1][QStringLiteral("size")].toInteger() >= 40000);

        const ProcessRun text = runPelmo({"apps"});
        QCOMPARE(text.status, 0);
        QVERIFY(text.out.contains("Aplikací: 3"));

        const ProcessRun related = runPelmo({"apps", "--related", "org.example.large", "--json"});
        QCOMPARE(related.status, 0);
        const QJsonArray groups = QJsonDocument::fromJson(related.out).object()[QStringLiteral("groups")].toArray();
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0][QStringLiteral("group")].toString(), QStringLiteral("caches"));
        QCOMPARE(groups[0][QStringLiteral("items")][0][QStringLiteral("detail")].toString(),
            QStringLiteral("~/Library/Caches/org.example.large"));
        QCOMPARE(groups[1][QStringLiteral("group")].toString(), QStringLiteral("settings"));
        QVERIFY(QFileInfo::exists(fake.path("Library/Caches/org.example.large/blob"))); // listing moves nothing

        const ProcessRun unknown = runPelmo({"apps", "--related", "nope"});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.err.contains("nope"));
        QVERIFY(unknown.out.isEmpty());
    }

    // Removal from the command line takes the window's road: what is kept stays, the rest
    // goes to the Trash with history entries; a bundle reached through a link out of the
    // home is refused and nothing goes.
    void uninstall()
    {
        FakeHome fake;
        fake.writeBytes(".config/Pelmo/Pelmo.conf", "[General]\nappLanguage=en\n");
        makeBundle(fake, "Applications/Tool.app", {"org.example.Tool", "Tool", {}, "1.0"});
        fake.writeFile("Library/Caches/org.example.Tool/blob", 7000);
        fake.writeFile(".config/org.example.Tool/settings.ini", 100);
        const QString kept = fake.path(".config/org.example.Tool");

        QCOMPARE(runPelmo({"apps", "--uninstall", "org.example.Tool"}).status, 2); // no terminal, no --yes
        QCOMPARE(
            runPelmo({"apps", "--uninstall", "org.example.Tool", "--keep", fake.path("Documents"), "--yes"}).status, 2);
        QCOMPARE(runPelmo({"apps", "--related", "org.example.Tool", "--yes"}).status, 2);
        QVERIFY(QFileInfo::exists(fake.path("Applications/Tool.app")));

        const ProcessRun removed = runPelmo({"apps", "--uninstall", "org.example.Tool", "--keep", kept, "--yes"});
        QCOMPARE(removed.status, 0);
        QVERIFY(!QFileInfo::exists(fake.path("Applications/Tool.app")));
        QVERIFY(!QFileInfo::exists(fake.path("Library/Caches/org.example.Tool")));
        QVERIFY(QFileInfo::exists(kept));
        const QJsonArray history = QJsonDocument::fromJson(runPelmo({"history", "--json"}).out).array();
        QCOMPARE(history.size(), 2);

        // ~/Applications as a link to a folder outside the home.
        FakeHome other;
        makeBundle(other, "../outside/Applications/Tool.app", {"org.example.Tool", "Tool", {}, "1.0"});
        other.symlink(other.bytes("../outside/Applications"), "Applications");
        other.writeFile(".config/org.example.Tool/settings.ini", 100);
        const ProcessRun refused = runPelmo({"apps", "--uninstall", "org.example.Tool", "--yes"});
        QCOMPARE(refused.status, 1);
        QVERIFY(QFileInfo::exists(other.path("../outside/Applications/Tool.app/Contents/Info.plist")));
        // The application's data stays with the application that stays.
        QVERIFY(QFileInfo::exists(other.path(".config/org.example.Tool/settings.ini")));
    }

    // A Flatpak or an AppImage of a program that the system's packages also install is
    // offered none of that program's folders.
    void programsOfTheSystemKeepTheirData()
    {
        FakeHome fake;
        for (const char *program : {"chromium", "libreoffice", "steam", "inkscape"})
            fake.writeBytes("../system-data/applications/" + std::string(program) + ".desktop",
                "[Desktop Entry]\nType=Application\nName=" + QByteArray(program) + "\nExec=" + program + " %U\n");
        fake.writeBytes("bin/flatpak", "#!/bin/sh\nexit 1\n"); // there, answering nothing
        std::filesystem::permissions(fake.bytes("bin/flatpak"), std::filesystem::perms::owner_all);
        const ScopedEnvironment path("PATH", QByteArray::fromStdString(fake.bytes("bin")) + ':' + qgetenv("PATH"));
        makeFlatpak(fake, "org.chromium.Chromium", "Chromium", "120");
        makeFlatpak(fake, "com.valvesoftware.Steam", "Steam", "1");
        fake.writeFile("Applications/Inkscape.AppImage", 40000);
        for (const char *data :
            {".config/chromium/Default/Bookmarks", ".cache/chromium/data", ".local/share/Steam/games",
                ".config/inkscape/preferences.xml", ".var/app/org.chromium.Chromium/config/x"})
            fake.writeFile(data, 5000);

        const auto offered = [](const char *id) {
            const ProcessRun run = runPelmo({"apps", "--related", id, "--json"});
            QStringList details;
            if (run.status != 0)
                details.append(QStringLiteral("exit %1").arg(run.status)); // not found: no answer
            const QJsonArray groups = QJsonDocument::fromJson(run.out)["groups"].toArray();
            for (const QJsonValue &group : groups) {
                for (const QJsonValue &item : group["items"].toArray())
                    details.append(item["detail"].toString());
            }
            return details;
        };
        QCOMPARE(offered("org.chromium.Chromium"), QStringList {"~/.var/app/org.chromium.Chromium"});
        QCOMPARE(offered("com.valvesoftware.Steam"), QStringList {});
        QCOMPARE(offered("Inkscape"), QStringList {});
    }
};

QTEST_GUILESS_MAIN(TestAppsCommand)
#include "tst_appscommand.moc"
