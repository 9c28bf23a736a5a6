#include "core/Localization.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace pelmo {

QString Localization::format(const QString &pattern, const QStringList &arguments)
{
    static const QLatin1StringView kText("%@");
    static const QLatin1StringView kInteger("%lld");
    QString out;
    out.reserve(pattern.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size();) {
        const QStringView rest = QStringView(pattern).mid(i);
        qsizetype length = 0;
        if (rest.startsWith(kText))
            length = kText.size();
        else if (rest.startsWith(kInteger))
            length = kInteger.size();
        if (length > 0 && next < arguments.size()) {
            out += arguments[next++];
            i += length;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

AppLanguage Localization::languageFromRawValue(const QString &raw)
{
    if (raw == QLatin1StringView("cs"))
        return AppLanguage::cs;
    if (raw == QLatin1StringView("en"))
        return AppLanguage::en;
    return AppLanguage::system;
}

QString Localization::rawValue(AppLanguage language)
{
    switch (language) {
    case AppLanguage::cs:
        return QStringLiteral("cs");
    case AppLanguage::en:
        return QStringLiteral("en");
    case AppLanguage::system:
        break;
    }
    return QStringLiteral("system");
}

QString Localization::resolvedCode(AppLanguage language, const QLocale &system)
{
    if (language != AppLanguage::system)
        return rawValue(language);
    return system.language() == QLocale::Czech ? QStringLiteral("cs") : QStringLiteral("en");
}

QString Localization::plural(const char *key, qint64 n)
{
    const QString number = QString::number(n);
    return QCoreApplication::translate("Pelmo", key, nullptr, static_cast<int>(std::min<qint64>(n, INT_MAX)))
        .replace(QLatin1StringView("%lld"), number);
}

QLocale Localization::formatLocale(const QString &code)
{
    // The categories as the C library orders them; an unset or C locale says nothing, and
    // the interface language then formats too.
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        if (value == QLatin1StringView("C") || value == QLatin1StringView("POSIX") || value.startsWith(u"C."))
            break;
        return QLocale::system(); // Qt's system locale reads LC_NUMERIC and LC_TIME each for its own
    }
    return QLocale(code == QLatin1StringView("cs") ? QLocale::Czech : QLocale::English);
}

namespace {
QString g_installedCode; // written only by install(), on the main thread
} // namespace

QString Localization::installedCode()
{
    return g_installedCode;
}

void Localization::install(const QString &code)
{
    g_installedCode = code;
    // One translator for Pelmo's texts and one for Qt's own (its dialogs and standard
    // buttons) for the life of the process; the Czech table holds only the texts that name
    // macOS things, everything else shows its key.
    static std::unique_ptr<QTranslator> installed;
    static std::unique_ptr<QTranslator> qtInstalled;
    for (auto *translator : {&installed, &qtInstalled}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        *translator = std::make_unique<QTranslator>();
    }
    if (installed->load(QStringLiteral(":/i18n/pelmo_%1.qm").arg(code)))
        QCoreApplication::installTranslator(installed.get());
    if (qtInstalled->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtInstalled.get());
    QLocale::setDefault(formatLocale(code));
}

} // namespace pelmo
