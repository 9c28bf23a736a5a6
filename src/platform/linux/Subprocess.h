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

// Starts a program and leaves it running on its own. False when it could not start.
bool startDetached(const std::vector<std::string> &argv);

} // namespace pelmo::Subprocess
