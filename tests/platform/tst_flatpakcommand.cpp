#include "FakeHome.h"
#include "ScopedEnvironment.h"
#include "platform/linux/FlatpakCommand.h"

#include <QElapsedTimer>
#include <QtTest>

#include <filesystem>
#include <future>

using namespace pelmo;
using namespace pelmo::test;

namespace {

// A stand-in `flatpak` first on the PATH for the life of the returned object.
[[nodiscard]] ScopedEnvironment standIn(const FakeHome &fake, const QByteArray &script)
{
    fake.writeBytes("bin/flatpak", "#!/bin/sh\n" + script);
    std::filesystem::permissions(fake.bytes("bin/flatpak"), std::filesystem::perms::owner_all);
    return ScopedEnvironment("PATH", QByteArray::fromStdString(fake.bytes("bin")) + ':' + qgetenv("PATH"));
}

} // namespace

// The flatpak program is another process that may lie, flood or hang: none of it may be
// taken for a removal, fill the memory or hold Pelmo up.
class TestFlatpakCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRemovalCountsOnlyWhenFlatpakNoLongerListsIt()
    {
        FakeHome fake;
        const ScopedEnvironment path
            = standIn(fake, "case \"$1\" in uninstall) exit 0;; info) exit 0;; esac\nexit 1\n");
        const FlatpakTool::Outcome kept = FlatpakCommand().uninstall(QStringLiteral("org.example.App"));
        QVERIFY(!kept.ok);
        QVERIFY2(kept.error.contains(QStringLiteral("still installed")), qPrintable(kept.error));

        const ScopedEnvironment gone = standIn(fake, "case \"$1\" in uninstall) exit 0;; esac\nexit 1\n");
        QVERIFY(FlatpakCommand().uninstall(QStringLiteral("org.example.App")).ok);
    }

    void whatItPrintsIsBounded()
    {
        FakeHome fake;
        const ScopedEnvironment path = standIn(fake, "head -c 50000000 /dev/zero | tr '\\0' x >&2\nexit 1\n");
        const FlatpakTool::Outcome flooded = FlatpakCommand().uninstall(QStringLiteral("org.example.App"));
        QVERIFY(!flooded.ok);
        QVERIFY(flooded.error.size() <= 1024 * 1024);
        QVERIFY(flooded.error.size() > 1000);
    }

    // Last: quitting cancels every flatpak of the process for good.
    void quittingEndsAHangingFlatpak()
    {
        FakeHome fake;
        const ScopedEnvironment path = standIn(fake, "exec sleep 600\n");
        auto pending = std::async(std::launch::async, [] { return FlatpakCommand().uninstall("org.example.App"); });
        QTest::qWait(300);
        QElapsedTimer ended;
        ended.start();
        FlatpakCommand::cancelAll();
        QVERIFY(!pending.get().ok);
        QVERIFY2(ended.elapsed() < 2000, QByteArray::number(ended.elapsed()).constData());
    }
};

QTEST_GUILESS_MAIN(TestFlatpakCommand)
#include "tst_flatpakcommand.moc"
