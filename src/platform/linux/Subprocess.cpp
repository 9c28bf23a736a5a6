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

std::optional<pid_t> spawn(const std::vector<std::string> &argv)
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
    const std::optional<pid_t> pid = spawn(argv);
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

bool launch(const std::vector<std::string> &argv, std::chrono::seconds patience)
{
    // The shell leaves the program running when patience ends, so it is adopted by init
    // and never waited for here.
    const std::string ticks = std::to_string(patience.count() * 10);
    std::vector<std::string> shell = {"sh", "-c",
        "\"$@\" & p=$!; i=0; while kill -0 $p 2>/dev/null; do i=$((i+1)); [ $i -ge " + ticks
            + " ] && exit 0; sleep 0.1; done; wait $p",
        "sh"};
    shell.insert(shell.end(), argv.begin(), argv.end());
    return run(shell, patience + std::chrono::seconds(5)) == 0;
}

} // namespace pelmo::Subprocess
