#pragma once

#include <QString>

#include <string>
#include <vector>

namespace pelmo {

// Where in a home nothing may be moved from, the same for every road to the Trash. Only
// what lies strictly inside the home (also where its folders really lead) may move; never
// the home, a document folder or a folder that contains one, the Trash or a folder that
// contains it, nor anything that is, contains or lies inside Pelmo's own settings, state or
// cache. Built off the main thread (it resolves links and reads user-dirs.dirs); then a
// plain value.
class Confinement
{
public:
    explicit Confinement(const QString &home);

    [[nodiscard]] const QString &home() const { return m_homeText; }
    [[nodiscard]] bool allows(const QString &path) const;
    // Also refuses what lies inside a document folder (the uninstaller offers nothing there).
    [[nodiscard]] bool allowsOutsideDocuments(const QString &path) const;

private:
    // The path as given and as its folder really leads; nothing when it does not lie
    // strictly inside the home.
    [[nodiscard]] std::vector<std::string> placesOf(const QString &path) const;
    void protect(std::vector<std::string> &list, const std::string &place);

    QString m_homeText;
    std::string m_home;
    std::string m_realHome;
    std::vector<std::string> m_untouchable; // never is, contains or lies inside
    std::vector<std::string> m_documents;   // never is or contains (outside documents: nor inside)
};

} // namespace pelmo
