#pragma once

#include "ScopedEnvironment.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <list>
#include <string>
#include <string_view>

namespace pelmo::test {

// A home folder in a temporary directory, with HOME, XDG_CONFIG_HOME, XDG_DATA_HOME,
// XDG_CACHE_HOME and XDG_STATE_HOME pointed into it for the fixture's lifetime (XDG_DATA_DIRS
// gets a folder of its own in front of the system's), so that no test touches the real
// home, settings or trash (PELMO_MOUNTINFO hides the machine's disks, so the Trash folders
// on them are never listed or emptied). Relative paths are byte strings, so a test can make names that
// are not UTF-8.
class FakeHome
{
public:
    FakeHome();
    ~FakeHome();
    FakeHome(const FakeHome &) = delete;
    FakeHome &operator=(const FakeHome &) = delete;

    [[nodiscard]] QString home() const;
    [[nodiscard]] std::string homeBytes() const { return m_home; }
    [[nodiscard]] std::string bytes(std::string_view relative) const;
    [[nodiscard]] QString path(std::string_view relative) const;
    // The settings file that Pelmo's QSettings store reads.
    [[nodiscard]] QString settingsFile() const;

    void makeFolder(std::string_view relative) const;
    // A file of `size` bytes of real data (not sparse); parents are created.
    void writeFile(std::string_view relative, qint64 size, char fill = 'x') const;
    void writeBytes(std::string_view relative, const QByteArray &content) const;
    void symlink(std::string_view target, std::string_view relative) const;
    void setModified(std::string_view relative, const QDateTime &when) const;
    // The same for the item and everything inside it, links left alone.
    void setModifiedTree(std::string_view relative, const QDateTime &when) const;

    // What `du -l` counts for regular files: st_blocks * 512 of every regular file in the
    // subtree (or of the file itself), found by std::filesystem as an independent oracle.
    [[nodiscard]] qint64 allocated(std::string_view relative) const;

private:
    QTemporaryDir m_dir;
    std::string m_home;
    std::list<ScopedEnvironment> m_environment; // restored after the folder is gone
};

// The content of a file by its byte path ("" when unreadable), and how many entries a
// folder holds (0 when unreadable).
[[nodiscard]] std::string readAll(const std::string &path);
[[nodiscard]] size_t countIn(const std::string &folder);

} // namespace pelmo::test
