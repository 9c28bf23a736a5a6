#include "FakeHome.h"
#include "Unprivileged.h"
#include "core/PathBytes.h"
#include "platform/linux/FreedesktopTrash.h"
#include "platform/linux/MoveJournal.h"

#include <QProcess>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelmo;
using pelmo::test::countIn;
using pelmo::test::FakeHome;
using pelmo::test::readAll;

namespace {

std::string percentDecoded(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == 0x25 && i + 2 < text.size()) {
            out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// The Path= value of an info file, decoded, and the DeletionDate line's presence.
std::string originalOf(const std::string &infoFile)
{
    const std::string text = readAll(infoFile);
    const size_t at = text.find("\nPath=");
    if (!text.starts_with("[Trash Info]\n") || at == std::string::npos
        || text.find("\nDeletionDate=") == std::string::npos)
        return "<malformed>";
    return percentDecoded(text.substr(at + 6, text.find('\n', at + 6) - at - 6));
}

// Where the item went, when it moved.
std::optional<QString> move(FreedesktopTrash &trash, const QString &path)
{
    return trash.moveToTrash(path, {}, {}).trashPath;
}

bool putBack(FreedesktopTrash &trash, const QString &from, const QString &to)
{
    return trash.putBack(from, to, {}, {}) == PutBackOutcome::restored;
}

FreedesktopTrash homeTrash(const FakeHome &fake)
{
    FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
    env.dataHome = fake.bytes(".local/share");
    return FreedesktopTrash(env);
}

// A Trash that sees `top` (and what is below it) as a file system of its own, mounted there.
FreedesktopTrash topdirTrash(const std::string &top, std::vector<std::string> mountPoints)
{
    FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
    env.deviceOf = [top](const std::string &path) -> std::optional<dev_t> {
        return path == top || path.starts_with(top + "/") ? 2 : 1;
    };
    env.mountPoints = [mountPoints] { return mountPoints; };
    return FreedesktopTrash(env);
}

} // namespace

class TestFreedesktopTrash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Odd names are found, moved, recorded and put back with identical bytes.
    void oddNamesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("folder");
        QTest::newRow("double quote") << QByteArray("say \"hi\".txt") << false;
        QTest::newRow("backslash") << QByteArray("back\\slash") << false;
        QTest::newRow("newline") << QByteArray("two\nlines") << false;
        QTest::newRow("percent") << QByteArray("100% done") << false;
        QTest::newRow("not UTF-8 file") << QByteArray("caf\xE9.txt") << false;
        QTest::newRow("not UTF-8 folder") << QByteArray("d\xFF\xFE") << true;
    }

    void oddNamesRoundTrip()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, folder);
        FakeHome fake;
        const std::string relative = "Documents/" + name.toStdString();
        const std::string content = folder ? relative + "/inner" : relative;
        fake.writeBytes(content, "content");
        const QString original = fake.path(relative);
        FreedesktopTrash trash = homeTrash(fake);

        const std::optional<QString> moved = move(trash, original);
        QVERIFY(moved.has_value());
        QCOMPARE(QByteArray::fromStdString(PathBytes::toBytes(*moved)),
            QByteArray::fromStdString(fake.bytes(".local/share/Trash/files/" + name.toStdString())));
        QVERIFY(!std::filesystem::exists(std::filesystem::symlink_status(fake.bytes(relative))));
        const std::string info = fake.bytes(".local/share/Trash/info/" + name.toStdString() + ".trashinfo");
        QCOMPARE(QByteArray::fromStdString(originalOf(info)), QByteArray::fromStdString(fake.bytes(relative)));
        QCOMPARE(std::ranges::count(readAll(info), '\n'), 3L);

        QVERIFY(putBack(trash, *moved, original));
        QCOMPARE(readAll(fake.bytes(content)), std::string("content"));
        QVERIFY(!std::filesystem::exists(info));
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/files")), size_t(0));
    }

    // A home without ~/.local/share: the Trash is made there (0700), never in the
    // working directory; names too long for an info file are shortened.
    void createsTheHomeTrashWhereItBelongs()
    {
        FakeHome fake;
        fake.writeFile("victim.txt", 10);
        QTemporaryDir workingDirectory;
        const QString before = QDir::currentPath();
        QDir::setCurrent(workingDirectory.path());
        FreedesktopTrash trash = homeTrash(fake);
        const std::optional<QString> moved = move(trash, fake.path("victim.txt"));
        QDir::setCurrent(before);
        QCOMPARE(moved, std::optional(fake.path(".local/share/Trash/files/victim.txt")));
        QCOMPARE(QDir(workingDirectory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        struct stat st
        {
        };
        QCOMPARE(::stat(fake.bytes(".local/share/Trash").c_str(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0700u);

        // A name too long for its info file's name is shortened.
        const std::string name(255, 'n');
        fake.writeFile("Downloads/" + name, 10);
        const std::optional<QString> longer = move(trash, fake.path("Downloads/" + name));
        QVERIFY(longer.has_value());
        const std::string inTrash = PathBytes::toBytes(*longer);
        const std::string stored = inTrash.substr(inTrash.rfind('/') + 1);
        QCOMPARE(stored.size(), size_t(255 - 10));
        QCOMPARE(QByteArray::fromStdString(originalOf(fake.bytes(".local/share/Trash/info/" + stored + ".trashinfo"))),
            QByteArray::fromStdString(fake.bytes("Downloads/" + name)));
    }

    // A foreign info file and an orphan in files/ are never overwritten.
    void collisionsOverwriteNothing()
    {
        FakeHome fake;
        fake.writeBytes(".local/share/Trash/info/a.txt.trashinfo", "foreign");
        fake.writeBytes(".local/share/Trash/files/a.txt.2", "orphan");
        fake.writeBytes("x/a.txt", "first");
        fake.writeBytes("y/a.txt", "second");
        FreedesktopTrash trash = homeTrash(fake);
        const auto first = move(trash, fake.path("x/a.txt"));
        const auto second = move(trash, fake.path("y/a.txt"));
        QVERIFY(first && second);
        QCOMPARE(readAll(fake.bytes(".local/share/Trash/info/a.txt.trashinfo")), std::string("foreign"));
        QCOMPARE(readAll(fake.bytes(".local/share/Trash/files/a.txt.2")), std::string("orphan"));
        QCOMPARE(readAll(PathBytes::toBytes(*first)), std::string("first"));
        QCOMPARE(readAll(PathBytes::toBytes(*second)), std::string("second"));
        QVERIFY(!std::filesystem::exists(fake.bytes(".local/share/Trash/info/a.txt.2.trashinfo")));
    }

    // A vanished item or one in a read-only folder is not moved and leaves no record.
    void failuresLeaveNothingBehind()
    {
        FakeHome fake;
        fake.writeFile("locked/item", 10);
        QVERIFY(!homeTrash(fake).moveToTrash(fake.path("gone"), {}, {}).moved());
        ::chmod(fake.bytes("locked").c_str(), 0555);
        pelmo::test::makeReachable(fake.bytes("locked"));
        // "nobody" needs a Trash of its own to write to.
        fake.makeFolder("nobody-data");
        ::chmod(fake.bytes("nobody-data").c_str(), 0777);
        const std::string outcome = pelmo::test::asUnprivilegedUser([&] {
            FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
            env.dataHome = fake.bytes("nobody-data");
            FreedesktopTrash trash(env);
            const bool moved = trash.moveToTrash(fake.path("locked/item"), {}, {}).moved();
            return std::string(moved ? "moved" : "refused") + ":"
                + std::to_string(countIn(env.dataHome + "/Trash/info"));
        });
        QCOMPARE(outcome, std::string("refused:0"));
        QVERIFY(std::filesystem::exists(fake.bytes("locked/item")));
    }

    // Between the scan and the move the item was replaced, its status changed, or a folder on
    // its way became a link to somewhere precious: nothing moves, and the failure says why.
    // No folder below the home is ever followed as a link, not even one that was a link at the
    // scan already.
    void changedItemsAreNotMoved()
    {
        FakeHome fake;
        fake.writeBytes("Downloads/big.iso", "scanned");
        const FileIdentity scanned = *FileIdentity::of(fake.path("Downloads/big.iso"));
        FreedesktopTrash trash = homeTrash(fake);

        fake.writeBytes("Downloads/big.iso.new", "a newer file");
        std::filesystem::rename(fake.bytes("Downloads/big.iso.new"), fake.bytes("Downloads/big.iso"));
        MoveOutcome outcome = trash.moveToTrash(fake.path("Downloads/big.iso"), scanned, fake.home());
        QCOMPARE(outcome.failure, MoveFailure::changed);
        QCOMPARE(readAll(fake.bytes("Downloads/big.iso")), std::string("a newer file"));

        const FileIdentity newer = *FileIdentity::of(fake.path("Downloads/big.iso"));
        fake.writeBytes("precious/big.iso", "precious");
        std::filesystem::rename(fake.bytes("Downloads"), fake.bytes("Downloads.old"));
        fake.symlink(fake.bytes("precious"), "Downloads");
        outcome = trash.moveToTrash(fake.path("Downloads/big.iso"), newer, fake.home());
        QCOMPARE(outcome.failure, MoveFailure::changed);
        // Without an identity to compare, no folder below the home may be a link at all.
        outcome = trash.moveToTrash(fake.path("Downloads/big.iso"), {}, fake.home());
        QCOMPARE(outcome.failure, MoveFailure::changed);
        QCOMPARE(readAll(fake.bytes("precious/big.iso")), std::string("precious"));
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/info")), size_t(0));

        fake.writeBytes("elsewhere/cache/app/data", "cache");
        fake.symlink(fake.bytes("elsewhere/cache"), ".cache");
        outcome = trash.moveToTrash(fake.path(".cache/app"), *FileIdentity::of(fake.path(".cache/app")), fake.home());
        QCOMPARE(outcome.failure, MoveFailure::changed);

        // The same object with another change time (a folder made again under a reused inode).
        fake.writeBytes("Work/notes.txt", "notes");
        const FileIdentity listed = *FileIdentity::of(fake.path("Work/notes.txt"));
        QVERIFY(::chmod(fake.bytes("Work/notes.txt").c_str(), 0600) == 0);
        QVERIFY(FileIdentity::of(fake.path("Work/notes.txt"))->sameObject(listed));
        outcome = trash.moveToTrash(fake.path("Work/notes.txt"), listed, fake.home());
        QCOMPARE(outcome.failure, MoveFailure::changed);
        // And a path that climbs out of the home never reaches the folder it names.
        fake.writeBytes("../beside.txt", "beside");
        outcome = trash.moveToTrash(
            fake.path("Work/../../beside.txt"), *FileIdentity::of(fake.path("../beside.txt")), fake.home());
        QCOMPARE(outcome.failure, MoveFailure::changed);
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/info")), size_t(0));
    }

    // The item is swapped for another file after the check, just before the move: the other
    // file goes back to its place and nothing of it stays in the Trash.
    void anItemSwappedDuringTheMoveGoesBack()
    {
        FakeHome fake;
        fake.writeBytes("Downloads/setup.dmg", "scanned");
        const std::string item = fake.bytes("Downloads/setup.dmg");
        const FileIdentity scanned = *FileIdentity::of(fake.path("Downloads/setup.dmg"));
        FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
        const auto realDevice = env.deviceOf;
        bool swapped = false;
        // Asked for the item's file system after its identity was checked.
        env.deviceOf = [&](const std::string &path) {
            if (path == item && !swapped) {
                swapped = true;
                fake.writeBytes("Downloads/setup.dmg.new", "someone else's");
                std::filesystem::rename(item + ".new", item);
            }
            return realDevice(path);
        };
        FreedesktopTrash trash(env);
        const MoveOutcome outcome = trash.moveToTrash(fake.path("Downloads/setup.dmg"), scanned, fake.home());
        QVERIFY(swapped);
        QCOMPARE(outcome.failure, MoveFailure::changed);
        QCOMPARE(readAll(item), std::string("someone else's"));
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/files")), size_t(0));
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/info")), size_t(0));
    }

    // Putting back never replaces what is at the original place now, and makes the folders
    // that are gone. Another tool emptied the Trash and a later item took the name: putting
    // back refuses it. A way back that now leads elsewhere is not followed; one that always
    // went through a link is.
    void puttingBackChecksWhatIsThere()
    {
        FakeHome fake;
        fake.writeBytes("Documents/deep/er/file.txt", "mine");
        FreedesktopTrash trash = homeTrash(fake);
        const auto moved = move(trash, fake.path("Documents/deep/er/file.txt"));
        QVERIFY(moved);
        fake.writeBytes("Documents/deep/er/file.txt", "newer");
        QVERIFY(!putBack(trash, *moved, fake.path("Documents/deep/er/file.txt")));
        QCOMPARE(readAll(fake.bytes("Documents/deep/er/file.txt")), std::string("newer"));
        std::filesystem::remove_all(fake.bytes("Documents/deep"));
        QVERIFY(putBack(trash, *moved, fake.path("Documents/deep/er/file.txt")));
        QCOMPARE(readAll(fake.bytes("Documents/deep/er/file.txt")), std::string("mine"));
        // Only items directly in the home Trash's files folder come back.
        QVERIFY(!putBack(trash, fake.path("elsewhere/file.txt"), fake.path("Documents/x")));

        fake.writeBytes("Documents/report.txt", "mine");
        const MoveOutcome mine = trash.moveToTrash(fake.path("Documents/report.txt"), {}, fake.home());
        QVERIFY(mine.moved());
        std::filesystem::remove_all(fake.bytes(".local/share/Trash/files"));
        std::filesystem::remove_all(fake.bytes(".local/share/Trash/info"));
        fake.writeBytes("Work/report.txt", "someone else's");
        const MoveOutcome later = trash.moveToTrash(fake.path("Work/report.txt"), {}, fake.home());
        QCOMPARE(later.trashPath, mine.trashPath);
        QCOMPARE(trash.putBack(*mine.trashPath, fake.path("Documents/report.txt"), {mine.identity, mine.originalFolder},
                     fake.home()),
            PutBackOutcome::replaced);
        // Without a known identity the info file still tells them apart.
        QCOMPARE(trash.putBack(*mine.trashPath, fake.path("Documents/report.txt"), {}, fake.home()),
            PutBackOutcome::replaced);
        QVERIFY(!std::filesystem::exists(fake.bytes("Documents/report.txt")));
        QCOMPARE(readAll(PathBytes::toBytes(*later.trashPath)), std::string("someone else's"));

        // The inode number of a file gone from the Trash is soon another file's: the moment
        // of the move tells them apart, in whatever zone it was written (an hour off is a
        // zone's offset; a day off is no zone's).
        const TrashCan::Origin dayEarlier {
            later.identity, later.originalFolder, QDateTime::currentDateTime().addSecs(-86400)};
        QCOMPARE(trash.putBack(*later.trashPath, fake.path("Work/report.txt"), dayEarlier, fake.home()),
            PutBackOutcome::replaced);
        // Nor does the same name and inode number reused within the same second: the change
        // time in nanoseconds differs.
        const TrashCan::Origin sameSecond {
            later.identity, later.originalFolder, QDateTime::currentDateTime(), later.changeTime - 1};
        QCOMPARE(trash.putBack(*later.trashPath, fake.path("Work/report.txt"), sameSecond, fake.home()),
            PutBackOutcome::replaced);
        QVERIFY(later.changeTime != 0);
        const TrashCan::Origin origin {
            later.identity, later.originalFolder, QDateTime::currentDateTime(), later.changeTime};
        std::filesystem::remove_all(fake.bytes("Work"));
        fake.makeFolder("elsewhere");
        fake.symlink(fake.bytes("elsewhere"), "Work");
        QCOMPARE(trash.putBack(*later.trashPath, fake.path("Work/report.txt"), origin, fake.home()),
            PutBackOutcome::unsafeDestination);
        QCOMPARE(trash.putBack(*later.trashPath, fake.path("Work/report.txt"), {}, fake.home()),
            PutBackOutcome::unsafeDestination);
        QCOMPARE(countIn(fake.bytes("elsewhere")), size_t(0));
        std::filesystem::remove(fake.bytes("Work"));
        QCOMPARE(trash.putBack(*later.trashPath, fake.path("Work/report.txt"), origin, fake.home()),
            PutBackOutcome::restored);

        fake.writeBytes("disk/cache/app/data", "cache");
        fake.symlink(fake.bytes("disk/cache"), ".cache");
        // Moved without an anchor, through the link (as another program might have): the way
        // back leads where the record says.
        const MoveOutcome cached
            = trash.moveToTrash(fake.path(".cache/app"), *FileIdentity::of(fake.path(".cache/app")), {});
        QVERIFY(cached.moved());
        QCOMPARE(trash.putBack(
                     *cached.trashPath, fake.path(".cache/app"), {cached.identity, cached.originalFolder}, fake.home()),
            PutBackOutcome::restored);
        QCOMPARE(readAll(fake.bytes("disk/cache/app/data")), std::string("cache"));
    }

    // While the Trash is being emptied (its lock held), nothing is put back out of it.
    void nothingComesBackWhileTheTrashIsEmptied()
    {
        FakeHome fake;
        fake.writeBytes("Documents/a.txt", "a");
        FreedesktopTrash trash = homeTrash(fake);
        const MoveOutcome moved = trash.moveToTrash(fake.path("Documents/a.txt"), {}, fake.home());
        QVERIFY(moved.moved());
        const TrashCan::Origin origin {moved.identity, moved.originalFolder, QDateTime::currentDateTime()};
        {
            PosixFile::UniqueFd emptying(::open(fake.bytes(".local/share/Trash").c_str(), O_RDONLY | O_DIRECTORY));
            QCOMPARE(::flock(emptying.get(), LOCK_EX), 0);
            QCOMPARE(trash.putBack(*moved.trashPath, fake.path("Documents/a.txt"), origin, fake.home()),
                PutBackOutcome::failed);
        }
        QCOMPARE(trash.putBack(*moved.trashPath, fake.path("Documents/a.txt"), origin, fake.home()),
            PutBackOutcome::restored);
    }

    // A mover killed between writing the info file and moving the item leaves an info
    // file without an item; the next start removes it. A move still running is left alone.
    void interruptedMovesAreTidied()
    {
        FakeHome fake;
        fake.writeBytes("Documents/a.txt", "a");
        FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
        const MoveJournal journal(env.journalFolder);
        const std::string trashFolder = fake.bytes(".local/share/Trash");
        fake.writeBytes(".local/share/Trash/info/a.txt.trashinfo", ""); // killed right after making it
        fake.writeBytes(".local/share/Trash/info/c.txt.trashinfo", "[Trash Info]\nPath=/elsewhere/c.txt\n");
        const pid_t child = ::fork();
        if (child == 0) {
            auto *record = new MoveJournal::Record(journal.begin(trashFolder, fake.bytes("Documents/a.txt")));
            record->setName("a.txt");
            auto *other = new MoveJournal::Record(journal.begin(trashFolder, fake.bytes("Documents/c.txt")));
            other->setName("c.txt"); // the name was taken by another program's item
            ::_exit(0);              // killed: the records stay behind
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        MoveJournal::Record running = journal.begin(trashFolder, fake.bytes("Documents/b.txt"));
        running.setName("b.txt");
        fake.writeBytes(".local/share/Trash/info/b.txt.trashinfo", "[Trash Info]\nPath=y\n");
        fake.writeBytes("Documents/c.txt", "c");
        QCOMPARE(countIn(env.journalFolder), size_t(3));

        int finished = 0;
        homeTrash(fake).recoverInterruptedMoves([&](const FinishedMove &) { return ++finished > 0; });
        QCOMPARE(finished, 0);
        QVERIFY(!std::filesystem::exists(fake.bytes(".local/share/Trash/info/a.txt.trashinfo")));
        QVERIFY(std::filesystem::exists(fake.bytes(".local/share/Trash/info/c.txt.trashinfo")));
        QVERIFY(std::filesystem::exists(fake.bytes(".local/share/Trash/info/b.txt.trashinfo")));
        QCOMPARE(readAll(fake.bytes("Documents/a.txt")), std::string("a"));
        QCOMPARE(countIn(env.journalFolder), size_t(1));
    }

    // A mover killed after the item moved but before its history entry was written: the next
    // start is handed the finished move (until it takes it), with what was recorded of it.
    void finishedMovesOfKilledProcessesAreHandedOver()
    {
        FakeHome fake;
        fake.writeBytes("Documents/report.txt", "report");
        const FileIdentity listed = *FileIdentity::of(fake.path("Documents/report.txt"));
        const pid_t child = ::fork();
        if (child == 0) {
            FreedesktopTrash trash = homeTrash(fake);
            auto *kept = new MoveOutcome(trash.moveToTrash(fake.path("Documents/report.txt"), listed, fake.home()));
            ::_exit(kept->moved() ? 0 : 1); // killed while the receipt is still held
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        FreedesktopTrash trash = homeTrash(fake);
        QList<FinishedMove> handed;
        trash.recoverInterruptedMoves([&](const FinishedMove &move) {
            handed.append(move);
            return false; // the history could not take it: asked again next time
        });
        trash.recoverInterruptedMoves([&](const FinishedMove &move) {
            handed.append(move);
            return true;
        });
        trash.recoverInterruptedMoves([&](const FinishedMove &move) {
            handed.append(move);
            return true;
        });
        QCOMPARE(handed.size(), 2);
        QCOMPARE(handed[0].originalPath, fake.path("Documents/report.txt"));
        QCOMPARE(handed[0].trashPath, fake.path(".local/share/Trash/files/report.txt"));
        QVERIFY(handed[0].identity.sameObject(listed));
        QVERIFY(std::abs(handed[0].movedAt.secsTo(QDateTime::currentDateTime())) < 60);
    }

    // Emptying never follows a link in the Trash, leaves a linked or non-sticky shared
    // .Trash alone, and what it cannot remove keeps its info file and is named.
    void emptyingOnlyTouchesSafeTrashFolders()
    {
        FakeHome fake;
        const std::string uid = std::to_string(::getuid());
        fake.writeBytes("precious/" + uid + "/files/keep.txt", "keep");
        fake.writeBytes("precious/" + uid + "/info/keep.txt.trashinfo", "[Trash Info]\nPath=keep.txt\n");
        ::chmod(fake.bytes("precious").c_str(), 01777);
        fake.makeFolder("linked");
        fake.symlink(fake.bytes("precious"), "linked/.Trash");
        fake.writeBytes("plain/.Trash/" + uid + "/files/keep.txt", "keep");
        ::chmod(fake.bytes("plain/.Trash").c_str(), 0777);
        fake.writeBytes("elsewhere/keep.txt", "keep");
        fake.makeFolder("filesLinked/.Trash-" + uid);
        fake.symlink(fake.bytes("elsewhere"), "filesLinked/.Trash-" + uid + "/files");
        FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
        const std::vector<std::string> points = {fake.bytes("linked"), fake.bytes("plain"), fake.bytes("filesLinked")};
        env.mountPoints = [points] { return points; };
        FreedesktopTrash trash(env);
        fake.writeFile("junk/a/b/c.bin", 100);
        QVERIFY(trash.moveToTrash(fake.path("junk"), {}, {}).moved());
        fake.symlink(fake.bytes("elsewhere"), ".local/share/Trash/files/link-to-elsewhere");
        QCOMPARE(trash.filesFolders(), QStringList {fake.path(".local/share/Trash/files")});
        QVERIFY(trash.empty({}).complete());
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/files")), size_t(0));
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/info")), size_t(0));
        QCOMPARE(readAll(fake.bytes("precious/" + uid + "/files/keep.txt")), std::string("keep"));
        QVERIFY(std::filesystem::exists(fake.bytes("precious/" + uid + "/info/keep.txt.trashinfo")));
        QCOMPARE(readAll(fake.bytes("plain/.Trash/" + uid + "/files/keep.txt")), std::string("keep"));
        QCOMPARE(readAll(fake.bytes("elsewhere/keep.txt")), std::string("keep"));

        // A home Trash that is a link is not emptied, and that is said.
        std::filesystem::rename(fake.bytes(".local/share/Trash"), fake.bytes("real-trash"));
        fake.symlink(fake.bytes("real-trash"), ".local/share/Trash");
        fake.writeBytes("real-trash/files/kept", "kept");
        const EmptyOutcome outcome = trash.empty({});
        QVERIFY(!outcome.complete());
        QCOMPARE(outcome.remaining, QStringList {fake.path(".local/share/Trash")});
        QCOMPARE(readAll(fake.bytes("real-trash/files/kept")), std::string("kept"));
    }

    void aPartialEmptyKeepsTheInfoOfWhatStays()
    {
        FakeHome fake;
        fake.makeFolder("nobody-home");
        ::chmod(fake.bytes("nobody-home").c_str(), 0777);
        pelmo::test::makeReachable(fake.bytes("nobody-home"));
        const std::string outcome = pelmo::test::asUnprivilegedUser([&] {
            FreedesktopTrash::Environment env = FreedesktopTrash::systemEnvironment();
            env.dataHome = fake.bytes("nobody-home/data");
            env.journalFolder = fake.bytes("nobody-home/moves");
            FreedesktopTrash trash(env);
            std::filesystem::create_directories(fake.bytes("nobody-home/stuck/inner"));
            std::ofstream(fake.bytes("nobody-home/stuck/inner/file")) << "x";
            std::ofstream(fake.bytes("nobody-home/loose")) << "y";
            const MoveOutcome a = trash.moveToTrash(fake.path("nobody-home/stuck"), {}, {});
            const MoveOutcome b = trash.moveToTrash(fake.path("nobody-home/loose"), {}, {});
            const bool moved = a.moved() && b.moved();
            if (!moved)
                return "failures " + std::to_string(int(a.failure)) + " " + std::to_string(int(b.failure));
            ::chmod((env.dataHome + "/Trash/files/stuck/inner").c_str(), 0555);
            const EmptyOutcome emptied = trash.empty({});
            ::chmod((env.dataHome + "/Trash/files/stuck/inner").c_str(), 0755);
            return std::string(moved ? "moved" : "not moved") + " remaining=" + std::to_string(emptied.remaining.size())
                + " info=" + std::to_string(countIn(env.dataHome + "/Trash/info")) + " stuck-info="
                + (std::filesystem::exists(env.dataHome + "/Trash/info/stuck.trashinfo") ? "kept" : "gone");
        });
        QCOMPARE(QString::fromStdString(outcome), QStringLiteral("moved remaining=1 info=1 stuck-info=kept"));
    }

    // Two processes trashing items of the same name both get every item in with its own
    // info file; items another process trashes while the Trash is emptied keep theirs.
    void twoProcessesAtOnce()
    {
        FakeHome fake;
        constexpr int kItems = 300;
        const auto trashInChild = [&](const std::string &folder) {
            const pid_t child = ::fork();
            if (child == 0) {
                FreedesktopTrash other = homeTrash(fake);
                int moved = 0;
                for (int i = 0; i < kItems; ++i)
                    moved += other.moveToTrash(fake.path(folder + std::to_string(i) + "/same"), {}, {}).moved();
                ::_exit(moved == kItems ? 0 : 1);
            }
            return child;
        };
        const auto succeeded = [](pid_t child) {
            int status = -1;
            ::waitpid(child, &status, 0);
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        };
        for (int i = 0; i < kItems; ++i) {
            fake.writeBytes("old/" + std::to_string(i) + "/same", "o");
            fake.writeBytes("older/" + std::to_string(i) + "/same", "o");
            fake.writeBytes("new/" + std::to_string(i) + "/same", "n");
        }
        const pid_t first = trashInChild("old/"), second = trashInChild("older/");
        QVERIFY(succeeded(first) && succeeded(second));
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/info")), size_t(2 * kItems));

        FreedesktopTrash trash = homeTrash(fake);
        const pid_t child = trashInChild("new/");
        (void)trash.empty({});
        (void)succeeded(child);
        const std::string files = fake.bytes(".local/share/Trash/files/");
        const std::string info = fake.bytes(".local/share/Trash/info/");
        size_t orphans = 0;
        for (const auto &entry : std::filesystem::directory_iterator(files))
            orphans += std::filesystem::exists(info + entry.path().filename().string() + ".trashinfo") ? 0 : 1;
        QCOMPARE(orphans, size_t(0));
        size_t left = 0;
        for (int i = 0; i < kItems; ++i)
            left += std::filesystem::exists(fake.bytes("new/" + std::to_string(i) + "/same"));
        QCOMPARE(countIn(files) + left, size_t(kItems));
    }

    // A tree deeper than the descriptors a process may hold is emptied all the same.
    void emptyingADeepTree()
    {
        FakeHome fake;
        fake.makeFolder("deep");
        int fd = ::open(fake.bytes("deep").c_str(), O_RDONLY | O_DIRECTORY);
        for (int level = 0; level < 600; ++level) {
            ::mkdirat(fd, "d", 0755);
            const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
        }
        ::close(::openat(fd, "leaf", O_WRONLY | O_CREAT, 0644));
        ::close(fd);
        FreedesktopTrash trash = homeTrash(fake);
        QVERIFY(trash.moveToTrash(fake.path("deep"), {}, {}).moved());
        rlimit saved {};
        ::getrlimit(RLIMIT_NOFILE, &saved);
        rlimit low = saved;
        low.rlim_cur = 128;
        ::setrlimit(RLIMIT_NOFILE, &low);
        const EmptyOutcome emptied = trash.empty({});
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QVERIFY(emptied.complete());
        QCOMPARE(countIn(fake.bytes(".local/share/Trash/files")), size_t(0));
    }

    // What the desktop's own move put in the Trash is found by its identity and origin,
    // the way the file-manager route confirms a move.
    void findsWhatAnotherToolTrashed()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
            QSKIP("gio is not installed");
        FakeHome fake;
        fake.writeBytes("Documents/by gio %.txt", "g");
        fake.writeBytes("Documents/other.txt", "o");
        const FileIdentity identity = *FileIdentity::of(fake.path("Documents/by gio %.txt"));
        FreedesktopTrash trash = homeTrash(fake);
        QVERIFY(trash.moveToTrash(fake.path("Documents/other.txt"), {}, {}).moved());
        QCOMPARE(QProcess::execute(QStringLiteral("gio"), {"trash", "--", fake.path("Documents/by gio %.txt")}), 0);
        const std::optional<QString> found = trash.findTrashed(fake.path("Documents/by gio %.txt"), identity);
        QVERIFY(found);
        QVERIFY(FileIdentity::of(*found)->sameObject(identity));
        QCOMPARE(trash.findTrashed(fake.path("Documents/elsewhere.txt"), identity), std::nullopt);
    }

    // Items on another file system go to that file system's own Trash, chosen safely.
    void topdirTrashes_data()
    {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sticky shared .Trash") << QStringLiteral("sticky") << QStringLiteral(".Trash/UID");
        QTest::newRow("no shared .Trash") << QStringLiteral("none") << QStringLiteral(".Trash-UID");
        QTest::newRow(".Trash without the sticky bit") << QStringLiteral("plain") << QStringLiteral(".Trash-UID");
        QTest::newRow(".Trash is a link") << QStringLiteral("link") << QStringLiteral(".Trash-UID");
    }

    void topdirTrashes()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, expected);
        FakeHome fake;
        const std::string top = fake.bytes("mnt");
        fake.writeBytes("mnt/data/file.txt", "on another disk");
        fake.makeFolder("elsewhere");
        if (prepare == "sticky" || prepare == "plain") {
            fake.makeFolder("mnt/.Trash");
            ::chmod((top + "/.Trash").c_str(), prepare == "sticky" ? 01777 : 0777);
        } else if (prepare == "link") {
            fake.symlink(fake.bytes("elsewhere"), "mnt/.Trash");
        }
        FreedesktopTrash trash = topdirTrash(top, {"/", top});

        const auto moved = move(trash, fake.path("mnt/data/file.txt"));
        QVERIFY(moved);
        const QString folder = expected.replace(QStringLiteral("UID"), QString::number(::getuid()));
        QCOMPARE(*moved, fake.path("mnt/" + folder.toStdString() + "/files/file.txt"));
        QCOMPARE(
            originalOf(top + "/" + folder.toStdString() + "/info/file.txt.trashinfo"), std::string("data/file.txt"));
        QCOMPARE(countIn(fake.bytes("elsewhere")), size_t(0));
        QVERIFY(trash.empty({}).complete());
        QCOMPARE(countIn(top + "/" + folder.toStdString() + "/files"), size_t(0));
    }

    // A .Trash-$uid that another user owns is never used, for moving or for emptying.
    void aForeignTopdirTrashIsRefused()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to give the folder to another user");
        FakeHome fake;
        const std::string top = fake.bytes("mnt");
        fake.writeBytes("mnt/data/file.txt", "on another disk");
        const std::string own = top + "/.Trash-" + std::to_string(::getuid());
        fake.writeBytes("mnt/.Trash-" + std::to_string(::getuid()) + "/files/theirs", "theirs");
        QCOMPARE(::chown(own.c_str(), 65534, 65534), 0);
        FreedesktopTrash trash = topdirTrash(top, {top});
        QCOMPARE(trash.moveToTrash(fake.path("mnt/data/file.txt"), {}, {}).failure, MoveFailure::trashRefused);
        QVERIFY(trash.empty({}).complete());
        QCOMPARE(readAll(own + "/files/theirs"), std::string("theirs"));
        QCOMPARE(readAll(top + "/data/file.txt"), std::string("on another disk"));
    }

    // A real second file system where the tests may mount one (CI runs as root).
    void realMountedFileSystem()
    {
        FakeHome fake;
        fake.makeFolder("tmpfs");
        const std::string point = fake.bytes("tmpfs");
        if (::geteuid() != 0 || ::mount("pelmo-test", point.c_str(), "tmpfs", 0, "size=4m") != 0)
            QSKIP("cannot mount a tmpfs here");
        fake.writeBytes("tmpfs/item.txt", "tmpfs data");
        FreedesktopTrash trash = homeTrash(fake);
        const auto moved = move(trash, fake.path("tmpfs/item.txt"));
        const std::string expected = point + "/.Trash-" + std::to_string(::getuid()) + "/files/item.txt";
        const bool found = moved && PathBytes::toBytes(*moved) == expected && readAll(expected) == "tmpfs data";
        ::umount(point.c_str());
        QVERIFY(found);
    }
};

QTEST_GUILESS_MAIN(TestFreedesktopTrash)
#include "tst_freedesktoptrash.moc"
