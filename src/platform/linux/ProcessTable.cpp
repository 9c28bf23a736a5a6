#include "ProcessTable.h"

#include "core/FileWalker.h"
#include "core/PathBytes.h"
#include "core/PosixFile.h"

#include <cerrno>
#include <csignal>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmo::ProcessTable {
namespace {

// An environment is at most a few hundred kilobytes; the kernel caps it near 2 MB.
constexpr size_t kEnvironmentLimit = size_t {4} * 1024 * 1024;

std::string linkTarget(const std::string &path)
{
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<size_t>(length) >= target.size())
        return {};
    target.resize(static_cast<size_t>(length));
    // The kernel marks a program file removed since it started.
    constexpr std::string_view kDeleted = " (deleted)";
    if (target.ends_with(kDeleted))
        target.resize(target.size() - kDeleted.size());
    return target;
}

std::string environmentValue(const std::string &environ, std::string_view key)
{
    size_t start = 0;
    while (start < environ.size()) {
        size_t end = environ.find('\0', start);
        if (end == std::string::npos)
            end = environ.size();
        const std::string_view entry(environ.data() + start, end - start);
        if (entry.size() > key.size() && entry.starts_with(key) && entry[key.size()] == '=')
            return std::string(entry.substr(key.size() + 1));
        start = end + 1;
    }
    return {};
}

// /proc files report a size of 0, so they are read until their end.
std::string readProcFile(const std::string &path, size_t limit)
{
    const PosixFile::UniqueFd fd = PosixFile::openPath(path, O_RDONLY | O_NOFOLLOW);
    std::string content;
    if (!fd)
        return content;
    char buffer[8192];
    while (content.size() < limit) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
    }
    return content;
}

bool isNumber(const std::string &name)
{
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

QList<Process> ownProcesses()
{
    QList<Process> processes;
    const uid_t me = ::getuid();
    const pid_t self = ::getpid();
    for (const std::string &name : FileWalker::listChildren("/proc")) {
        if (!isNumber(name))
            continue;
        const std::string folder = "/proc/" + name;
        struct stat st
        {
        };
        if (::stat(folder.c_str(), &st) != 0 || st.st_uid != me)
            continue;
        Process process;
        process.pid = static_cast<pid_t>(std::stol(name));
        if (process.pid == self)
            continue;
        process.executable = PathBytes::fromBytes(linkTarget(folder + "/exe"));
        const std::string environ = readProcFile(folder + "/environ", kEnvironmentLimit);
        process.appImage = PathBytes::fromBytes(environmentValue(environ, "APPIMAGE"));
        if (!process.executable.isEmpty() || !process.appImage.isEmpty())
            processes.append(process);
    }
    return processes;
}

bool terminate(pid_t pid)
{
    return pid > 0 && ::kill(pid, SIGTERM) == 0;
}

} // namespace pelmo::ProcessTable
