#include "FakeHome.h"
#include "ProcessRun.h"
#include "platform/linux/DesktopEntryFile.h"

#include <QDirIterator>
#include <QImageReader>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using pelmo::test::commandNames;
using pelmo::test::FakeHome;
using pelmo::test::ProcessRun;
using pelmo::test::runProgram;

namespace {

const QString appId = QStringLiteral(PELMO_APP_ID);

QStringList iconSizes()
{
    return QStringLiteral(PELMO_ICON_SIZES).split(u' ', Qt::SkipEmptyParts);
}

// The keys of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    QHash<QString, QString> keys;
    if (file.open(QIODevice::ReadOnly))
        pelmo::DesktopEntryFile::forEachKey(file.readAll().toStdString(), [&](auto group, auto key, const auto &value) {
            if (group == "Desktop Entry")
                keys.insert(QString::fromUtf8(key.data(), key.size()), QString::fromStdString(value));
        });
    return keys;
}

struct Metainfo
{
    QString id;
    QString launchable;
    QString binary;
    QStringList releases;
    QStringList screenshots;
};

Metainfo readMetainfo(const QString &path)
{
    QFile file(path);
    Metainfo info;
    if (!file.open(QIODevice::ReadOnly))
        return info;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1StringView("release"))
            info.releases.append(xml.attributes().value(QLatin1StringView("version")).toString());
        else if (name == QLatin1StringView("id") && info.id.isEmpty())
            info.id = xml.readElementText();
        else if (name == QLatin1StringView("launchable"))
            info.launchable = xml.readElementText();
        else if (name == QLatin1StringView("binary"))
            info.binary = xml.readElementText();
        else if (name == QLatin1StringView("image"))
            info.screenshots.append(xml.readElementText());
    }
    if (xml.hasError())
        info.id = QStringLiteral("unreadable: ") + xml.errorString();
    return info;
}

} // namespace

