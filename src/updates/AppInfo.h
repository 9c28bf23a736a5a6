#pragma once

#include <QString>
#include <QUrl>

// The program's version and the maker's addresses, as the build was configured. An address
// that was not configured, or is no web (or mail) address, is an empty URL: nothing offers
// to open it.
namespace pelmo::AppInfo {

// The project version, "1.0" when the build names none.
[[nodiscard]] QString version();
// The build number, "1" when the build names none.
[[nodiscard]] QString build();
// English when the interface speaks English (and an English page exists), else Czech.
[[nodiscard]] QUrl webPage();
[[nodiscard]] QUrl donatePage();
// "mailto:" the support address, with the subject "Pelmo".
[[nodiscard]] QUrl supportMail();
// The update endpoint; empty when none is configured: then nothing ever goes online.
[[nodiscard]] QUrl updateFeed();
// The host the new versions come from as users read it ("tebrovan.cz"): the product
// page's, else the endpoint's; empty when neither is known.
[[nodiscard]] QString webDomain();

// `text` as an http(s) address with a host, else empty.
[[nodiscard]] QUrl webAddress(const QString &text);
// Whether the interface speaks English (the language installed, not the format locale).
[[nodiscard]] bool isEnglish();

} // namespace pelmo::AppInfo
