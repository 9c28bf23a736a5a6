#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace pelmo {

// The language setting's values; any other stored text counts as `system`.
enum class AppLanguage { system, cs, en };

// Czech texts are the keys of one string table, context "Pelmo". Texts declared in tables
// are marked with QT_TRANSLATE_NOOP("Pelmo", ...) and looked up through tr() at use.
class Localization
{
    Q_DECLARE_TR_FUNCTIONS(Pelmo)

public:
    // Fills printf-style placeholders after the lookup: "%@" takes the next text argument,
    // "%lld" the next argument too (callers pass integers already rendered).
    [[nodiscard]] static QString format(const QString &pattern, const QStringList &arguments);

    // A text that counts something, in the plural form of the interface language for `n`
    // (Czech has three: 1 položka, 2 položky, 5 položek). The key is marked with
    // QT_TRANSLATE_N_NOOP("Pelmo", ...) and holds "%lld" where the tables hold "%n"; either
    // way the result shows the number.
    [[nodiscard]] static QString plural(const char *key, qint64 n);

    [[nodiscard]] static AppLanguage languageFromRawValue(const QString &raw);
    [[nodiscard]] static QString rawValue(AppLanguage language);

    // "cs" or "en": the choice itself, or for `system` Czech on a Czech desktop and
    // English everywhere else.
    [[nodiscard]] static QString resolvedCode(AppLanguage language, const QLocale &system = QLocale::system());

    // The locale that formats dates and numbers: the user's (LC_NUMERIC, LC_TIME) when the
    // environment names one, else that of the interface language `code`.
    [[nodiscard]] static QLocale formatLocale(const QString &code);

    // Loads the compiled table of `code` and Qt's own translations into the application and
    // makes formatLocale(code) the default. Replaces any earlier choice.
    static void install(const QString &code);
    // The code last installed ("cs" or "en"), empty before any: the interface language,
    // which the format locale need not share.
    [[nodiscard]] static QString installedCode();
};

} // namespace pelmo
