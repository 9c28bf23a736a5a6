#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "FakeServices.h"
#include "FakeTrashServices.h"
#include "WarningRecorder.h"
#include "app/AppState.h"
#include "app/Localization.h"
#include "app/Window.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;

// Loads every screen with a store on a fake home, in Czech and in English; any QML warning
// or error fails.
class TestQmlSmoke : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("granted");
        QTest::newRow("cs welcome") << "cs" << false;
        QTest::newRow("en welcome") << "en" << false;
        QTest::newRow("cs main") << "cs" << true;
        QTest::newRow("en main") << "en" << true;
    }

    void everyScreen()
    {
        QFETCH(QString, language);
        QFETCH(bool, granted);
        const WarningRecorder warnings;
        Localization::install(language);
        FakeHome fake;
        if (granted)
            fake.writeBytes(
                ".config/Pelmo/Pelmo.conf", "[General]\nhomeFolderBookmark=@ByteArray(" + fake.home().toUtf8() + ")\n");
        fake.writeFile("Library/Caches/com.example.app/data", 300'000);
        fake.writeFile("Library/Logs/tool/run.log", 200'000);
        FakeStoreServices fakes;
        fakes.disk = {1'000'000'000, 200'000'000};
        QmlFolderPicker picker;
        CleanerStore store(fakes.services(fake, &picker));
        AppState state(store, picker);
        const auto engine = loadMainWindow(state);
        QCOMPARE(engine->rootObjects().size(), 1);
        auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().first());
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(1020, 700));

        if (granted) {
            QTRY_VERIFY_WITH_TIMEOUT(store.hasScanned(), 20'000); // the first scan runs by itself
            QObject *content = window->findChild<QObject *>(QStringLiteral("contentView"));
            QVERIFY(content);
            QStringList sections = {QStringLiteral("overview"), QStringLiteral("trash"), QStringLiteral("history"),
                QStringLiteral("settings")};
            for (const CleanCategory category : allCategories)
                sections.append(Category::rawValue(category));
            for (const QString &section : sections) {
                content->setProperty("section", section);
                QTest::qWait(50);
            }
            store.showToast(QStringLiteral("Koš je vysypaný."));
            QTest::qWait(50);
            QVERIFY(state.drop({QUrl::fromLocalFile(fake.path("Library/Logs/tool/run.log"))}));
            QTRY_VERIFY(window->findChild<QObject *>(QStringLiteral("dropAnalysis")));
            QTest::qWait(100);
            state.closeDropAnalysis();
        } else {
            QVERIFY(!window->findChild<QObject *>(QStringLiteral("contentView")));
        }
        QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages()));
    }
};

QTEST_MAIN(TestQmlSmoke)
#include "tst_qmlsmoke.moc"