// Installs the build into a temporary DESTDIR, as a package build does, and checks what
// a desktop and a packager find there.
class TestInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_fake = std::make_unique<FakeHome>(); // the installed program reads settings
        QVERIFY(m_root.isValid());
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_root.path());
        install.setProcessEnvironment(environment);
        install.start(QStringLiteral(PELMO_CMAKE), {"--install", QStringLiteral(PELMO_BUILD_DIR), "--prefix", "/usr"});
        QVERIFY(install.waitForFinished(120'000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        m_prefix = m_root.path() + QStringLiteral("/usr");
    }

    // The program, what the desktop needs to show it, the manual and the licence; no test
    // program or developer tool.
    void installsTheWholeTreeAndNothingElse()
    {
        QStringList expected = {
            QStringLiteral("bin/pelmo"),
            QStringLiteral("share/applications/%1.desktop").arg(appId),
            QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId),
            QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(appId),
            QStringLiteral("share/man/man1/pelmo.1.gz"),
            QStringLiteral("share/doc/pelmo/copyright"),
            QStringLiteral("share/doc/pelmo/LICENSE"),
            QStringLiteral("share/doc/pelmo/changelog.gz"),
        };
        for (const QString &size : iconSizes())
            expected.append(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size, appId));
        QStringList installed;
        QDirIterator files(m_root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            installed.append(QDir(m_prefix).relativeFilePath(files.next()));
        installed.sort();
        expected.sort();
        QCOMPARE(installed, expected);

        const QString pelmo = m_prefix + QStringLiteral("/bin/pelmo");
        const ProcessRun version = runProgram(pelmo, {"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("pelmo " PELMO_VERSION "\n"));
        const ProcessRun help = runProgram(pelmo, {"-h"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("pelmo"));
        QVERIFY(help.err.isEmpty());
    }

    // The entry passes its validator, starts the installed program and names an icon the
    // theme has at every size.
    void desktopEntryNamesTheProgramAndItsIcon()
    {
        const QHash<QString, QString> entry
            = desktopEntry(m_prefix + QStringLiteral("/share/applications/%1.desktop").arg(appId));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        const QString program = entry.value(QStringLiteral("Exec")).section(u' ', 0, 0);
        QVERIFY(!program.isEmpty());
        QVERIFY(QFileInfo(m_prefix + QStringLiteral("/bin/") + program).isExecutable());
        const QString icon = entry.value(QStringLiteral("Icon"));
        QCOMPARE(icon, appId);
        const QString theme = m_prefix + QStringLiteral("/share/icons/hicolor/");
        QVERIFY(QFileInfo::exists(theme + QStringLiteral("scalable/apps/%1.svg").arg(icon)));
        for (const QString &size : iconSizes()) {
            QImageReader reader(theme + QStringLiteral("%1x%1/apps/%2.png").arg(size, icon));
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.size(), QSize(size.toInt(), size.toInt()));
        }
        validate(QStringLiteral("desktop-file-validate"),
            {m_prefix + QStringLiteral("/share/applications/%1.desktop").arg(appId)});
    }

    // The metainfo passes its validator and describes this build: its ID, its entry, its program, its version as the
    // newest release, screenshots as the screenshot tool names its files.
    void metainfoDescribesThisBuild()
    {
        const Metainfo info = readMetainfo(m_prefix + QStringLiteral("/share/metainfo/%1.metainfo.xml").arg(appId));
        QCOMPARE(info.id, appId);
        QCOMPARE(info.launchable, appId + QStringLiteral(".desktop"));
        QCOMPARE(info.binary, QStringLiteral("pelmo"));
        QVERIFY(!info.releases.isEmpty());
        QCOMPARE(info.releases.first(), QStringLiteral(PELMO_VERSION));
        QVERIFY(!info.screenshots.isEmpty());
        static const QRegularExpression shot(QStringLiteral("^https://.+/(cs|en)-\\d+(-dark)?-[a-z-]+\\.png$"));
        for (const QString &url : info.screenshots)
            QVERIFY2(shot.match(url).hasMatch(), qPrintable(url));
        validate(QStringLiteral("appstreamcli"),
            {QStringLiteral("validate"), QStringLiteral("--no-net"),
                m_prefix + QStringLiteral("/share/metainfo/%1.metainfo.xml").arg(appId)});
    }

    // The manual page has a section for every command and names every option the
    // program's and the commands' help name.
    void manualDocumentsEveryCommandAndOption()
    {
        const ProcessRun unpacked = runProgram(QStandardPaths::findExecutable(QStringLiteral("gzip")),
            {QStringLiteral("-dc"), m_prefix + QStringLiteral("/share/man/man1/pelmo.1.gz")});
        QCOMPARE(unpacked.status, 0);
        const QString manual = QString::fromUtf8(unpacked.out);
        QVERIFY(manual.startsWith(QStringLiteral(".TH PELMO 1 ")));
        QVERIFY(manual.contains(QStringLiteral("Pelmo " PELMO_VERSION)));

        const QString pelmo = m_prefix + QStringLiteral("/bin/pelmo");
        static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
        QStringList helps {QString::fromUtf8(runProgram(pelmo, {"--help"}).out)};
        for (const QString &command : commandNames) {
            QVERIFY2(manual.contains(QStringLiteral(".SS \"pelmo %1").arg(command)), qPrintable(command));
            helps.append(QString::fromUtf8(runProgram(pelmo, {command, "--help"}).out));
        }
        int options = 0;
        for (const QString &help : helps) {
            for (const QRegularExpressionMatch &match : option.globalMatch(help)) {
                ++options;
                const QString roff = match.captured().replace(u'-', QStringLiteral("\\-"));
                QVERIFY2(manual.contains(roff), qPrintable(match.captured()));
            }
        }
        QVERIFY(options > 10);
    }

private:
    // Validators are optional tools (scripts/test installs them); without one, its check is skipped.
    static void validate(const QString &program, const QStringList &arguments)
    {
        const QString validator = QStandardPaths::findExecutable(program);
        if (validator.isEmpty())
            QSKIP(qPrintable(program + QStringLiteral(" is not installed")));
        const ProcessRun run = runProgram(validator, arguments);
        QVERIFY2(run.status == 0 && !run.out.contains("error:"), (run.out + run.err).constData());
    }

    std::unique_ptr<FakeHome> m_fake;
    QTemporaryDir m_root;
    QString m_prefix;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
