#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace pelmo {

// What the update endpoint says about the newest release.
struct Release
{
    QString version;
    QString url; // the download page, as sent
    std::optional<QString> notesCs;
    std::optional<QString> notesEn;

    // One JSON object with the strings "version" and "url" and optionally "notes_cs" and
    // "notes_en" (null counts as absent); other keys are ignored. Anything else, a missing
    // key or a value of another type included, is no release.
    [[nodiscard]] static std::optional<Release> fromJson(const QByteArray &json);

    friend bool operator==(const Release &, const Release &) = default;
};

} // namespace pelmo
