#include "FakeHome.h"
#include "ProcessRun.h"
#include "ScopedEnvironment.h"
#include "core/PathBytes.h"
#include "trash/SharedHistory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace pelmo;
using pelmo::test::countIn;
using pelmo::test::FakeHome;
using pelmo::test::ProcessRun;
using pelmo::test::readAll;
using pelmo::test::runPelmo;
using pelmo::test::runProgram;
using pelmo::test::ScopedEnvironment;

namespace {

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

// `count` cache folders the scan offers, `prefix`0, `prefix`1, ...
QStringList writeCaches(const FakeHome &fake, const std::string &prefix, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const std::string relative = "Library/Caches/" + prefix + std::to_string(i);
        fake.writeBytes(relative + "/data", QByteArray(110'000, 'c'));
        paths.append(fake.path(relative));
    }
    return paths;
}

QStringList cleanItemArguments(const FakeHome &fake, const QStringList &paths)
{
    QStringList arguments {QStringLiteral("clean"), QStringLiteral("--home"), fake.home(), QStringLiteral("--yes")};
    for (const QString &path : paths)
        arguments << QStringLiteral("--item") << path;
    return arguments;
}

QJsonArray storedHistory()
{
    return QJsonDocument::fromJson(runPelmo({"history", "--json"}).out).array();
}

// What a batch cut short left: Trash items without a history entry, history entries
// without their Trash item, info files without their item.
struct Leftovers
{
    int unrecorded = 0;
    int lostEntries = 0;
    int orphanInfo = 0;
    int inTrash = 0;
};

Leftovers leftoversAfter(const FakeHome &fake)
{
    const QJsonArray history = storedHistory(); // a new process: it tidies interrupted moves
    QSet<QString> recorded;
    Leftovers found;
    for (const QJsonValue &e : history) {
        const QString trashPath = e[QStringLiteral("trashPath")].toString();
        recorded.insert(trashPath);
        found.lostEntries += std::filesystem::exists(PathBytes::toBytes(trashPath)) ? 0 : 1;
    }
    const std::string files = fake.bytes(".local/share/Trash/files");
    const std::string info = fake.bytes(".local/share/Trash/info");
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(files, ec)) {
        ++found.inTrash;
        found.unrecorded += recorded.contains(PathBytes::fromBytes(entry.path().string())) ? 0 : 1;
    }
    for (const auto &entry : std::filesystem::directory_iterator(info, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string item = files + "/" + name.substr(0, name.size() - std::string(".trashinfo").size());
        found.orphanInfo += std::filesystem::exists(std::filesystem::symlink_status(item)) ? 0 : 1;
    }
    return found;
}

// Starts a clean of every cache and stops it once some items have moved.
QProcess *startBatchAndWait(const FakeHome &fake, int atLeast)
{
    auto *process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(QStringLiteral(PELMO_EXECUTABLE),
        {QStringLiteral("clean"), QStringLiteral("--home"), fake.home(), QStringLiteral("--category"),
            QStringLiteral("caches"), QStringLiteral("--yes")});
    process->waitForStarted();
    const std::string files = fake.bytes(".local/share/Trash/files");
    QElapsedTimer timer;
    timer.start();
    while (countIn(files) < size_t(atLeast) && timer.elapsed() < 60'000 && !process->waitForFinished(5))
        ;
    return process;
}

// A stand-in program of that name, first on the PATH for the life of the returned object.
[[nodiscard]] ScopedEnvironment fakeProgram(const FakeHome &fake, const std::string &name, const QByteArray &script)
{
    fake.writeBytes("bin/" + name, script);
    std::filesystem::permissions(fake.bytes("bin/" + name), std::filesystem::perms::owner_all);
    return ScopedEnvironment("PATH", QByteArray::fromStdString(fake.bytes("bin")) + ':' + qgetenv("PATH"));
}

// Whether a tmpfs of `size` could be mounted at `point` (as root, where mounting is allowed).
bool mountTmpfs(const std::string &point, const char *size)
{
    std::filesystem::create_directories(point);
    return ::geteuid() == 0 && ::mount("pelmo-test", point.c_str(), "tmpfs", 0, size) == 0;
}

// Fills the file system of `folder`, leaving `left` bytes free.
void fill(const std::string &folder, std::uintmax_t left = 0)
{
    const std::string filler = folder + "/.filler";
    {
        std::ofstream out(filler, std::ios::binary);
        const std::string block(4096, 'f');
        while (out.write(block.data(), block.size()))
            ;
    }
    std::filesystem::resize_file(
        filler, std::filesystem::file_size(filler) - std::min(left, std::filesystem::file_size(filler)));
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
        const ProcessRun clean = runPelmo({"clean", "--home", home, "--safe", "--yes"});
        QCOMPARE(clean.status, 0);
        QVERIFY2(clean.out.startsWith("Do koše přesunuto"), clean.out.constData());
        // Exactly the safe items moved; the installer stayed.
        QVERIFY(std::filesystem::exists(fake.bytes("Downloads/setup.dmg")));
        QVERIFY(!std::filesystem::exists(fake.bytes("Library/Caches/com.example.app")));
        const std::string files = fake.bytes(".local/share/Trash/files");
        QCOMPARE(readAll(files + "/com.example.app/data"), std::string(300'000, 'c'));
        const qint64 freed = totalFreed(fake);
        QVERIFY(freed > 650'000);

        const ProcessRun history = runPelmo({"history", "--json"});
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
        const ProcessRun restore = runPelmo({"restore", odd["id"].toString()});
        QCOMPARE(restore.status, 0);
        QCOMPARE(readAll(fake.bytes("Library/Logs/we \"ird\" 100%/log")), std::string(150'000, 'w'));
        QCOMPARE(totalFreed(fake), freed - odd[QStringLiteral("size")].toInteger());
        QCOMPARE(storedHistory().size(), 2);
        if (haveTrashList)
            QVERIFY(!runProgram(QStringLiteral("trash-list"), {}).out.contains("we \"ird\""));

        // A second restore of the same entry is refused.
        QCOMPARE(runPelmo({"restore", odd["id"].toString()}).status, 2);
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
        QTest::newRow("clean an empty home") << QStringList {"clean", "--home", "", "--safe", "--yes"};
        QTest::newRow("scan an empty home") << QStringList {"scan", "--home", ""};
    }

    void refusals()
    {
        QFETCH(QStringList, arguments);
        FakeHome fake;
        populate(fake);
        fake.writeBytes("Documents/precious.txt", "keep");
        fake.writeBytes(".local/share/Trash/files/old.txt", "old");
        arguments.replaceInStrings(QStringLiteral("HOME"), fake.home());
        QDir::setCurrent(fake.home()); // an empty home would be the working folder
        const ProcessRun run = runPelmo(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(std::filesystem::exists(fake.bytes("Library/Caches/com.example.app/data")));
        QVERIFY(std::filesystem::exists(fake.bytes("Documents/precious.txt")));
        QVERIFY(std::filesystem::exists(fake.bytes(".local/share/Trash/files/old.txt")));
    }

    // Two commands write the history at once: neither loses the other's entries.
    void twoProcessesShareTheHistory()
    {
        FakeHome fake;
        populate(fake);
        const QStringList first = writeCaches(fake, "first.", 120);
        const QStringList second = writeCaches(fake, "second.", 120);
        const qint64 allocated = fake.allocated("Library/Caches") - fake.allocated("Library/Caches/com.example.app");
        QProcess a;
        QProcess b;
        for (QProcess *p : {&a, &b})
            p->setStandardInputFile(QProcess::nullDevice());
        a.start(QStringLiteral(PELMO_EXECUTABLE), cleanItemArguments(fake, first));
        b.start(QStringLiteral(PELMO_EXECUTABLE), cleanItemArguments(fake, second));
        QVERIFY(a.waitForFinished(120'000) && b.waitForFinished(120'000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        const QJsonArray history = storedHistory();
        QCOMPARE(history.size(), 240);
        QSet<QString> originals;
        for (const QJsonValue &e : history)
            originals.insert(e[QStringLiteral("originalPath")].toString());
        QCOMPARE(originals, QSet<QString>(first.begin(), first.end()) + QSet<QString>(second.begin(), second.end()));
        QCOMPARE(totalFreed(fake), allocated);
    }

    // A batch stopped midway: Ctrl+C and SIGTERM end it after the item in flight with
    // everything recorded; a kill loses at most that item's entry, and the next start
    // tidies an info file whose item never moved.
    void stoppedMidBatch_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGKILL") << int(SIGKILL);
    }

    void stoppedMidBatch()
    {
        QFETCH(int, signal);
        FakeHome fake;
        populate(fake);
        writeCaches(fake, "cache.", 400);
        std::unique_ptr<QProcess> batch(startBatchAndWait(fake, 30));
        QCOMPARE(batch->state(), QProcess::Running);
        ::kill(static_cast<pid_t>(batch->processId()), signal);
        QVERIFY(batch->waitForFinished(30'000));
        const bool killed = signal == SIGKILL;
        if (!killed) {
            QCOMPARE(batch->exitStatus(), QProcess::NormalExit);
            QCOMPARE(batch->exitCode(), 128 + signal);
        }
        const Leftovers left = leftoversAfter(fake);
        QVERIFY2(left.inTrash >= 30 && left.inTrash < 401, QByteArray::number(left.inTrash).constData());
        // Even a kill loses no entry: the next start completes the move in flight.
        QVERIFY2(left.unrecorded == 0, QByteArray::number(left.unrecorded).constData());
        QCOMPARE(left.lostEntries, 0);
        QCOMPARE(left.orphanInfo, 0);
    }

    // On a full disk the move is refused and nothing else tries it: no file goes to the
    // Trash without the record of where it came from.
    void aFullDiskMovesNothing()
    {
        FakeHome fake;
        populate(fake);
        const std::string caches = fake.bytes("Library/Caches");
        if (!mountTmpfs(caches, "size=2m"))
            QSKIP("cannot mount a tmpfs here");
        fake.writeBytes("Library/Caches/app.cache/data", QByteArray(400'000, 'c'));
        fill(caches);
        // A stand-in for the desktop's move that notes being asked.
        const auto gio = fakeProgram(fake, "gio", "#!/bin/sh\necho \"$@\" >> \"$HOME/gio-called\"\nexit 0\n");
        const ProcessRun run = runPelmo({"clean", "--home", fake.home(), "--category", "caches", "--yes"});
        const bool stayed = std::filesystem::exists(caches + "/app.cache/data");
        std::error_code ec;
        const bool infoLeft
            = !std::filesystem::is_empty(caches + "/.Trash-" + std::to_string(::getuid()) + "/info", ec) && !ec;
        ::umount(caches.c_str());
        QCOMPARE(run.status, 1);
        QVERIFY(stayed);
        QVERIFY(!infoLeft);
        QVERIFY(!std::filesystem::exists(fake.bytes("gio-called")));
        QVERIFY2(run.err.contains("Nepodařilo se přesunout: 1"), run.err.constData());
    }

    // Moves whose history could not be saved are reported as such, with a failing status.
    void anUnsavedHistoryIsAFailure()
    {
        FakeHome fake;
        populate(fake);
        const std::string settings = fake.bytes(".config/Pelmo");
        const std::string conf = readAll(settings + "/Pelmo.conf");
        if (!mountTmpfs(settings, "size=1m"))
            QSKIP("cannot mount a tmpfs here");
        std::ofstream(settings + "/Pelmo.conf") << conf;
        QList<HistoryEntry> earlier;
        for (int i = 0; i < 20; ++i)
            earlier.append({QUuid::createUuid(), QDateTime::currentDateTimeUtc(), "old", 1, "/old", QString(), {}, {}});
        QCOMPARE(SharedHistory(fake.settingsFile()).record(earlier).status, SharedHistory::Status::written);
        fill(settings, 4096); // room for part of a new settings file, not all of it
        const ProcessRun run = runPelmo({"clean", "--home", fake.home(), "--safe", "--yes"});
        // What was stored before stays whole: a full disk cuts no settings file short.
        const SharedHistory::State stored = SharedHistory(fake.settingsFile()).read();
        const QString language
            = QSettings(fake.settingsFile(), QSettings::NativeFormat).value("appLanguage").toString();
        ::umount(settings.c_str());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("historii se nepodařilo uložit"), run.err.constData());
        QVERIFY(!std::filesystem::exists(fake.bytes("Library/Caches/com.example.app")));
        QVERIFY(stored.entries);
        QCOMPARE(stored.entries->size(), 20);
        QCOMPARE(language, QStringLiteral("cs"));
    }

    // Put back when the history cannot be saved: the item is back, and the command says
    // that the history was not updated.
    void aRestoreWithoutTheHistoryIsAFailure()
    {
        FakeHome fake;
        populate(fake);
        QCOMPARE(runPelmo({"clean", "--home", fake.home(), "--safe", "--yes"}).status, 0);
        const QString id = storedHistory().first()[QStringLiteral("id")].toString();
        const std::string settings = fake.bytes(".config/Pelmo");
        const std::string conf = readAll(settings + "/Pelmo.conf");
        if (!mountTmpfs(settings, "size=1m"))
            QSKIP("cannot mount a tmpfs here");
        std::ofstream(settings + "/Pelmo.conf") << conf;
        fill(settings, 4096);
        const ProcessRun run = runPelmo({"restore", id});
        const qsizetype stored
            = SharedHistory(fake.settingsFile()).read().entries.value_or(QList<HistoryEntry>()).size();
        ::umount(settings.c_str());
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("Historii se ale nepodařilo uložit"), run.err.constData());
        QCOMPARE(stored, 3);
    }

    // The Trash's dates are local times without a zone: a change of zone between moving and
    // putting back refuses nothing, and forgets nothing.
    void restoreAcrossTimeZones()
    {
        FakeHome fake;
        populate(fake);
        {
            const ScopedEnvironment prague("TZ", "Europe/Prague");
            QCOMPARE(runPelmo({"clean", "--home", fake.home(), "--safe", "--yes"}).status, 0);
        }
        const ScopedEnvironment newYork("TZ", "America/New_York");
        const QString id = storedHistory().first()[QStringLiteral("id")].toString();
        const ProcessRun run = runPelmo({"restore", id});
        QVERIFY2(run.status == 0, run.err.constData());
        QCOMPARE(storedHistory().size(), 2);
    }

    // A settings file that is a link is written through (the link stays); one that is, or
    // leads to, no regular file (a FIFO would block every read) is neither read nor replaced.
    void settingsBehindLinksAndFifos()
    {
        FakeHome fake;
        populate(fake);
        const std::string conf = fake.bytes(".config/Pelmo/Pelmo.conf");
        fake.writeBytes("dotfiles/Pelmo.conf", QByteArray::fromStdString(readAll(conf)));
        std::filesystem::remove(conf);
        fake.symlink(fake.bytes("dotfiles/Pelmo.conf"), ".config/Pelmo/Pelmo.conf");
        QCOMPARE(runPelmo({"clean", "--home", fake.home(), "--safe", "--yes"}).status, 0);
        QVERIFY(std::filesystem::is_symlink(conf));
        QVERIFY(readAll(fake.bytes("dotfiles/Pelmo.conf")).find("cleanHistory") != std::string::npos);

        for (const bool throughLink : {false, true}) {
            std::filesystem::remove(conf);
            const std::string fifo = throughLink ? fake.bytes("dotfiles/fifo") : conf;
            QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
            if (throughLink)
                fake.symlink(fifo, ".config/Pelmo/Pelmo.conf");
            const ProcessRun run = runPelmo({"history"});
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.contains("not a regular file"), run.err.constData()); // no language setting: English
            QVERIFY(std::filesystem::is_fifo(fifo));
        }
    }

    // A stored history this version cannot read is said to be so, and left as it is.
    void anUnreadableHistoryIsReported()
    {
        FakeHome fake;
        fake.writeBytes(".config/Pelmo/Pelmo.conf", "[General]\nappLanguage=cs\ncleanHistory=garbage[\n");
        const ProcessRun run = runPelmo({"history"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("Uloženou historii nelze přečíst"), run.err.constData());
        QCOMPARE(readAll(fake.bytes(".config/Pelmo/Pelmo.conf")),
            std::string("[General]\nappLanguage=cs\ncleanHistory=garbage[\n"));

        // A folder where the settings file should be holds no history either.
        std::filesystem::remove(fake.bytes(".config/Pelmo/Pelmo.conf"));
        fake.makeFolder(".config/Pelmo/Pelmo.conf");
        QCOMPARE(runPelmo({"history"}).status, 1);
    }

    // Without a file manager or an opener that works, opening the Trash is a failure.
    void openingTheTrashReportsFailure()
    {
        FakeHome fake;
        populate(fake);
        const auto opener = fakeProgram(fake, "xdg-open", "#!/bin/sh\nexit 3\n");
        const ScopedEnvironment bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        const ProcessRun run = runPelmo({"trash", "open"});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("Koš se nepodařilo otevřít"), run.err.constData());
    }

    void trashListAndEmpty()
    {
        FakeHome fake;
        populate(fake);
        fake.writeBytes("precious/keep.txt", "keep");
        fake.writeBytes(".local/share/Trash/files/big/inner", QByteArray(50'000, 'b'));
        fake.writeBytes(".local/share/Trash/files/small", "s");
        fake.symlink(fake.bytes("precious"), ".local/share/Trash/files/link");
        const ProcessRun listed = runPelmo({"trash", "list", "--json"});
        QCOMPARE(listed.status, 0);
        const QJsonArray items = QJsonDocument::fromJson(listed.out).array();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.first()[QStringLiteral("name")].toString(), QStringLiteral("big"));

        const ProcessRun emptied = runPelmo({"trash", "empty", "--yes"});
        QCOMPARE(emptied.status, 0);
        QCOMPARE(emptied.out, QByteArray("Koš je vysypaný.\n"));
        QCOMPARE(readAll(fake.bytes("precious/keep.txt")), std::string("keep"));
        QVERIFY(QJsonDocument::fromJson(runPelmo({"trash", "--json"}).out).array().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCleanCommands)
#include "tst_cleancommands.moc"
