#include "FakeHome.h"
#include "ProcessRun.h"
#include "core/PathBytes.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::ProcessRun;
using pelmo::test::runPelmo;

namespace {

struct Expected
{
    const char *category;
    std::string relative;
    bool safe;
    QString detail;
};

} // namespace

class TestScanCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badInputIsRefusedInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList {"scan", "--bogus"};
        QTest::newRow("missing value") << QStringList {"scan", "--home"};
        QTest::newRow("threshold not a number") << QStringList {"scan", "--threshold-mb", "lots"};
        QTest::newRow("threshold negative") << QStringList {"scan", "--threshold-mb=-5"};
        QTest::newRow("threshold too large") << QStringList {"scan", "--threshold-mb", "99999999999999999"};
        QTest::newRow("home is a file") << QStringList {"scan", "--home", "FILE"};
        QTest::newRow("home is missing") << QStringList {"scan", "--home", "MISSING"};
        QTest::newRow("positional argument") << QStringList {"scan", "somewhere"};
        QTest::newRow("unknown language") << QStringList {"scan", "--lang", "de"};
        QTest::newRow("flag with a value") << QStringList {"scan", "--json=yes"};
        QTest::newRow("home given twice") << QStringList {"scan", "--home", "HOME", "--home", "HOME"};
    }

    void badInputIsRefusedInOneLine()
    {
        QFETCH(QStringList, arguments);
        FakeHome fake;
        fake.writeFile("a-file", 10);
        arguments.replaceInStrings(QStringLiteral("FILE"), fake.path("a-file"));
        arguments.replaceInStrings(QStringLiteral("MISSING"), fake.path("missing"));
        arguments.replaceInStrings(QStringLiteral("HOME"), fake.home());
        const ProcessRun run = runPelmo(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
        QVERIFY(run.err.size() > 10);
    }

    // A full disk under the output is a failure, not a success with half the result.
    void outputThatCannotBeWrittenFails()
    {
        FakeHome fake;
        fake.writeFile("Library/Caches/c/data", 200 * 1024);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(
            QStringLiteral(PELMO_EXECUTABLE), {QStringLiteral("scan"), QStringLiteral("--home"), fake.home()});
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError().count('\n'), 1);
    }

    void jsonListsEveryItemInOrder()
    {
        FakeHome fake;
        const std::string oddFolder = "Library/Caches/odd \"name\"\\ 100%\n\xFF";
        fake.writeFile(oddFolder + "/data", 400 * 1024);
        fake.writeFile("Library/Logs/app/log", 200 * 1024);
        fake.writeFile("Library/Application Support/com.example.Gone/data", 300 * 1024);
        fake.writeFile("Library/Developer/Xcode/iOS DeviceSupport/17.0/s", 150 * 1024);
        fake.writeFile("Documents/big.bin", 2'500'000);
        fake.makeFolder("system-data");

        const ProcessRun run
            = runPelmo({"scan", "--home", fake.home(), "--threshold-mb", "2", "--json", "--lang", "cs"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out.count('\n'), 1);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root.value(QStringLiteral("home")).toString(), fake.home());

        const QList<Expected> expected = {
            {"largeFiles", "Documents/big.bin", false, QStringLiteral("~/Documents")},
            {"caches", oddFolder, true, QStringLiteral("Aplikace si cache vytvoří znovu")},
            {"leftovers", "Library/Application Support/com.example.Gone", false,
                QStringLiteral("Data aplikace · aplikace com.example.Gone není nainstalovaná")},
            {"logs", "Library/Logs/app", true, QStringLiteral("Staré logy a hlášení o pádech")},
            {"developer", "Library/Developer/Xcode/iOS DeviceSupport/17.0", false,
                QStringLiteral("Podpora zařízení – stáhne se při dalším připojení")},
        };
        const QJsonArray items = root.value(QStringLiteral("items")).toArray();
        QCOMPARE(items.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QJsonObject item = items[i].toObject();
            const Expected &e = expected[i];
            QCOMPARE(item.value(QStringLiteral("category")).toString(), QString::fromLatin1(e.category));
            // Qt's JSON reader keeps the escaped byte as the lone surrogate that stands for it.
            QCOMPARE(QByteArray::fromStdString(PathBytes::toBytes(item.value(QStringLiteral("path")).toString())),
                QByteArray::fromStdString(fake.bytes(e.relative)));
            QCOMPARE(item.value(QStringLiteral("size")).toInteger(), fake.allocated(e.relative));
            QCOMPARE(item.value(QStringLiteral("detail")).toString(), e.detail);
            QCOMPARE(item.value(QStringLiteral("safe")).toBool(), e.safe);
            QCOMPARE(item.value(QStringLiteral("name")).toString(),
                PathBytes::fromBytes(e.relative.substr(e.relative.rfind('/') + 1)));
        }
    }

    // Document folders that are bind mounts (of a folder inside another document folder,
    // or inside one of a folder elsewhere) are walked once: nothing is listed twice or
    // offered as a copy of itself. Runs in a mount namespace of its own where there is one.
    void bindMountedFoldersAreWalkedOnce()
    {
        FakeHome fake;
        fake.writeFile("Documents/Pics/photo.bin", 2'000'000);
        fake.writeFile("Downloads/sub/notes.bin", 1'500'000);
        fake.makeFolder("Pictures");
        fake.makeFolder("Documents/Inner");
        const QString script = QStringLiteral(R"(mount --bind "$1/Documents/Pics" "$1/Pictures" &&
            mount --bind "$1/Downloads/sub" "$1/Documents/Inner" || exit 77
            exec "$2" scan --home "$1" --threshold-mb 1 --json)");
        const ProcessRun run = test::runProgram(QStringLiteral("unshare"),
            {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"),
                fake.home(), QStringLiteral(PELMO_EXECUTABLE)});
        if (run.status != 0 && run.out.isEmpty())
            QSKIP("no mount namespace for this user here");
        QCOMPARE(run.status, 0);
        QStringList listed;
        for (const QJsonValue &item : QJsonDocument::fromJson(run.out)[QStringLiteral("items")].toArray()) {
            listed.append(item[QStringLiteral("category")].toString() + u':'
                + item[QStringLiteral("path")].toString().mid(fake.home().size() + 1));
        }
        listed.sort();
        QCOMPARE(listed, (QStringList {"largeFiles:Documents/Pics/photo.bin", "largeFiles:Downloads/sub/notes.bin"}));
    }

    // Without options: the granted home, the stored threshold, exclusions and language;
    // the settings file is read and left exactly as it was.
    void settingsAreReadNeverWritten()
    {
        FakeHome fake;
        fake.writeFile("Library/Caches/com.example.keep/data", 200 * 1024);
        fake.writeFile("Library/Caches/com.example.hidden/data", 200 * 1024);
        fake.writeFile("Library/Logs/hidden/log", 200 * 1024);
        fake.writeFile("Downloads/three.bin", 3'500'000);
        fake.writeFile("Downloads/one.bin", 1'500'000);
        const QByteArray settings = "[General]\n"
                                    "excludedPaths="
            + fake.path("Library/Caches/com.example.h").toUtf8() + ", " + fake.path("Library/Logs").toUtf8()
            + "\n"
              "largeThresholdMB=3\n"
              "appLanguage=en\n"
              "homeFolderBookmark=@ByteArray("
            + fake.home().toUtf8() + ")\n";
        fake.writeBytes(".config/Pelmo/Pelmo.conf", settings);
        const QDateTime before = QFileInfo(fake.settingsFile()).lastModified();

        ProcessRun run = runPelmo({"scan", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root.value(QStringLiteral("home")).toString(), fake.home());
        QStringList names;
        for (const QJsonValue &item : root.value(QStringLiteral("items")).toArray()) {
            names.append(item[QStringLiteral("name")].toString());
            if (names.last() == QStringLiteral("com.example.keep"))
                QCOMPARE(
                    item[QStringLiteral("detail")].toString(), QStringLiteral("The app will create its cache again"));
        }
        QCOMPARE(names, (QStringList {"three.bin", "com.example.keep"}));

        // Options add to the stored exclusions and override the stored threshold.
        run = runPelmo(
            {"scan", "--json", "--exclude", fake.path("Library/Caches/com.example.k"), "--threshold-mb", "1"});
        names.clear();
        for (const QJsonValue &item : QJsonDocument::fromJson(run.out)[QStringLiteral("items")].toArray())
            names.append(item[QStringLiteral("name")].toString());
        QCOMPARE(names, (QStringList {"three.bin", "one.bin"}));

        QFile file(fake.settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), settings);
        QCOMPARE(QFileInfo(fake.settingsFile()).lastModified(), before);
    }

    void summaryForPeople()
    {
        FakeHome fake;
        for (int i = 0; i < 7; ++i)
            fake.writeFile("Library/Caches/c" + std::to_string(i) + "/data", 1'000'000 + i * 4096);
        const ProcessRun run = runPelmo({"scan", "--home", fake.home(), "--lang", "en"});
        QCOMPARE(run.status, 0);
        const QString text = QString::fromUtf8(run.out);
        QVERIFY2(text.contains(QStringLiteral("App caches — items: 7, total 7.")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Large files — items: 0, total 0 B")));
        QVERIFY(text.contains(QStringLiteral("… and 2 more")));
        QVERIFY(text.contains(QStringLiteral("In all, 7.")));
        // The five largest are shown, largest first.
        QVERIFY(text.indexOf(QStringLiteral("c6 ·")) < text.indexOf(QStringLiteral("c2 ·")));
        QVERIFY(!text.contains(QStringLiteral("c0 ·")));

        // Numbers follow the user's format locale, messages the interface language.
        const QByteArray all = qgetenv("LC_ALL");
        qunsetenv("LC_ALL");
        qputenv("LC_NUMERIC", "cs_CZ.UTF-8");
        const ProcessRun czechNumbers = runPelmo({QStringLiteral("scan"), QStringLiteral("--home"), fake.home(),
            QStringLiteral("--lang"), QStringLiteral("en")});
        qputenv("LC_ALL", all);
        qunsetenv("LC_NUMERIC");
        QVERIFY2(QString::fromUtf8(czechNumbers.out).contains(QStringLiteral("App caches — items: 7, total 7,")),
            czechNumbers.out.constData());
    }
};

QTEST_GUILESS_MAIN(TestScanCommand)
#include "tst_scancommand.moc"
