#include "AppFixtures.h"
#include "Contrast.h"
#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "FakeServices.h"
#include "FakeTrashServices.h"
#include "WarningRecorder.h"
#include "app/AppIcon.h"
#include "app/ColorScheme.h"
#include "app/PdfPageProvider.h"
#include "app/ThemeIconProvider.h"
#include "app/Window.h"
#include "app/ui/AppState.h"
#include "core/Icons.h"
#include "core/Localization.h"
#include "drop/ui/DropAnalysisViewModel.h"
#include "screens/ui/PreviewViewModel.h"
#include "uninstall/ui/UninstallViewModel.h"
#include "updates/UpdateChecker.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

using namespace pelmo;
using namespace pelmo::test;

namespace {

// Items below `item` with this object name, found through the visual tree (a Repeater's
// items are not QObject children of the window).
int countItems(QQuickItem *item, const QString &name)
{
    int count = item->objectName() == name ? 1 : 0;
    for (QQuickItem *child : item->childItems())
        count += countItems(child, name);
    return count;
}

// Roles that a screen reader announces by name: a control or an element that stands for
// content (a row, a chart, a gauge) is useless to it without one.
bool namedRole(QAccessible::Role role)
{
    static const QList<QAccessible::Role> roles = {QAccessible::Button, QAccessible::CheckBox, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::ListItem, QAccessible::List, QAccessible::PageTab,
        QAccessible::PageTabList, QAccessible::Chart, QAccessible::ProgressBar, QAccessible::MenuItem};
    return roles.contains(role);
}

// `tint` at `alpha` over `base`, as a badge's capsule is drawn.
QColor over(const QColor &tint, double alpha, const QColor &base)
{
    return QColor::fromRgbF(float(tint.redF() * alpha + base.redF() * (1 - alpha)),
        float(tint.greenF() * alpha + base.greenF() * (1 - alpha)),
        float(tint.blueF() * alpha + base.blueF() * (1 - alpha)));
}

// Every visible item a person can reach (Tab, a click) or that stands for content, without
// an accessible name: "Type (text)" per item.
QStringList unnamed(QQuickItem *item)
{
    QStringList found;
    if (!item->isVisible() || item->opacity() == 0)
        return found;
    const bool editable
        = item->inherits("QQuickTextInput") && item->isEnabled() && !item->property("readOnly").toBool();
    const bool interactive = item->activeFocusOnTab() || item->inherits("QQuickAbstractButton") || editable;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
    const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
    if (name.trimmed().isEmpty() && (interactive || (accessible && namedRole(accessible->role()))))
        found.append(QString::fromLatin1(item->metaObject()->className()) + QStringLiteral(" (")
            + item->property("text").toString() + u')');
    for (QQuickItem *child : item->childItems())
        found += unnamed(child);
    return found;
}

} // namespace

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

    // The preview's PDF page: the first page fitted into the asked size, any file name.
    void pdfFirstPage();

    // The window's and the tray's icon comes from the resources, from the smallest size up:
    // a white sparkle on the teal tile even at 16 pixels.
    void applicationIconFromResources()
    {
        const QIcon icon = applicationIcon();
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
        const QImage small = icon.pixmap(QSize(16, 16)).toImage();
        QCOMPARE(small.size(), QSize(16, 16));
        QCOMPARE(small.pixelColor(8, 7), QColor(Qt::white));
        const QColor tile = small.pixelColor(3, 12);
        QVERIFY2(tile.green() > tile.red() + 60 && tile.alpha() == 255, qPrintable(tile.name(QColor::HexArgb)));
        QCOMPARE(small.pixelColor(0, 0).alpha(), 0); // rounded corners
    }

    // Every symbol name of the table is shipped, drawn in the colour asked for; an unknown
    // name is transparent rather than an error.
    void everySymbolIsShipped()
    {
        for (const QString &symbol : Icons::symbolNames()) {
            const QImage image = SymbolImageProvider::render(Icons::themeName(symbol), QSize(24, 24), Qt::white);
            QVERIFY2(!image.isNull(), qPrintable(symbol));
            QCOMPARE(image.size(), QSize(24, 24));
            int solid = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (const QColor c = image.pixelColor(x, y); c.alpha() > 200) {
                        ++solid;
                        QVERIFY2(c.red() > 250 && c.green() > 250 && c.blue() > 250, qPrintable(symbol));
                    }
            QVERIFY2(solid > 10, qPrintable(symbol));
        }
        SymbolImageProvider provider;
        QSize size;
        const QImage unknown = provider.requestImage(QStringLiteral("no.such.symbol/ff0000"), &size, QSize(16, 16));
        QCOMPARE(size, QSize(16, 16));
        bool red = false; // the "missing" symbol, in the colour asked for
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                red = red || (unknown.pixelColor(x, y).alpha() > 50 && unknown.pixelColor(x, y).red() > 240);
        QVERIFY(red);
    }

    // Every text colour of the theme keeps 4.5:1 on the surfaces it is drawn on, in the
    // light and the dark palette.
    void themeContrast()
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport Pelmo\nQtObject { property QtObject theme: Theme }", {});
        std::unique_ptr<QObject> holder(component.create());
        QVERIFY2(holder, qPrintable(component.errorString()));
        QObject *theme = holder->property("theme").value<QObject *>();
        const auto color = [theme](const char *name) { return theme->property(name).value<QColor>(); };
        for (const bool dark : {false, true}) {
            QGuiApplication::setPalette(ColorScheme::palette(dark));
            QTRY_COMPARE(theme->property("dark").toBool(), dark);
            const double tint = dark ? 0.22 : 0.14;
            const QList<std::tuple<const char *, QColor, QColor>> pairs = {
                {"text on window", color("text"), color("window")},
                {"text on sidebar", color("text"), color("sidebar")},
                {"secondary on card", color("secondaryText"), color("card")},
                {"secondary on window", color("secondaryText"), color("window")},
                {"secondary on sidebar", color("secondaryText"), color("sidebar")},
                {"secondary on selection", color("secondaryText"), color("selection")},
                {"secondary on track", color("secondaryText"), color("track")},
                {"placeholder on card", color("placeholderText"), color("card")},
                {"accent text on card", color("accentText"), color("card")},
                {"accent text on window", color("accentText"), color("window")},
                {"destructive text on window", color("destructiveText"), color("window")},
                {"white on accent", color("textOnAccent"), color("accent")},
                {"white on hovered accent", color("textOnAccent"), color("accentHover")},
                {"white on destructive", color("textOnAccent"), color("destructive")},
                {"safe badge", color("successText"), over(color("success"), tint, color("card"))},
                {"check badge", color("warningText"), over(color("warning"), tint, color("card"))},
            };
            for (const auto &[what, text, background] : pairs)
                QVERIFY2(contrast(text, background) >= 4.5,
                    qPrintable(QStringLiteral("%1 %2: %3")
                                   .arg(dark ? u"dark" : u"light", QLatin1StringView(what))
                                   .arg(contrast(text, background))));
        }
        QGuiApplication::setPalette(ColorScheme::palette(false));
    }

    void everyScreen()
    {
        QFETCH(QString, language);
        QFETCH(bool, granted);
        const WarningRecorder warnings;
        Localization::install(language);
        QAccessible::setActive(true); // controls fill in their names and roles for a screen reader
        FakeHome fake;
        if (granted)
            fake.writeBytes(
                ".config/Pelmo/Pelmo.conf", "[General]\nhomeFolderBookmark=@ByteArray(" + fake.home().toUtf8() + ")\n");
        fake.writeFile("Library/Caches/com.example.app/data", 300'000);
        fake.writeFile("Library/Logs/tool/run.log", 200'000);
        makeBundle(fake, "Applications/Editor.app", {"com.example.editor", "Editor", {}, "1.0"});
        for (const char *leftover : {"Library/Caches/com.example.editor/c", "Library/Application Support/Editor/d",
                 ".config/editor/s", "Library/Logs/Editor/l", ".config/autostart/com.example.editor.desktop"})
            fake.writeFile(leftover, 5000);
        FakeStoreServices fakes;
        fakes.disk = {1'000'000'000, 200'000'000};
        CleanerStore store(fakes.services(fake));
        AppState state(store);
        // An endpoint that refuses the connection: the about screen's failed state.
        UpdateChecker updates(QUrl(QStringLiteral("http://127.0.0.1:1/pelmo.json")), QStringLiteral("1.0"), fakes.clock,
            [] { return true; });
        UpdateChecker::setShared(&updates);
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
                QStringLiteral("settings"), QStringLiteral("about")};
            for (const CleanCategory category : allCategories)
                sections.append(Category::rawValue(category));
            for (const QString &section : sections) {
                content->setProperty("section", section);
                QTest::qWait(50);
                const QStringList nameless = unnamed(window->contentItem());
                QVERIFY2(nameless.isEmpty(),
                    qPrintable(section + QStringLiteral(": ") + nameless.join(QStringLiteral(", "))));
            }
            content->setProperty("section", QStringLiteral("about"));
            QTRY_VERIFY(window->findChild<QObject *>(QStringLiteral("checkStatus")));
            QObject *status = window->findChild<QObject *>(QStringLiteral("checkStatus"));
            QVERIFY(!status->property("visible").toBool());
            updates.check(true);
            QTRY_COMPARE_WITH_TIMEOUT(
                status->property("text").toString(), Localization::tr("Kontrola se nepovedla"), 20'000);
            QVERIFY(status->property("visible").toBool());
            // An application dropped on the window opens the uninstaller with it, leftovers in
            // every group.
            QVERIFY(state.drop({QUrl::fromLocalFile(fake.path("Applications/Editor.app"))}));
            QTRY_COMPARE(content->property("section").toString(), QStringLiteral("uninstall"));
            auto *uninstaller = window->findChild<UninstallViewModel *>();
            QVERIFY(uninstaller);
            QTRY_COMPARE(uninstaller->selectedPath(), fake.path("Applications/Editor.app"));
            QTRY_COMPARE(uninstaller->groups().size(), 5);
            QTRY_VERIFY(window->findChild<QObject *>(QStringLiteral("uninstallApp")));
            QVERIFY(window->findChild<QObject *>(QStringLiteral("uninstallApp"))->property("enabled").toBool());
            // The disk map shows a tile for each visible child of the home (Library and
            // Applications), and its inspector a focus.
            content->setProperty("section", QStringLiteral("diskMap"));
            QTRY_COMPARE_WITH_TIMEOUT(countItems(window->contentItem(), QStringLiteral("mapTile")), 2, 20'000);
            state.diskMap()->setSelectedID(fake.path("Library"));
            state.diskMap()->setHighlightKind(static_cast<int>(NodeKind::folder));
            QTest::qWait(50);
            state.diskMap()->setHighlightKind(-1);
            content->setProperty("section", QStringLiteral("overview"));
            store.showToast(QStringLiteral("Koš je vysypaný."));
            QTest::qWait(50);
            QVERIFY(state.drop({QUrl::fromLocalFile(fake.path("Library/Logs/tool/run.log"))}));
            QTRY_VERIFY2(window->findChild<QObject *>(QStringLiteral("dropAnalysis")), qPrintable(warnings.messages()));
            QTest::qWait(100);
            // A second drop while the sheet is open analyses the new item.
            const QString second = fake.path("Library/Caches/com.example.app/data");
            QVERIFY(state.drop({QUrl::fromLocalFile(second)}));
            QTRY_COMPARE(window->findChildren<QObject *>(QStringLiteral("dropAnalysis")).size(), 1);
            QTRY_COMPARE(window->findChild<DropAnalysisViewModel *>()->path(), second);
            QTest::qWait(100);
            QStringList nameless = unnamed(window->contentItem());
            QVERIFY2(nameless.isEmpty(),
                qPrintable(QStringLiteral("drop analysis: ") + nameless.join(QStringLiteral(", "))));
            state.closeDropAnalysis();
            content->setProperty("section", QStringLiteral("logs"));
            QObject *confirm = window->findChild<QObject *>(QStringLiteral("confirmMove"));
            QVERIFY(QMetaObject::invokeMethod(confirm, "open"));
            QTest::qWait(100);
            nameless = unnamed(window->contentItem());
            QVERIFY2(
                nameless.isEmpty(), qPrintable(QStringLiteral("confirmation: ") + nameless.join(QStringLiteral(", "))));
        } else {
            QVERIFY(!window->findChild<QObject *>(QStringLiteral("contentView")));
            const QStringList nameless = unnamed(window->contentItem());
            QVERIFY2(nameless.isEmpty(), qPrintable(QStringLiteral("welcome: ") + nameless.join(QStringLiteral(", "))));
        }
        QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages()));
    }
};

