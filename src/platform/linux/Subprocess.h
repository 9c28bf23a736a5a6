#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace pelmo::Subprocess {

// Runs a program found on PATH with byte-exact arguments (QProcess would re-encode them and
// lose names that are not UTF-8), stdin, stdout and stderr on /dev/null. The exit status,
// or nothing when it could not start or did not end within `timeout` (it is then killed).
[[nodiscard]] std::optional<int> run(const std::vector<std::string> &argv, std::chrono::milliseconds timeout);

// Starts an opener (xdg-open and the like) on its own and waits up to `patience` for its
// verdict: false when it could not start or ended with a failure, true when it succeeded
// or is still running then (it has handed the work to an application).
[[nodiscard]] bool launch(const std::vector<std::string> &argv, std::chrono::seconds patience);

} // namespace pelmo::Subprocess
