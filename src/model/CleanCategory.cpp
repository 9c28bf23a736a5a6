#include "CleanCategory.h"

#include "core/Localization.h"

#include <QtGlobal>

namespace pelmo::Category {
namespace {

struct Row
{
    const char *raw;
    const char *title;
    const char *subtitle;
    const char *symbol;
    SrgbColor color;
};

constexpr std::array<Row, 7> kRows = {{
    {"caches", QT_TRANSLATE_NOOP("Pelmo", "Cache aplikací"),
        QT_TRANSLATE_NOOP("Pelmo", "Dočasná data, která si aplikace samy vytvoří znovu."), "internaldrive",
        {0.20, 0.52, 0.95}},
    {"logs", QT_TRANSLATE_NOOP("Pelmo", "Logy a hlášení"),
        QT_TRANSLATE_NOOP("Pelmo", "Provozní logy a hlášení o pádech aplikací."), "doc.text", {0.95, 0.60, 0.15}},
    {"developer", QT_TRANSLATE_NOOP("Pelmo", "Vývojářský odpad"),
        QT_TRANSLATE_NOOP("Pelmo", "Xcode, simulátory, npm a další nástroje."), "hammer", {0.62, 0.40, 0.92}},
    {"leftovers", QT_TRANSLATE_NOOP("Pelmo", "Zbytky po aplikacích"),
        QT_TRANSLATE_NOOP("Pelmo", "Data aplikací, které už na Macu nemáš."), "app.dashed", {0.12, 0.68, 0.78}},
    {"installers", QT_TRANSLATE_NOOP("Pelmo", "Instalátory"),
        QT_TRANSLATE_NOOP("Pelmo", "Staré soubory DMG, PKG a ISO ve Stažených."), "shippingbox", {0.92, 0.35, 0.55}},
    {"duplicates", QT_TRANSLATE_NOOP("Pelmo", "Duplicitní soubory"),
        QT_TRANSLATE_NOOP("Pelmo", "Identické soubory. Nejstarší kopie zůstane jako originál."), "doc.on.doc",
        {0.35, 0.40, 0.88}},
    {"largeFiles", QT_TRANSLATE_NOOP("Pelmo", "Velké soubory"),
        QT_TRANSLATE_NOOP("Pelmo", "Velké soubory, na které jsi možná zapomněl."), "film.stack", {0.90, 0.32, 0.30}},
}};

const Row &row(CleanCategory category)
{
    return kRows[static_cast<size_t>(category)];
}

} // namespace

QString rawValue(CleanCategory category)
{
    return QString::fromLatin1(row(category).raw);
}

std::optional<CleanCategory> fromRawValue(QStringView raw)
{
    for (const CleanCategory category : allCategories) {
        if (raw == QLatin1StringView(row(category).raw))
            return category;
    }
    return std::nullopt;
}

QString title(CleanCategory category)
{
    return Localization::tr(row(category).title);
}

QString subtitle(CleanCategory category)
{
    return Localization::tr(row(category).subtitle);
}

QString symbol(CleanCategory category)
{
    return QString::fromLatin1(row(category).symbol);
}

SrgbColor color(CleanCategory category)
{
    return row(category).color;
}

} // namespace pelmo::Category
