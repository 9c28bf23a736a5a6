#include "Unprivileged.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmo::test {

void makeReachable(const std::string &path)
{
    if (::geteuid() != 0)
        return;
    for (std::string p = path; p.size() > 1; p = p.substr(0, p.rfind('/'))) {
        struct stat st
        {
        };
        if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            ::chmod(p.c_str(), (st.st_mode & 07777) | 0111);
    }
}

std::string asUnprivilegedUser(const std::function<std::string()> &work)
{
    if (::geteuid() != 0)
        return work();
    int fds[2];
    if (::pipe(fds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        constexpr uid_t kNobody = 65534;
        std::string text = "could not drop privileges";
        if (::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0
            && ::setresuid(kNobody, kNobody, kNobody) == 0)
            text = work();
        (void)!::write(fds[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

} // namespace pelmo::test
