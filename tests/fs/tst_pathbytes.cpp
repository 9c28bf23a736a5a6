#include "core/PathBytes.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace pelmo;

class TestPathBytes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("/home/a/file.txt") << QStringLiteral("/home/a/file.txt");
        QTest::newRow("czech") << QByteArray("Stažené/řeřicha") << QStringLiteral("Stažené/řeřicha");
        QTest::newRow("four-byte emoji") << QByteArray("a\xF0\x9F\x98\x80z") << QStringLiteral("a😀z");
        QTest::newRow("latin-1 byte") << QByteArray("caf\xE9.txt") << QStringLiteral("caf\uFFFD.txt");
        QTest::newRow("lone 0xff") << QByteArray("\xFF") << QStringLiteral("\uFFFD");
        QTest::newRow("truncated sequence") << QByteArray("x\xE2\x82") << QStringLiteral("x\uFFFD\uFFFD");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QStringLiteral("\uFFFD\uFFFD");
        QTest::newRow("utf-8 encoded surrogate") << QByteArray("\xED\xB3\xBF") << QStringLiteral("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80")
                                         << QStringLiteral("\uFFFD\uFFFD\uFFFD\uFFFD");
        QTest::newRow("newline and quote") << QByteArray("a\n\"b\"") << QStringLiteral("a\n\"b\"");
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const QString text = PathBytes::fromBytes(bytes.toStdString());
        QCOMPARE(QByteArray::fromStdString(PathBytes::toBytes(text)), bytes);
        QCOMPARE(PathBytes::display(text), shown);
        // Through a file URL, in the text form QML passes around, every byte survives.
        const QUrl url(PathBytes::toFileUrl(u'/' + text).toString());
        QVERIFY(url.isLocalFile());
        QCOMPARE(PathBytes::fromFileUrl(url), u'/' + text);
    }

    void fileUrls()
    {
        QCOMPARE(PathBytes::toFileUrl(u"/a b/#1?%.txt").toString(QUrl::FullyEncoded),
            QStringLiteral("file:///a%20b/%231%3F%25.txt"));
        QCOMPARE(PathBytes::fromFileUrl(QUrl(QStringLiteral("https://example.org/a"))), QString());
        QCOMPARE(
            PathBytes::fromFileUrl(QUrl::fromLocalFile(QStringLiteral("/home/jiří"))), QStringLiteral("/home/jiří"));
    }

    // A real character whose low surrogate lies in the escape range must not be taken for
    // an escaped byte (U+1F3FF has the low surrogate U+DFFF; U+10C80 has U+DC80).
    void realPairsAreNotEscapes()
    {
        const QByteArray bytes("\xF0\x90\xB2\x80");
        const QString text = PathBytes::fromBytes(bytes.toStdString());
        QCOMPARE(text.size(), 2);
        QCOMPARE(text.at(1).unicode(), char16_t(0xDC80));
        QCOMPARE(PathBytes::display(text), text);
        QCOMPARE(QByteArray::fromStdString(PathBytes::toBytes(text)), bytes);
    }

    void anyBytesRoundTrip()
    {
        QRandomGenerator random(42);
        for (int round = 0; round < 20000; ++round) {
            std::string bytes(random.bounded(1, 24), '\0');
            for (char &c : bytes)
                c = static_cast<char>(random.bounded(1, 256));
            const QString text = PathBytes::fromBytes(bytes);
            QCOMPARE(PathBytes::toBytes(text), bytes);
            QVERIFY(!PathBytes::display(text).contains(QChar(0xDCFF)));
        }
    }

    void validUtf8IsPlainText()
    {
        const QString text = QStringLiteral("Dokumenty/Účty 2024 — 😀.pdf");
        QCOMPARE(PathBytes::fromBytes(text.toUtf8().toStdString()), text);
        QCOMPARE(QByteArray::fromStdString(PathBytes::toBytes(text)), text.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestPathBytes)
#include "tst_pathbytes.moc"
