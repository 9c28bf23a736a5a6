#include "TrashInfo.h"

#include "core/PathBytes.h"

#include <QByteArray>

namespace pelmo::TrashInfo {
std::string percentDecoded(std::string_view text)
{
    return QByteArray::fromPercentEncoding(QByteArray(text.data(), static_cast<qsizetype>(text.size()))).toStdString();
}

std::string compose(std::string_view recorded, std::string_view deletionDate)
{
    return "[Trash Info]\nPath=" + PathBytes::percentEncoded(recorded) + "\nDeletionDate=" + std::string(deletionDate)
        + "\n";
}

namespace {

// The value of the first `key` line of the "[Trash Info]" group.
std::optional<std::string_view> valueOf(std::string_view content, std::string_view key)
{
    bool inGroup = false;
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.starts_with('[')) {
            inGroup = line == "[Trash Info]";
            continue;
        }
        if (inGroup && line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=')
            return line.substr(key.size() + 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> recordedPath(std::string_view content)
{
    const std::optional<std::string_view> value = valueOf(content, "Path");
    if (!value)
        return std::nullopt;
    return percentDecoded(*value);
}

QDateTime deletionDate(std::string_view content)
{
    const std::optional<std::string_view> value = valueOf(content, "DeletionDate");
    if (!value)
        return {};
    const QString text = QString::fromLatin1(value->data(), static_cast<qsizetype>(value->size()));
    QDateTime date = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!date.isValid())
        date = QDateTime::fromString(text, QStringLiteral("yyyyMMddTHH:mm:ss"));
    return date;
}

} // namespace pelmo::TrashInfo
