#pragma once

#include <QString>

namespace pelmo::UserAccount {

// The current user's home folder from the user database (the password entry of the
// real user id); $HOME when the database has none. No trailing slash.
[[nodiscard]] QString homeFolder();

} // namespace pelmo::UserAccount
