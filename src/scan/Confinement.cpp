#include "scan/Confinement.h"

#include "core/BuildInfo.h"
#include "core/PathBytes.h"
#include "scan/LinuxPlaces.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace pelmo {
namespace {

std::string realPath(const std::string &path)
{
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string out(resolved);
    std::free(resolved);
    return out;
}

bool isInside(std::string_view path, std::string_view folder)
{
    return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

bool hasDotComponent(std::string_view path)
{
    for (const std::string_view part : {std::string_view("/./"), std::string_view("/../")}) {
        if (path.find(part) != std::string_view::npos)
            return true;
    }
    return path.ends_with("/.") || path.ends_with("/..") || path.find("//") != std::string_view::npos;
}

} // namespace

Confinement::Confinement(const QString &home)
    : m_homeText(home)
    , m_home(PathBytes::toBytes(home))
{
    while (m_home.size() > 1 && m_home.back() == '/')
        m_home.pop_back();
    m_realHome = realPath(m_home);
    for (const LinuxPlaces::DocumentFolder &folder : LinuxPlaces::documentFolders(m_home))
        protect(m_documents, folder.path);
    std::vector<std::string> dataHomes = {m_home + "/.local/share"};
    std::vector<std::string> ownParents
        = {m_home + "/.config", m_home + "/.cache", m_home + "/.local/share", m_home + "/.local/state"};
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const std::string value = qEnvironmentVariable(variable).toStdString();
        if (!value.starts_with('/'))
            continue;
        ownParents.push_back(value);
        if (std::string_view(variable) == "XDG_DATA_HOME")
            dataHomes.push_back(value);
    }
    for (const std::string &dataHome : dataHomes)
        protect(m_untouchable, dataHome + "/Trash");
    for (const std::string &parent : ownParents) {
        protect(m_untouchable, parent + "/Pelmo");
        protect(m_untouchable, parent + "/pelmo");
    }
    protect(m_untouchable, m_home + "/.var/app/" + BuildInfo::applicationId);
}

void Confinement::protect(std::vector<std::string> &list, const std::string &place)
{
    list.push_back(place);
    const std::string real = realPath(place);
    if (!real.empty() && real != place)
        list.push_back(real);
}

std::vector<std::string> Confinement::placesOf(const QString &path) const
{
    const std::string given = PathBytes::toBytes(path);
    if (m_realHome.empty() || !isInside(given, m_home) || hasDotComponent(given) || given.ends_with('/'))
        return {};
    // Where the path really leads: no folder on the way may lead out of the home.
    const size_t slash = given.rfind('/');
    const std::string parent = realPath(given.substr(0, slash));
    if (parent.empty())
        return {given};
    const std::string resolved = parent + given.substr(slash);
    if (!isInside(resolved, m_realHome) && !isInside(resolved, m_home))
        return {};
    return {given, resolved};
}

bool Confinement::allows(const QString &path) const
{
    const std::vector<std::string> places = placesOf(path);
    if (places.empty())
        return false;
    return std::ranges::none_of(places, [&](const std::string &p) {
        const bool untouchable = std::ranges::any_of(m_untouchable,
            [&](const std::string &place) { return p == place || isInside(p, place) || isInside(place, p); });
        const bool document = std::ranges::any_of(
            m_documents, [&](const std::string &place) { return p == place || isInside(place, p); });
        return untouchable || document;
    });
}

bool Confinement::allowsOutsideDocuments(const QString &path) const
{
    if (!allows(path))
        return false;
    return std::ranges::none_of(placesOf(path), [&](const std::string &p) {
        return std::ranges::any_of(m_documents, [&](const std::string &place) { return isInside(p, place); });
    });
}

} // namespace pelmo
