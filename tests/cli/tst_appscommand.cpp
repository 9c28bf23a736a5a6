#include "AppFixtures.h"
#include "FakeHome.h"
#include "ProcessRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestAppsCommand)
#include "tst_appscommand.moc"
