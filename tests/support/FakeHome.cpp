#include "FakeHome.h"

#include "core/PathBytes.h"

#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace pelmo::test {
namespace {

constexpr int kVariableCount = 7;
constexpr const char *kVariables[kVariableCount] = {
    "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DATA_DIRS", "XDG_STATE_HOME", "HOME", "PELMO_MOUNTINFO"};

void makeParents(const std::string &path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
}

} // namespace

FakeHome::FakeHome()
{
    QVERIFY2(m_dir.isValid(), "temporary folder");
    const std::string root = m_dir.path().toStdString();
    m_home = root + "/home";
    std::filesystem::create_directories(m_home);
    const std::string values[kVariableCount] = {m_home + "/.config", m_home + "/.local/share", m_home + "/.cache",
        root + "/system-data:/usr/local/share:/usr/share", // the MIME database stays visible
        m_home + "/.local/state", m_home,
        root + "/mountinfo"}; // no disk of the machine: its Trash folders stay out of reach
    for (int i = 0; i < kVariableCount; ++i)
        m_environment.emplace_back(kVariables[i], QByteArray::fromStdString(values[i]));
}

FakeHome::~FakeHome()
{
    // QTemporaryDir cannot remove names that are not UTF-8; std::filesystem works on bytes.
    std::error_code ignored;
    std::filesystem::remove_all(m_dir.path().toStdString(), ignored);
}

QString FakeHome::home() const
{
    return PathBytes::fromBytes(m_home);
}

std::string FakeHome::bytes(std::string_view relative) const
{
    return relative.empty() ? m_home : m_home + '/' + std::string(relative);
}

QString FakeHome::path(std::string_view relative) const
{
    return PathBytes::fromBytes(bytes(relative));
}

QString FakeHome::settingsFile() const
{
    return path(".config/Pelmo/Pelmo.conf");
}

void FakeHome::makeFolder(std::string_view relative) const
{
    std::filesystem::create_directories(bytes(relative));
}

void FakeHome::writeFile(std::string_view relative, qint64 size, char fill) const
{
    writeBytes(relative, QByteArray(size, fill));
}

void FakeHome::writeBytes(std::string_view relative, const QByteArray &content) const
{
    const std::string target = bytes(relative);
    makeParents(target);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(content.constData(), content.size());
    out.close();
    QVERIFY2(out.good(), target.c_str());
}

void FakeHome::symlink(std::string_view target, std::string_view relative) const
{
    const std::string link = bytes(relative);
    makeParents(link);
    QCOMPARE(::symlink(std::string(target).c_str(), link.c_str()), 0);
}

void FakeHome::setModified(std::string_view relative, const QDateTime &when) const
{
    const auto seconds = std::chrono::seconds(when.toSecsSinceEpoch());
    const auto time = std::filesystem::file_time_type::clock::from_sys(std::chrono::system_clock::time_point(seconds));
    std::filesystem::last_write_time(bytes(relative), time);
}

void FakeHome::setModifiedTree(std::string_view relative, const QDateTime &when) const
{
    const std::filesystem::path root(bytes(relative));
    setModified(relative, when);
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(root)))
        return;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_symlink())
            setModified(entry.path().string().substr(m_home.size() + 1), when);
    }
}

qint64 FakeHome::allocated(std::string_view relative) const
{
    auto blocksOf = [](const std::filesystem::path &p) {
        struct stat st
        {
        };
        return ::lstat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? qint64(st.st_blocks) * 512 : 0;
    };
    const std::filesystem::path root(bytes(relative));
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(root)))
        return blocksOf(root);
    qint64 total = 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(root))
        total += blocksOf(entry.path());
    return total;
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

size_t countIn(const std::string &folder)
{
    std::error_code ec;
    size_t n = 0;
    for (auto it = std::filesystem::directory_iterator(folder, ec); !ec && it != std::filesystem::directory_iterator();
         it.increment(ec))
        ++n;
    return n;
}

} // namespace pelmo::test
