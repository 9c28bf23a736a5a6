#include "FakeHome.h"
#include "FakeServices.h"
#include "WarningRecorder.h"
#include "access/AccessManager.h"
#include "app/DialogFolderPicker.h"
#include "app/Window.h"
#include "app/ui/AppState.h"
#include "core/Localization.h"
#include "core/PathBytes.h"
#include "core/SizeText.h"
#include "platform/linux/FreedesktopTrash.h"

#include <QDialogButtonBox>
#include <QMimeData>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;

namespace {

void collectVisible(QQuickItem *item, QList<QQuickItem *> &out)
{
    if (!item->isVisible())
        return;
    out.append(item);
    for (QQuickItem *child : item->childItems())
        collectVisible(child, out);
}

// The first visible item, in paint order, that shows exactly `text` (a label, a button).
QQuickItem *showing(QQuickWindow *window, const QString &text)
{
    QList<QQuickItem *> items;
    collectVisible(window->contentItem(), items);
    for (QQuickItem *item : items)
        if (item->property("text").toString() == text)
            return item;
    return nullptr;
}

QQuickItem *visibleNamed(QQuickWindow *window, const QString &name)
{
    QList<QQuickItem *> items;
    collectVisible(window->contentItem(), items);
    const auto found = std::ranges::find(items, name, &QObject::objectName);
    return found == items.end() ? nullptr : *found;
}

// Clicks where a person would: the middle of the item, through the window, after scrolling
// it into view.
bool click(QQuickWindow *window, QQuickItem *item)
{
    if (!item)
        return false;
    for (QQuickItem *up = item->parentItem(); up; up = up->parentItem()) {
        if (!up->inherits("QQuickFlickable"))
            continue;
        const qreal bottom = item->mapToItem(up, QPointF(0, item->height())).y();
        if (bottom > up->height())
            up->setProperty("contentY", up->property("contentY").toReal() + bottom - up->height());
        break;
    }
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
    return true;
}

} // namespace

