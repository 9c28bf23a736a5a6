#include "FakeHome.h"
#include "ProcessRun.h"
#include "fs/PathBytes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::ProcessRun;
using pelmo::test::runPelmo;
using pelmo::test::runProgram;

namespace {

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

qint64 totalFreed(const FakeHome &fake)
{
    return QSettings(fake.settingsFile(), QSettings::NativeFormat).value(QStringLiteral("totalFreed"), 0).toLongLong();
}

void populate(const FakeHome &fake)
{
    fake.writeBytes(".config/Pelmo/Pelmo.conf", "[General]\nappLanguage=cs\n");
    fake.writeBytes("Library/Caches/com.example.app/data", QByteArray(300'000, 'c'));
    fake.writeBytes("Library/Logs/tool/run.log", QByteArray(200'000, 'l'));
    fake.writeBytes("Library/Logs/we \"ird\" 100%/log", QByteArray(150'000, 'w'));
    fake.writeBytes("Downloads/setup.dmg", QByteArray(400'000, 'd'));
}

} // namespace

class TestCleanCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // scan, clean --safe --yes, history, restore, and what trash-cli sees of it.
    void cleanHistoryRestoreRoundTrip()
    {
        FakeHome fake;
        populate(fake);
        const QString home = fake.home();
        const ProcessRun clean = runPelmo({QStringLiteral("clean"), QStringLiteral("--home"), home,
            QStringLiteral("--safe"), QStringLiteral("--yes")});
        QCOMPARE(clean.status, 0);
        QVERIFY2(clean.out.startsWith("Do koše přesunuto"), clean.out.constData());
        // Exactly the safe items moved; the installer stayed.
        QVERIFY(std::filesystem::exists(fake.bytes("Downloads/setup.dmg")));
        QVERIFY(!std::filesystem::exists(fake.bytes("Library/Caches/com.example.app")));
        const std::string files = fake.bytes(".local/share/Trash/files");
        QCOMPARE(readAll(files + "/com.example.app/data"), std::string(300'000, 'c'));
        const qint64 freed = totalFreed(fake);
        QVERIFY(freed > 650'000);

        const ProcessRun history = runPelmo({QStringLiteral("history"), QStringLiteral("--json")});
        QCOMPARE(history.status, 0);
        const QJsonArray entries = QJsonDocument::fromJson(history.out).array();
        QCOMPARE(entries.size(), 3);
        QStringList originals;
        for (const QJsonValue &e : entries) {
            originals.append(e[QStringLiteral("originalPath")].toString());
            const QString trashPath = e[QStringLiteral("trashPath")].toString();
            QVERIFY(trashPath.startsWith(fake.path(".local/share/Trash/files/")));
            QVERIFY(std::filesystem::exists(PathBytes::toBytes(trashPath)));
        }
        QCOMPARE(originals.size(), 3);
        QVERIFY(originals.contains(fake.path("Library/Logs/we \"ird\" 100%")));

        const bool haveTrashList = !QStandardPaths::findExecutable(QStringLiteral("trash-list")).isEmpty();
        if (haveTrashList) {
            const ProcessRun listed = runProgram(QStringLiteral("trash-list"), {});
            QCOMPARE(listed.status, 0);
            for (const QString &original : originals)
                QVERIFY2(listed.out.contains(original.toUtf8()), listed.out.constData());
            QVERIFY(listed.out.contains(QDate::currentDate().toString(Qt::ISODate).toUtf8()));
        }

        // Put the odd one back, byte for byte.
        QJsonObject odd;
        for (const QJsonValue &e : entries) {
            if (e[QStringLiteral("name")].toString().startsWith(QStringLiteral("we")))
                odd = e.toObject();
        }
        const ProcessRun restore = runPelmo({QStringLiteral("restore"), odd[QStringLiteral("id")].toString()});
        QCOMPARE(restore.status, 0);
        QCOMPARE(readAll(fake.bytes("Library/Logs/we \"ird\" 100%/log")), std::string(150'000, 'w'));
        QCOMPARE(totalFreed(fake), freed - odd[QStringLiteral("size")].toInteger());
        QCOMPARE(
            QJsonDocument::fromJson(runPelmo({QStringLiteral("history"), QStringLiteral("--json")}).out).array().size(),
            2);
        if (haveTrashList)
            QVERIFY(!runProgram(QStringLiteral("trash-list"), {}).out.contains("we \"ird\""));

        // A second restore of the same entry is refused.
        QCOMPARE(runPelmo({QStringLiteral("restore"), odd[QStringLiteral("id")].toString()}).status, 2);
    }

    // Bad input changes nothing: one line, status 2.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("clean without a choice") << QStringList {"clean", "--home", "HOME", "--yes"};
        QTest::newRow("clean with two choices")
            << QStringList {"clean", "--home", "HOME", "--safe", "--category", "logs", "--yes"};
        QTest::newRow("clean unknown category")
            << QStringList {"clean", "--home", "HOME", "--category", "junk", "--yes"};
        QTest::newRow("clean a path the scan did not find")
            << QStringList {"clean", "--home", "HOME", "--item", "HOME/Documents/precious.txt", "--yes"};
        QTest::newRow("clean without a terminal or --yes") << QStringList {"clean", "--home", "HOME", "--safe"};
        QTest::newRow("restore without an ID") << QStringList {"restore"};
        QTest::newRow("restore an unknown ID") << QStringList {"restore", "0F9A3B52-1C6E-4C58-9A57-2E3A9A8B7C6D"};
        QTest::newRow("history with an argument") << QStringList {"history", "all"};
        QTest::newRow("trash unknown action") << QStringList {"trash", "burn"};
        QTest::newRow("trash empty without a terminal or --yes") << QStringList {"trash", "empty"};
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        FakeHome fake;
        populate(fake);
        fake.writeBytes("Documents/precious.txt", "keep");
        fake.writeBytes(".local/share/Trash/files/old.txt", "old");
        arguments.replaceInStrings(QStringLiteral("HOME"), fake.home());
        const ProcessRun run = runPelmo(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(std::filesystem::exists(fake.bytes("Library/Caches/com.example.app/data")));
        QVERIFY(std::filesystem::exists(fake.bytes("Documents/precious.txt")));
        QVERIFY(std::filesystem::exists(fake.bytes(".local/share/Trash/files/old.txt")));
    }

    void trashListAndEmpty()
    {
        FakeHome fake;
        populate(fake);
        fake.writeBytes("precious/keep.txt", "keep");
        fake.writeBytes(".local/share/Trash/files/big/inner", QByteArray(50'000, 'b'));
        fake.writeBytes(".local/share/Trash/files/small", "s");
        fake.symlink(fake.bytes("precious"), ".local/share/Trash/files/link");
        const ProcessRun listed = runPelmo({QStringLiteral("trash"), QStringLiteral("list"), QStringLiteral("--json")});
        QCOMPARE(listed.status, 0);
        const QJsonArray items = QJsonDocument::fromJson(listed.out).array();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.first()[QStringLiteral("name")].toString(), QStringLiteral("big"));

        const ProcessRun emptied
            = runPelmo({QStringLiteral("trash"), QStringLiteral("empty"), QStringLiteral("--yes")});
        QCOMPARE(emptied.status, 0);
        QCOMPARE(emptied.out, QByteArray("Koš je vysypaný.\n"));
        QCOMPARE(readAll(fake.bytes("precious/keep.txt")), std::string("keep"));
        QVERIFY(QJsonDocument::fromJson(runPelmo({QStringLiteral("trash"), QStringLiteral("--json")}).out)
                    .array()
                    .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCleanCommands)
#include "tst_cleancommands.moc"
