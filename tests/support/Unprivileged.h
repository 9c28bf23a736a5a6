#pragma once

#include <functional>
#include <string>

namespace pelmo::test {

// Runs `work` in a child process as the user "nobody" when the tests run as root (CI does),
// so that permission checks bind; else in this process. Returns what `work` returned.
// Everything `work` touches must be reachable by "nobody": see makeReachable.
std::string asUnprivilegedUser(const std::function<std::string()> &work);

// Opens every folder from `path` up to (not including) "/" for traversal by anyone.
void makeReachable(const std::string &path);

} // namespace pelmo::test