// A person's first session, driven through the window with clicks: grant the home folder
// on the welcome screen, let the first scan run, move a category to the real (fake home's)
// Trash, put an item back from the history, and drop a file to move its copy.
class TestJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstSession()
    {
        const WarningRecorder warnings;
        Localization::install(QStringLiteral("cs"));
        FakeHome fake;
        fake.writeFile("Library/Caches/com.example.app/data", 300'000);
        fake.writeFile("Library/Caches/org.other.tool/blob", 150'000);
        FakeStoreServices fakes;
        FreedesktopTrash trash(FreedesktopTrash::systemEnvironment()); // XDG_DATA_HOME lies in the fake home
        DialogFolderPicker picker;
        StoreServices services = fakes.services(fake, &picker);
        services.trash = &trash;
        CleanerStore store(services);
        AppState state(store);
        const auto engine = loadMainWindow(state);
        auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().value(0));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // Welcome: the folder dialog opens in the home folder, and its accept button, pressed
        // at once, chooses it.
        QVERIFY(!store.hasScanned());
        QVERIFY(click(window, showing(window, QStringLiteral("Povolit přístup k domovské složce"))));
        QTRY_VERIFY(picker.openDialog() && picker.openDialog()->isVisible());
        picker.openDialog()->reject(); // a change of mind grants nothing and says nothing
        QTRY_VERIFY(!picker.openDialog());
        QVERIFY(!store.access()->hasAccess() && store.access()->errorMessage().isEmpty());
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_Return); // the screen's one action, from the keyboard
        QTRY_VERIFY(picker.openDialog() && picker.openDialog()->isVisible());
        QFileDialog *dialog = picker.openDialog();
        QCOMPARE(dialog->directory().absolutePath(), fake.home());
        QVERIFY(dialog->isModal());
        auto *accept = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
        QVERIFY(accept);
        QCOMPARE(accept->text(), QStringLiteral("Povolit přístup"));
        accept->click();
        QTRY_VERIFY(window->findChild<QObject *>(QStringLiteral("contentView")));
        QTRY_VERIFY_WITH_TIMEOUT(store.hasScanned(), 20'000);
        QTRY_VERIFY(QTest::qWaitForWindowExposed(window) && !showing(window, Localization::tr("Prohledávám Mac…")));
        const qint64 cachesTotal = store.total(CleanCategory::caches);
        QCOMPARE(cachesTotal, fake.allocated("Library/Caches"));
        QVERIFY(showing(window, formatSize(cachesTotal))); // in the sidebar

        // The caches card of the overview opens the category; everything in it is
        // preselected, and it moves after the confirmation.
        QTRY_VERIFY(showing(window, QStringLiteral("Co zabírá místo")));
        QList<QQuickItem *> items;
        collectVisible(window->contentItem(), items);
        const auto card = std::ranges::find_if(items, [](QQuickItem *item) {
            return item->property("raw").toString() == Category::rawValue(CleanCategory::caches)
                && item->property("share").isValid();
        });
        QVERIFY(card != items.end());
        QVERIFY(click(window, *card));
        QTRY_VERIFY(showing(window, QStringLiteral("Přesunout do koše")));
        QVERIFY(click(window, showing(window, QStringLiteral("Přesunout do koše"))));
        const QString confirm = QStringLiteral("Přesunout do koše (%1)").arg(formatSize(cachesTotal));
        QTRY_VERIFY(showing(window, confirm));
        QTest::keyClick(window, Qt::Key_Return); // the confirmation's action is the default
        QTRY_VERIFY_WITH_TIMEOUT(store.history().size() == 2, 10'000);
        QVERIFY(!QFile::exists(fake.path("Library/Caches/com.example.app")));
        QTRY_VERIFY(showing(window, store.toast()));
        QVERIFY(store.toast().startsWith(QStringLiteral("Do koše přesunuto ")));
        QTRY_VERIFY(!showing(window, formatSize(cachesTotal))); // the sidebar row lost its size

        // The overview counts what was moved.
        QVERIFY(click(window, showing(window, QStringLiteral("Přehled"))));
        QTRY_VERIFY(showing(window, QStringLiteral("Celkem uvolněno")));
        QVERIFY(showing(window, formatSize(store.totalFreed())));
        QCOMPARE(store.totalFreed(), cachesTotal);

        // The history puts the first item back where it was.
        QVERIFY(click(window, showing(window, QStringLiteral("Historie"))));
        QTRY_VERIFY(showing(window, QStringLiteral("Vrátit zpět")));
        const QString restored = store.history().first().originalPath;
        QVERIFY(click(window, showing(window, QStringLiteral("Vrátit zpět"))));
        QTRY_COMPARE(store.history().size(), 1);
        QVERIFY(QFileInfo(restored).isDir());
        QVERIFY(store.history().first().originalPath != restored);

        // A file dragged onto the window: the highlight while it hovers, then its copies.
        fake.writeFile("Documents/thesis.odt", 5000, 't');
        fake.writeFile("Downloads/thesis (1).odt", 5000, 't');
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(fake.path("Documents/thesis.odt")), QUrl::fromLocalFile(fake.path("Music"))});
        const QPoint centre(window->width() / 2, window->height() / 2);
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QTRY_VERIFY(showing(window, QStringLiteral("Pusť soubor nebo aplikaci sem")));
        QDropEvent drop(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_VERIFY(!showing(window, QStringLiteral("Pusť soubor nebo aplikaci sem")));
        QTRY_VERIFY(showing(window, QStringLiteral("Kopie do koše (1)")));
        QVERIFY(showing(window, QStringLiteral("thesis (1).odt")));
        QVERIFY(click(window, showing(window, QStringLiteral("Kopie do koše (1)"))));
        QTRY_VERIFY(!window->findChild<QObject *>(QStringLiteral("dropAnalysis")));
        QVERIFY(!QFile::exists(fake.path("Downloads/thesis (1).odt")));
        QVERIFY(QFile::exists(fake.path("Documents/thesis.odt")));
        QCOMPARE(store.history().first().name, QStringLiteral("thesis (1).odt"));
        QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages()));
    }

    // Without a mouse: the sidebar walks with the arrow keys and Ctrl+digits, Tab reaches
    // the list, Space ticks a row, Shift+F10 opens its menu, Delete asks and Return moves.
    void keyboardOnly()
    {
        const WarningRecorder warnings;
        Localization::install(QStringLiteral("cs"));
        FakeHome fake;
        fake.writeBytes(
            ".config/Pelmo/Pelmo.conf", "[General]\nhomeFolderBookmark=@ByteArray(" + fake.home().toUtf8() + ")\n");
        fake.writeFile("Library/Caches/com.example.app/data", 300'000);
        fake.writeFile("Library/Caches/org.other.tool/blob", 150'000);
        FakeStoreServices fakes;
        FreedesktopTrash trash(FreedesktopTrash::systemEnvironment());
        StoreServices services = fakes.services(fake);
        services.trash = &trash;
        CleanerStore store(services);
        AppState state(store);
        const auto engine = loadMainWindow(state);
        auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().value(0));
        QVERIFY(window);
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_VERIFY_WITH_TIMEOUT(store.hasScanned(), 20'000);
        QObject *content = window->findChild<QObject *>(QStringLiteral("contentView"));
        QTRY_COMPARE(window->activeFocusItem()->objectName(), QStringLiteral("sidebar"));

        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(content->property("section").toString(), QStringLiteral("caches"));
        QTest::keyClick(window, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(content->property("section").toString(), QStringLiteral("logs"));
        QTest::keyClick(window, Qt::Key_End);
        QCOMPARE(content->property("section").toString(), QStringLiteral("about"));
        QTest::keyClick(window, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(content->property("section").toString(), QStringLiteral("caches"));

        // The list of the screen just made (the screens left before wait for deletion).
        QQuickItem *list = nullptr;
        QTRY_VERIFY((list = visibleNamed(window, QStringLiteral("categoryList"))));
        QTRY_COMPARE(list->property("count").toInt(), 2);
        for (int i = 0; i < 6 && !list->hasActiveFocus(); ++i)
            QTest::keyClick(window, Qt::Key_Tab);
        QVERIFY(list->hasActiveFocus());
        QCOMPARE(store.selection().size(), 2); // safe items come ticked
        QTest::keyClick(window, Qt::Key_Space);
        QTRY_COMPARE(store.selection().size(), 1);
        QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(showing(window, QStringLiteral("Nikdy nenabízet")));
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!showing(window, QStringLiteral("Nikdy nenabízet")));

        QTest::keyClick(window, Qt::Key_Delete);
        auto *confirm = window->findChild<QObject *>(QStringLiteral("confirmMove"));
        QTRY_VERIFY(confirm->property("visible").toBool());
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(store.history().size() == 1, 10'000);
        QCOMPARE(store.itemsIn(CleanCategory::caches).size(), 1);
        QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages()));
    }

    // A search belongs to the category it was typed in: the next category shows all of
    // its items from the top, and a selection that a search hides cannot be moved.
    void searchStaysWithItsCategory()
    {
        const WarningRecorder warnings;
        Localization::install(QStringLiteral("cs"));
        FakeHome fake;
        fake.writeBytes(
            ".config/Pelmo/Pelmo.conf", "[General]\nhomeFolderBookmark=@ByteArray(" + fake.home().toUtf8() + ")\n");
        for (int i = 0; i < 30; ++i) {
            fake.writeFile("Library/Caches/com.example.app" + std::to_string(i) + "/data", 120'000);
            fake.writeFile("Library/Logs/tool" + std::to_string(i) + "/run.log", 120'000);
        }
        FakeStoreServices fakes;
        CleanerStore store(fakes.services(fake));
        AppState state(store);
        const auto engine = loadMainWindow(state);
        auto *window = qobject_cast<QQuickWindow *>(engine->rootObjects().value(0));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY_WITH_TIMEOUT(store.hasScanned(), 20'000);
        QObject *content = window->findChild<QObject *>(QStringLiteral("contentView"));
        QVERIFY(content);

        content->setProperty("section", Category::rawValue(CleanCategory::logs));
        QTRY_VERIFY(window->findChild<QQuickItem *>(QStringLiteral("categorySearch")));
        auto *search = window->findChild<QQuickItem *>(QStringLiteral("categorySearch"));
        auto *list = window->findChild<QQuickItem *>(QStringLiteral("categoryList"));
        QTRY_COMPARE(list->property("count").toInt(), 30);
        QMetaObject::invokeMethod(list, "positionViewAtEnd");
        QTRY_VERIFY(!list->property("atYBeginning").toBool());

        content->setProperty("section", Category::rawValue(CleanCategory::caches));
        QTRY_COMPARE(list->property("count").toInt(), 30);
        QVERIFY(list->property("atYBeginning").toBool());
        auto *sort = window->findChild<QQuickItem *>(QStringLiteral("categorySort"));
        sort->forceActiveFocus();
        QTest::keyClick(window, Qt::Key_Down);
        QTRY_COMPARE(sort->property("currentIndex").toInt(), 1);
        // The list makes its reserve rows in idle time, as it has before a person types.
        QTest::qWait(200);
        search->forceActiveFocus();
        for (const char c : std::string_view("nothing like it"))
            QTest::keyClick(window, c);
        QTRY_COMPARE(list->property("count").toInt(), 0);
        // Ctrl+Backspace in the field deletes a word; it does not ask to move anything.
        const int confirmRequests = store.confirmRequest();
        QTest::keyClick(window, Qt::Key_Backspace, Qt::ControlModifier);
        QTRY_COMPARE(search->property("text").toString(), QStringLiteral("nothing like "));
        QCOMPARE(store.confirmRequest(), confirmRequests);
        QVERIFY(!showing(window, QStringLiteral("Přesunout do koše"))->isEnabled());
        QVERIFY(showing(window, QStringLiteral("Nic nevybráno · vybráno mimo hledání: 30")));

        content->setProperty("section", Category::rawValue(CleanCategory::logs));
        QTRY_COMPARE(list->property("count").toInt(), 30);
        QCOMPARE(search->property("text").toString(), QString());
        QCOMPARE(sort->property("currentIndex").toInt(), 0);
        QVERIFY(list->property("atYBeginning").toBool());
        QVERIFY(showing(window, QStringLiteral("Přesunout do koše"))->isEnabled());
        QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages()));
    }
};

QTEST_MAIN(TestJourney)
#include "tst_journey.moc"
