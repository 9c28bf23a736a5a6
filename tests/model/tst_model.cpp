#include "core/Localization.h"
#include "core/SizeText.h"

#include <QtTest>

using namespace pelmo;

class TestModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("czech");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("0 B") << QStringLiteral("0 B");
        QTest::newRow("bytes") << qint64(999) << QStringLiteral("999 B") << QStringLiteral("999 B");
        QTest::newRow("one kB") << qint64(1000) << QStringLiteral("1 kB") << QStringLiteral("1 kB");
        QTest::newRow("kB rounds") << qint64(1499) << QStringLiteral("1 kB") << QStringLiteral("1 kB");
        QTest::newRow("kB up") << qint64(1500) << QStringLiteral("2 kB") << QStringLiteral("2 kB");
        QTest::newRow("carry into MB") << qint64(999'999) << QStringLiteral("1 MB") << QStringLiteral("1 MB");
        QTest::newRow("MB decimal") << qint64(1'550'000) << QStringLiteral("1.6 MB") << QStringLiteral("1,6 MB");
        QTest::newRow("MB whole") << qint64(6'037'504) << QStringLiteral("6 MB") << QStringLiteral("6 MB");
        QTest::newRow("GB two decimals") << qint64(1'234'567'890) << "1.23 GB"
                                         << "1,23 GB";
        QTest::newRow("GB trailing zero") << qint64(2'500'000'000) << "2.5 GB"
                                          << "2,5 GB";
        QTest::newRow("carry into GB") << qint64(999'960'000) << QStringLiteral("1 GB") << QStringLiteral("1 GB");
        QTest::newRow("TB") << qint64(3'000'000'000'000) << QStringLiteral("3 TB") << QStringLiteral("3 TB");
        QTest::newRow("negative") << qint64(-1'500'000) << QStringLiteral("-1.5 MB") << QStringLiteral("-1,5 MB");
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "9,223.37 PB"
                                 << "9 223,37 PB";
    }

    void sizes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, english);
        QFETCH(QString, czech);
        QCOMPARE(formatSize(bytes, QLocale(QLocale::English, QLocale::UnitedStates)), english);
        QCOMPARE(formatSize(bytes, QLocale(QLocale::Czech)).replace(QChar(0xA0), u' '), czech);
    }

    void placeholdersAreFilledInOrder_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("result");
        QTest::newRow("two texts") << "Kopie souboru „%@“ · %@" << QStringList {"a.txt", "~/Dokumenty"}
                                   << "Kopie souboru „a.txt“ · ~/Dokumenty";
        QTest::newRow("integer") << "položek: %lld, celkem %@" << QStringList {"3", "1 MB"}
                                 << "položek: 3, celkem 1 MB";
        QTest::newRow("argument holding a placeholder") << "%@ a %@" << QStringList {"%@", "x"} << "%@ a x";
        QTest::newRow("missing argument stays") << "%@ · %@" << QStringList {"a"} << "a · %@";
        QTest::newRow("lone percent") << "100% %@" << QStringList {"hotovo"} << "100% hotovo";
    }

    void placeholdersAreFilledInOrder()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, arguments);
        QFETCH(QString, result);
        QCOMPARE(Localization::format(pattern, arguments), result);
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
