#include "core/Localization.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// Every Czech key that the code uses must have an English text in the compiled table, and
// the text must keep the key's placeholders. The keys are found by Qt's own extractor
// over the source tree, so a text added anywhere without a translation fails here.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    static QStringList keysInSources()
    {
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("keys.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(PELMO_LUPDATE),
            {QStringLiteral(PELMO_SOURCE_DIR), QStringLiteral("-extensions"), QStringLiteral("cpp,h,qml"),
                QStringLiteral("-ts"), ts});
        if (!lupdate.waitForFinished(120'000) || lupdate.exitCode() != 0)
            return {};
        QFile file(ts);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList keys;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1StringView("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1StringView("source"))
                keys.append(context + u'\x1F' + xml.readElementText());
        }
        return keys;
    }

    static QStringList placeholders(const QString &text)
    {
        // A counting text's tables hold "%n" where its key holds "%lld".
        static const QRegularExpression pattern(QStringLiteral("%@|%lld|%n"));
        QStringList found;
        for (const auto &match : pattern.globalMatch(text))
            found.append(match.captured() == QLatin1StringView("%n") ? QStringLiteral("%lld") : match.captured());
        return found;
    }

private Q_SLOTS:
    void everyKeyHasAnEnglishText()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/pelmo_en.qm")));
        const QStringList keys = keysInSources();
        QVERIFY2(keys.size() > 40, "the extractor found the keys");
        QStringList missing;
        for (const QString &entry : keys) {
            const QString context = entry.section(u'\x1F', 0, 0);
            const QString key = entry.section(u'\x1F', 1);
            if (context != QLatin1StringView("Pelmo")) {
                missing.append(QStringLiteral("wrong context %1: %2").arg(context, key));
                continue;
            }
            const QString text = english.translate("Pelmo", key.toUtf8().constData());
            if (text.isEmpty())
                missing.append(key);
            else if (placeholders(text) != placeholders(key))
                missing.append(QStringLiteral("placeholders differ: ") + key);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // Counts take the plural form of the language: Czech has three, English two.
    void countsInEveryPluralForm()
    {
        const char *key = "%lld položek · %@";
        pelmo::Localization::install(QStringLiteral("cs"));
        const QStringList czech = {pelmo::Localization::plural(key, 1), pelmo::Localization::plural(key, 2),
            pelmo::Localization::plural(key, 5)};
        pelmo::Localization::install(QStringLiteral("en"));
        const QStringList english = {pelmo::Localization::plural(key, 1), pelmo::Localization::plural(key, 3)};
        QCOMPARE(czech, (QStringList {"1 položka · %@", "2 položky · %@", "5 položek · %@"}));
        QCOMPARE(english, (QStringList {"1 item · %@", "3 items · %@"}));
    }

    // The Czech table rewords only what names macOS things, and keeps placeholders.
    void czechOverridesAreFewAndWellFormed()
    {
        QTranslator czech;
        QVERIFY(czech.load(QStringLiteral(":/i18n/pelmo_cs.qm")));
        const QString text = czech.translate("Pelmo", "Data aplikací, které už na Macu nemáš.");
        QVERIFY(!text.isEmpty());
        QVERIFY(!text.contains(QStringLiteral("Mac")));
        QVERIFY(czech.translate("Pelmo", "Cache aplikací").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
