#include "FakeHome.h"
#include "Unprivileged.h"
#include "core/FileWalker.h"
#include "scan/DiskScanner.h"

#include <QtTest>

#include <climits>
#include <filesystem>
#include <map>
#include <set>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pelmo;
using pelmo::test::FakeHome;
using pelmo::test::makeReachable;

namespace {

// Relative paths (below the root) of everything a walk visits, with the entry types.
std::multiset<std::string> visited(const std::string &root, FileWalker::Options options = {})
{
    std::multiset<std::string> seen;
    const bool started = FileWalker::walk(root, options, [&](const FileWalker::Entry &entry) {
        seen.insert(entry.path.substr(root.size() + 1));
        return FileWalker::Action::Continue;
    });
    if (!started)
        seen.insert("<not started>");
    return seen;
}

} // namespace

class TestFileWalker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void visitsEverythingOnceAndSkipsWhatTheOptionsSay()
    {
        FakeHome fake;
        fake.writeFile("r/a.txt", 10);
        fake.writeFile("r/sub/b.txt", 10);
        fake.writeFile("r/.hidden/c.txt", 10);
        fake.writeFile("r/.dot.txt", 10);
        fake.writeFile("r/Tool.app/Contents/MacOS/tool", 10);
        fake.writeFile("r/Photos.PhotosLibrary/db", 10);

        const std::multiset<std::string> all = visited(fake.bytes("r"));
        QCOMPARE(all.size(), size_t(12));
        QVERIFY(all.count(".hidden/c.txt") == 1 && all.count("Tool.app/Contents/MacOS/tool") == 1);

        const std::multiset<std::string> plain = visited(fake.bytes("r"), {.skipHidden = true, .skipPackages = true});
        const std::multiset<std::string> expected = {"a.txt", "sub", "sub/b.txt", "Tool.app", "Photos.PhotosLibrary"};
        QCOMPARE(plain, expected);
    }

    void neverFollowsLinksNorOpensSpecialFiles()
    {
        FakeHome fake;
        fake.writeFile("outside/big.bin", 50'000);
        fake.writeFile("r/own.bin", 5000);
        fake.symlink("..", "r/loop"); // a loop back to the parent
        fake.symlink(fake.bytes("outside"), "r/to-outside");
        fake.symlink(fake.bytes("outside/big.bin"), "r/to-file");
        fake.symlink("missing", "r/dangling");
        QCOMPARE(::mkfifo(fake.bytes("r/fifo").c_str(), 0600), 0);

        std::map<std::string, FileWalker::EntryType> types;
        FileWalker::walk(fake.bytes("r"), {}, [&](const FileWalker::Entry &entry) {
            types[std::string(entry.name)] = entry.type;
            return FileWalker::Action::Continue;
        });
        QCOMPARE(types.size(), size_t(6));
        QCOMPARE(types["loop"], FileWalker::EntryType::Symlink);
        QCOMPARE(types["to-outside"], FileWalker::EntryType::Symlink);
        QCOMPARE(types["fifo"], FileWalker::EntryType::Other);
        QCOMPARE(types["own.bin"], FileWalker::EntryType::RegularFile);
        QCOMPARE(DiskScanner::allocatedSize(fake.path("r")), fake.allocated("r/own.bin"));
    }

    void allocatedSizeAgreesWithTheFileSystem()
    {
        FakeHome fake;
        fake.writeFile("tree/a", 1);
        fake.writeFile("tree/b/c", 123'457);
        fake.writeFile("tree/.hidden/d", 70'000);
        fake.writeFile("tree/X.app/Contents/e", 9000);
        QCOMPARE(::link(fake.bytes("tree/a").c_str(), fake.bytes("tree/b/a-again").c_str()), 0);
        // A sparse file takes far less room than its length.
        {
            const int fd = ::open(fake.bytes("tree/sparse").c_str(), O_CREAT | O_WRONLY, 0600);
            QVERIFY(fd >= 0);
            QCOMPARE(::ftruncate(fd, 50'000'000), 0);
            QCOMPARE(::pwrite(fd, "x", 1, 40'000'000), ssize_t(1));
            ::close(fd);
        }
        const qint64 expected = fake.allocated("tree");
        QVERIFY(expected < 10'000'000);
        QCOMPARE(DiskScanner::allocatedSize(fake.path("tree")), expected);
        QCOMPARE(DiskScanner::allocatedSize(fake.path("tree/b/c")), fake.allocated("tree/b/c"));
        QCOMPARE(DiskScanner::allocatedSize(fake.path("nothing here")), qint64(0));
        QCOMPARE(DiskScanner::allocatedSize(QString()), qint64(0));
    }

    void oddNamesArriveByteForByte()
    {
        FakeHome fake;
        const std::string names[] = {"caf\xE9", "line\nbreak", "quote\"back\\slash", "100%", "\xFF\xFE"};
        std::multiset<std::string> expected;
        for (const std::string &name : names) {
            fake.writeFile("r/" + name + "/f", 10);
            expected.insert({name, name + "/f"});
        }
        QCOMPARE(visited(fake.bytes("r")), expected);
    }

    void unreadableFoldersArePassedOver()
    {
        FakeHome fake;
        fake.writeFile("r/locked/secret", 10);
        fake.writeFile("r/open", 10);
        QCOMPARE(::chmod(fake.bytes("r/locked").c_str(), 0), 0);
        // Permissions do not bind the superuser (CI runs as root): walk as "nobody" then.
        makeReachable(fake.bytes("r"));
        const std::string outcome = pelmo::test::asUnprivilegedUser([&] {
            std::string text;
            for (const std::string &entry : visited(fake.bytes("r")))
                text += entry + ';';
            for (const std::string &entry : visited(fake.bytes("r/locked")))
                text += entry + ';';
            return text + std::to_string(DiskScanner::allocatedSize(fake.path("r/locked")));
        });
        QCOMPARE(outcome, std::string("locked;open;<not started>;0"));
        ::chmod(fake.bytes("r/locked").c_str(), 0700);
    }

    // Entries that vanish between the listing and the visit are skipped, not reported.
    void entriesVanishingDuringTheWalk()
    {
        FakeHome fake;
        for (char c = 'a'; c <= 'j'; ++c)
            fake.writeFile(std::string("r/") + c, 10);
        fake.writeFile("r/zdir/inner", 10);
        std::set<std::string> seen;
        FileWalker::walk(fake.bytes("r"), {}, [&](const FileWalker::Entry &entry) {
            if (seen.empty()) {
                for (char c = 'a'; c <= 'j'; ++c) {
                    const std::string other = fake.bytes(std::string("r/") + c);
                    if (other != entry.path)
                        ::unlink(other.c_str());
                }
                std::filesystem::remove_all(fake.bytes("r/zdir"));
            }
            seen.insert(std::string(entry.name));
            return FileWalker::Action::Continue;
        });
        QVERIFY(!seen.empty());
        QVERIFY(seen.size() <= 2); // the first entry, and "zdir" if it came first
        QVERIFY(!seen.contains("inner"));
    }

    // Deeper than PATH_MAX and deeper than the open-folder budget: every file is still
    // found and measured, and the walk ends.
    void pathsBeyondPathMax()
    {
        FakeHome fake;
        const std::string root = fake.bytes("deep");
        QCOMPARE(::mkdir(root.c_str(), 0700), 0);
        const std::string component(200, 'd');
        int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
        size_t length = root.size();
        while (length < PATH_MAX + 600) {
            QCOMPARE(::mkdirat(fd, component.c_str(), 0700), 0);
            const int next = ::openat(fd, component.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
            length += component.size() + 1;
        }
        const int file = ::openat(fd, "leaf.bin", O_CREAT | O_WRONLY, 0600);
        QCOMPARE(::write(file, std::string(30'000, 'x').data(), 30'000), ssize_t(30'000));
        struct stat st
        {
        };
        ::fstat(file, &st);
        ::close(file);
        ::close(fd);

        int files = 0;
        size_t longest = 0;
        FileWalker::walk(root, {}, [&](const FileWalker::Entry &entry) {
            files += entry.stat ? 1 : 0;
            longest = std::max(longest, entry.path.size());
            return FileWalker::Action::Continue;
        });
        QCOMPARE(files, 1);
        QVERIFY(longest > PATH_MAX);
        QCOMPARE(DiskScanner::allocatedSize(fake.path("deep")), qint64(st.st_blocks) * 512);
    }

    void veryDeepTreesKeepFewDescriptorsOpen()
    {
        FakeHome fake;
        std::string relative = "deep";
        for (int i = 0; i < 400; ++i) {
            relative += "/d";
            if (i % 50 == 0)
                fake.writeFile(relative + "/f", 10);
        }
        fake.writeFile(relative + "/last", 10);
        // Leave the walker far fewer descriptors than the depth.
        rlimit saved {};
        ::getrlimit(RLIMIT_NOFILE, &saved);
        rlimit tight = saved;
        tight.rlim_cur = 128;
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &tight), 0);
        int files = 0;
        const bool started = FileWalker::walk(fake.bytes("deep"), {}, [&](const FileWalker::Entry &entry) {
            files += entry.stat ? 1 : 0;
            return FileWalker::Action::Continue;
        });
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QVERIFY(started);
        QCOMPARE(files, 9);
    }
};

QTEST_GUILESS_MAIN(TestFileWalker)
#include "tst_filewalker.moc"
