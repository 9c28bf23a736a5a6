#include "NodeKind.h"

#include "core/Localization.h"
#include "scan/ScanPaths.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace pelmo {
namespace {

struct Row
{
    const char *raw;
    const char *title;
    const char *symbol;
    double hue;
    double saturation;
    double brightness;
};

constexpr std::array<Row, 9> kRows = {{
    {"folder", QT_TRANSLATE_NOOP("Pelmo", "Složky"), "folder.fill", 0.60, 0.62, 0.74},
    {"app", QT_TRANSLATE_NOOP("Pelmo", "Programy"), "app.fill", 0.76, 0.50, 0.72},
    {"image", QT_TRANSLATE_NOOP("Pelmo", "Obrázky"), "photo.fill", 0.36, 0.65, 0.55},
    {"video", QT_TRANSLATE_NOOP("Pelmo", "Videa"), "film.fill", 0.96, 0.62, 0.80},
    {"audio", QT_TRANSLATE_NOOP("Pelmo", "Hudba a zvuk"), "music.note", 0.07, 0.80, 0.82},
    {"document", QT_TRANSLATE_NOOP("Pelmo", "Dokumenty"), "doc.text.fill", 0.50, 0.70, 0.56},
    {"archive", QT_TRANSLATE_NOOP("Pelmo", "Archivy a obrazy"), "archivebox.fill", 0.09, 0.80, 0.62},
    {"code", QT_TRANSLATE_NOOP("Pelmo", "Kód a data"), "chevron.left.forwardslash.chevron.right", 0.70, 0.55, 0.70},
    {"other", QT_TRANSLATE_NOOP("Pelmo", "Ostatní"), "doc.fill", 0.60, 0.08, 0.52},
}};

const Row &row(NodeKind kind)
{
    return kRows[static_cast<size_t>(kind)];
}

bool isOneOf(const std::string &extension, std::initializer_list<std::string_view> list)
{
    return std::ranges::find(list, extension) != list.end();
}

} // namespace

namespace Kind {

NodeKind of(std::string_view name, bool isDirectory)
{
    // A name that is only a dot and letters (".app") has no extension, as on the Mac.
    const std::string extension = name.rfind('.') == 0 || name.rfind('.') == std::string_view::npos
        ? std::string()
        : DiskScanner::lowerExtension(name);
    if (extension == "app")
        return NodeKind::app;
    if (extension == "photoslibrary")
        return NodeKind::image;
    if (isOneOf(extension, {"imovielibrary", "fcpbundle", "tvlibrary"}))
        return NodeKind::video;
    if (isOneOf(extension, {"musiclibrary", "logicx", "band"}))
        return NodeKind::audio;
    if (isDirectory)
        return NodeKind::folder;
    if (isOneOf(extension,
            {"jpg", "jpeg", "png", "gif", "heic", "heif", "tif", "tiff", "bmp", "webp", "raw", "cr2", "nef", "arw",
                "dng", "psd", "svg", "ai", "icns", "sketch", "fig"}))
        return NodeKind::image;
    if (isOneOf(extension, {"mov", "mp4", "m4v", "avi", "mkv", "wmv", "webm", "mpg", "mpeg", "flv", "m2ts", "mts"}))
        return NodeKind::video;
    if (isOneOf(extension, {"mp3", "m4a", "aac", "wav", "aif", "aiff", "flac", "ogg", "opus", "caf", "mid", "midi"}))
        return NodeKind::audio;
    if (isOneOf(extension,
            {"pdf", "doc", "docx", "xls", "xlsx", "ppt", "pptx", "pages", "numbers", "key", "txt", "rtf", "md", "odt",
                "ods", "epub", "csv"}))
        return NodeKind::document;
    if (isOneOf(
            extension, {"zip", "rar", "7z", "tar", "gz", "tgz", "bz2", "xz", "dmg", "iso", "pkg", "img", "ipa", "xip"}))
        return NodeKind::archive;
    if (isOneOf(extension,
            {"swift", "m", "h", "c", "cpp", "js", "ts", "py", "rb", "go", "rs", "java", "kt", "json", "xml", "html",
                "css", "sh", "plist", "sqlite", "db", "log", "yml", "yaml", "o", "a", "dylib"}))
        return NodeKind::code;
    return NodeKind::other;
}

QString title(NodeKind kind)
{
    return Localization::tr(row(kind).title);
}

QString rawValue(NodeKind kind)
{
    return QString::fromLatin1(row(kind).raw);
}

QString symbol(NodeKind kind)
{
    return QString::fromLatin1(row(kind).symbol);
}

SrgbColor color(NodeKind kind, int variant, double lift)
{
    const Row &r = row(kind);
    const double brightness = std::clamp(r.brightness + 0.04 * variant + lift, 0.0, 1.0);
    return fromHsb(r.hue + 0.012 * variant, r.saturation, brightness);
}

} // namespace Kind

SrgbColor fromHsb(double hue, double saturation, double brightness)
{
    const double h = (hue - std::floor(hue)) * 6.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double v = brightness;
    const double p = v * (1 - saturation);
    const double q = v * (1 - saturation * f);
    const double t = v * (1 - saturation * (1 - f));
    switch (sector) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    default:
        return {v, p, q};
    }
}

} // namespace pelmo
