#pragma once

// A process-wide request to stop long work between two items: set when the application
// quits or a termination signal arrives. Batches of moves and the emptying of the Trash
// look at it before each item, so they end with the item in flight done and recorded.
namespace pelmo::Interruption {

// Safe to call from a signal handler; `signal` is the signal's number, 0 for a quit.
void request(int signal = 0);
[[nodiscard]] bool requested();
// The signal that asked, 0 when none did.
[[nodiscard]] int signal();
// Clears the request (for a process that goes on, such as a test).
void reset();

// While it lives, SIGINT and SIGTERM do not end the process: they request an interruption
// instead, so that work in flight ends cleanly and is recorded.
class SignalGuard
{
public:
    SignalGuard();
    ~SignalGuard();
    SignalGuard(const SignalGuard &) = delete;
    SignalGuard &operator=(const SignalGuard &) = delete;
};

} // namespace pelmo::Interruption
