#include "SettingsFile.h"

#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pelmo::SettingsFile {
namespace {

constexpr qint64 kMargin = 64 * 1024;
constexpr size_t kMaxSize = 64 * 1024 * 1024;

// The number of "key=value" lines, and whether the text ends with a complete line.
struct Shape
{
    qsizetype keys = 0;
    bool complete = true;
};

Shape shapeOf(const std::string &text)
{
    Shape shape;
    shape.complete = text.empty() || text.back() == '\n';
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string_view line(text.data() + start, (end == std::string::npos ? text.size() : end) - start);
        if (!line.empty() && line.front() != '[' && line.find('=') != std::string_view::npos)
            ++shape.keys;
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return shape;
}

// The file a write replaces: the target of a link (made absolute against the link's folder),
// else the file itself.
QString writtenFile(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isSymLink())
        return file;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

} // namespace

bool isUsable(const QString &file)
{
    struct stat st
    {
    };
    if (::stat(PathBytes::toBytes(file).c_str(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

bool write(const QString &linkOrFile, qint64 growth, const std::function<void(QSettings &)> &change)
{
    if (!isUsable(linkOrFile))
        return false;
    const QString file = writtenFile(linkOrFile);
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    const std::string path = PathBytes::toBytes(file);
    const std::string before = PosixFile::readSmallFile(path, kMaxSize, true).value_or(std::string());
    struct statvfs volume
    {
    };
    if (::statvfs(PathBytes::toBytes(folder).c_str(), &volume) != 0)
        return false;
    const auto room = static_cast<qint64>(volume.f_bavail) * static_cast<qint64>(volume.f_frsize);
    if (room < 2 * (static_cast<qint64>(before.size()) + std::max<qint64>(growth, 0)) + kMargin)
        return false;

    // The old file stays reachable under a second name (a hard link costs no room) until
    // the new one has proved whole.
    const std::string kept = path + ".previous";
    ::unlink(kept.c_str());
    const bool hadFile = !before.empty() && ::link(path.c_str(), kept.c_str()) == 0;
    bool written = false;
    {
        QSettings settings(file, QSettings::NativeFormat);
        change(settings);
        settings.sync();
        written = settings.status() == QSettings::NoError;
    }
    const std::string after = PosixFile::readSmallFile(path, kMaxSize, true).value_or(std::string());
    const Shape old = shapeOf(before);
    const Shape now = shapeOf(after);
    // A change removes one key at most.
    const bool whole = now.complete && now.keys >= old.keys - 1;
    if (written && whole) {
        ::unlink(kept.c_str());
        return true;
    }
    if (hadFile)
        ::rename(kept.c_str(), path.c_str());
    else if (before.empty())
        ::unlink(path.c_str()); // there was nothing to keep; a cut-off file helps no one
    return false;
}

} // namespace pelmo::SettingsFile
