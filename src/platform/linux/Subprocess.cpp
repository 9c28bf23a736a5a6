#include "Subprocess.h"

#include <thread>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace pelmo::Subprocess {
namespace {

std::optional<pid_t> spawn(const std::vector<std::string> &argv, bool ownSession)
{
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    for (int fd = 0; fd <= 2; ++fd)
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    if (ownSession)
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return std::nullopt;
    return pid;
}

} // namespace

std::optional<int> run(const std::vector<std::string> &argv, std::chrono::milliseconds timeout)
{
    const std::optional<pid_t> pid = spawn(argv, false);
    if (!pid)
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(*pid, &status, WNOHANG);
        if (done == *pid)
            return WIFEXITED(status) ? std::optional(WEXITSTATUS(status)) : std::nullopt;
        if (done < 0)
            return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(*pid, SIGKILL);
            ::waitpid(*pid, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool startDetached(const std::vector<std::string> &argv)
{
    // A short-lived shell starts the program in the background and ends at once, so the
    // program is adopted by init and never left as our zombie.
    std::vector<std::string> shell = {"sh", "-c", "\"$@\" &", "sh"};
    shell.insert(shell.end(), argv.begin(), argv.end());
    const std::optional<pid_t> pid = spawn(shell, true);
    if (!pid)
        return false;
    int status = 0;
    return ::waitpid(*pid, &status, 0) == *pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace pelmo::Subprocess