namespace {

// A one-page PDF of `width` × `height` points with a filled square, offsets computed.
QByteArray onePagePdf(int width, int height)
{
    const QByteArray stream = "0 0 1 rg 10 10 50 50 re f";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + QByteArray::number(width) + ' ' + QByteArray::number(height)
            + "] /Contents 4 0 R >>",
        "<< /Length " + QByteArray::number(stream.size()) + " >>\nstream\n" + stream + "\nendstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace

void TestQmlSmoke::pdfFirstPage()
{
    FakeHome fake;
    fake.writeBytes("Documents/paper.pdf", onePagePdf(200, 100));
    fake.writeBytes("Documents/\xff odd.pdf", onePagePdf(100, 300));
    fake.writeBytes("Documents/broken.pdf", "%PDF-1.4 this is no document");
    PdfPageProvider provider;
    QSize size;
    const QImage wide
        = provider.requestImage(PreviewViewModel::pdfPageId(fake.path("Documents/paper.pdf")), &size, QSize(400, 400));
    QCOMPARE(wide.size(), QSize(400, 200)); // the page's shape, fitted into what was asked
    QCOMPARE(size, wide.size());
    QCOMPARE(wide.pixelColor(40, 160), QColor(Qt::blue));  // the square, 10–60 pt from the bottom left
    QCOMPARE(wide.pixelColor(300, 20), QColor(Qt::white)); // paper, in a dark window too
    const QImage tall = provider.requestImage(
        PreviewViewModel::pdfPageId(fake.path("Documents/\xff odd.pdf")), &size, QSize(300, 300));
    QCOMPARE(tall.size(), QSize(100, 300));
    QVERIFY(provider.requestImage(PreviewViewModel::pdfPageId(fake.path("Documents/broken.pdf")), &size, {}).isNull());
    QVERIFY(provider.requestImage(PreviewViewModel::pdfPageId(fake.path("Documents/gone.pdf")), &size, {}).isNull());
}

QTEST_MAIN(TestQmlSmoke)
#include "tst_qmlsmoke.moc"
