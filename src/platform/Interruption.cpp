#include "Interruption.h"

#include <atomic>
#include <csignal>

namespace pelmo::Interruption {
namespace {

// Lock-free atomics are safe in signal handlers.
std::atomic<bool> g_requested {false};
std::atomic<int> g_signal {0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void onSignal(int signal)
{
    request(signal);
}

} // namespace

void request(int signal)
{
    if (signal != 0)
        g_signal.store(signal);
    g_requested.store(true);
}

bool requested()
{
    return g_requested.load();
}

int signal()
{
    return g_signal.load();
}

void reset()
{
    g_requested.store(false);
    g_signal.store(0);
}

SignalGuard::SignalGuard()
{
    struct sigaction action
    {
    };
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

SignalGuard::~SignalGuard()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

} // namespace pelmo::Interruption
