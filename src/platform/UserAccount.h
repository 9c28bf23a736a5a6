#pragma once

#include <QString>

namespace pelmo::UserAccount {

// The current user's home folder: $HOME when it is set and absolute, else the user
// database's (the password entry of the real user id). No trailing slash.
[[nodiscard]] QString homeFolder();

// $XDG_CONFIG_HOME when it is absolute, else ~/.config; its bytes kept as they are (PathBytes).
[[nodiscard]] QString configFolder();

} // namespace pelmo::UserAccount
