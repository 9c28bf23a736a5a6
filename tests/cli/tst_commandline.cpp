#include "FakeHome.h"
#include "ProcessRun.h"
#include "core/SizeText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

using namespace pelmo;
using pelmo::test::commandNames;
using pelmo::test::FakeHome;
using pelmo::test::ProcessRun;
using pelmo::test::runPelmo;

namespace {

// Something to move and something in the Trash, so that a command that acted instead of
// helping would show.
void populate(const FakeHome &fake)
{
    fake.writeBytes(".config/Pelmo/Pelmo.conf", "[General]\nappLanguage=cs\n");
    fake.writeBytes("Library/Caches/com.example.one/data", QByteArray(300'000, 'c'));
    fake.writeBytes("Library/Caches/com.example.two/data", QByteArray(200'000, 'c'));
    fake.writeBytes("Library/Logs/tool/run.log", QByteArray(150'000, 'l'));
    fake.writeBytes(".local/share/Trash/files/old.txt", "old");
}

bool untouched(const FakeHome &fake)
{
    return std::filesystem::exists(fake.bytes("Library/Caches/com.example.one/data"))
        && std::filesystem::exists(fake.bytes("Library/Logs/tool/run.log"))
        && std::filesystem::exists(fake.bytes(".local/share/Trash/files/old.txt"));
}

// The options a help text names, without the help options themselves.
QStringList optionsIn(const QByteArray &help)
{
    QStringList options;
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    for (const QRegularExpressionMatch &match : option.globalMatch(QString::fromUtf8(help))) {
        if (match.captured() != QLatin1StringView("--help") && !options.contains(match.captured()))
            options.append(match.captured());
    }
    return options;
}

// A pseudo-terminal whose far end a child process can open by name as its stderr.
class Terminal
{
public:
    Terminal()
        : m_master(::posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
            m_name = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~Terminal()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    Terminal(const Terminal &) = delete;
    Terminal &operator=(const Terminal &) = delete;

    [[nodiscard]] const QString &name() const { return m_name; }

    // What was written to the terminal so far (the child has closed its end).
    [[nodiscard]] QByteArray drain() const
    {
        QByteArray text;
        ::fcntl(m_master, F_SETFL, O_NONBLOCK);
        char buffer[4096];
        for (ssize_t n; (n = ::read(m_master, buffer, sizeof buffer)) > 0;)
            text.append(buffer, n);
        return text;
    }

private:
    int m_master;
    QString m_name;
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Help is printed on stdout with status 0, and it wins over everything else on the
    // line: nothing is scanned, moved or emptied.
    void helpIsPrintedAndNothingIsDone_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command"); // empty for the program's help
        QTest::newRow("--help") << QStringList {"--help"} << QString();
        QTest::newRow("-h") << QStringList {"-h"} << QString();
        QTest::newRow("help") << QStringList {"help"} << QString();
        QTest::newRow("help clean") << QStringList {"help", "clean"} << QStringLiteral("clean");
        QTest::newRow("scan --help") << QStringList {"scan", "--home", "HOME", "--help"} << QStringLiteral("scan");
        QTest::newRow("clean -h with a choice")
            << QStringList {"clean", "--home", "HOME", "--safe", "--yes", "-h"} << QStringLiteral("clean");
        QTest::newRow("clean --help among bad options")
            << QStringList {"clean", "--bogus", "--help"} << QStringLiteral("clean");
        QTest::newRow("history --help") << QStringList {"history", "--help"} << QStringLiteral("history");
        QTest::newRow("restore -h") << QStringList {"restore", "-h"} << QStringLiteral("restore");
        QTest::newRow("trash empty --yes --help")
            << QStringList {"trash", "empty", "--yes", "--help"} << QStringLiteral("trash");
    }

    void helpIsPrintedAndNothingIsDone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, command);
        FakeHome fake;
        populate(fake);
        arguments.replaceInStrings(QStringLiteral("HOME"), fake.home());
        const ProcessRun run = runPelmo(arguments);
        QCOMPARE(run.status, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(untouched(fake));
        const QString out = QString::fromUtf8(run.out);
        // The program's help lists every command; a command's help shows only its own.
        for (const QString &name : commandNames) {
            if (command.isEmpty())
                QVERIFY2(out.contains(QStringLiteral("\n  ") + name + u' '), qPrintable(name));
            else
                QCOMPARE(out.contains(QStringLiteral("pelmo ") + name), name == command);
        }
        QCOMPARE(out.contains(QLatin1StringView("--version")), command.isEmpty());
    }

    // A command accepts every option its help names: none of them is refused as unknown.
    void helpNamesOnlyOptionsTheCommandKnows()
    {
        FakeHome fake;
        populate(fake);
        for (const QString &command : commandNames) {
            const QStringList options = optionsIn(runPelmo({command, "--help"}).out);
            const QByteArray unknown = runPelmo({command, "--no-such-option"}).err;
            QVERIFY(unknown.contains("--no-such-option"));
            for (const QString &option : options) {
                const ProcessRun run = runPelmo({command, option, "--no-such-option"});
                const QByteArray refusal = QByteArray(unknown).replace("--no-such-option", option.toUtf8());
                QVERIFY2(!run.err.contains(refusal), qPrintable(command + u' ' + option));
            }
        }
        QVERIFY(untouched(fake));
    }

    // A bad command line gets its problem and the usage of every command on stderr,
    // status 2, and nothing on stdout.
    void badCommandLinesGoToStderr_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown command") << QStringList {"frobnicate"};
        QTest::newRow("unknown option") << QStringList {"--frobnicate"};
        QTest::newRow("help for an unknown command") << QStringList {"help", "frobnicate"};
        QTest::newRow("help with two commands") << QStringList {"help", "scan", "clean"};
        QTest::newRow("version with an argument") << QStringList {"--version", "now"};
    }

    void badCommandLinesGoToStderr()
    {
        QFETCH(QStringList, arguments);
        FakeHome fake;
        const ProcessRun run = runPelmo(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        for (const QString &name : commandNames)
            QVERIFY(run.err.contains("pelmo " + name.toUtf8()));
    }

    // On a terminal, clean counts the items and bytes moved so far on stderr, ending with
    // the batch's figures; without one, stderr stays quiet.
    void cleanShowsProgressOnlyOnATerminal()
    {
        FakeHome fake;
        populate(fake);
        const QStringList arguments {"clean", "--home", fake.home(), "--safe", "--yes", "--json"};

        Terminal terminal;
        QVERIFY(!terminal.name().isEmpty());
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardErrorFile(terminal.name());
        process.start(QStringLiteral(PELMO_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(60'000));
        QCOMPARE(process.exitCode(), 0);
        const QJsonObject outcome = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        const qsizetype moved = outcome[QStringLiteral("moved")].toArray().size();
        QCOMPARE(moved, 3);

        QStringList lines = QString::fromUtf8(terminal.drain()).split(QStringLiteral("\r\033[K"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), moved);
        static const QRegularExpression counts(QStringLiteral("\\(položek: (\\d+) z (\\d+)\\)$"));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch match = counts.match(lines[i]);
            QVERIFY2(match.hasMatch(), qPrintable(lines[i]));
            QCOMPARE(match.captured(1).toLongLong(), i + 1);
            QCOMPARE(match.captured(2).toLongLong(), moved);
        }
        const QString freed = formatSize(outcome[QStringLiteral("freed")].toInteger(), QLocale(QLocale::Czech));
        QVERIFY2(lines.last().contains(u' ' + freed + u' '), qPrintable(lines.last()));

        fake.writeBytes("Library/Caches/com.example.three/data", QByteArray(300'000, 'c'));
        const ProcessRun quiet = runPelmo(arguments);
        QCOMPARE(quiet.status, 0);
        QVERIFY(quiet.err.isEmpty());
        QVERIFY(!std::filesystem::exists(fake.bytes("Library/Caches/com.example.three")));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
