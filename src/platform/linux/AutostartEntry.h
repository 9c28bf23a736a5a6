#pragma once

#include <QString>

// The XDG autostart entry that has the desktop start Pelmo in the background at login
// ($XDG_CONFIG_HOME/autostart/<application ID>.desktop), for the weekly reminder.
namespace pelmo::AutostartEntry {

[[nodiscard]] QString path();
// Writes the entry, whole or not at all, so that `program --background` starts at login.
// False when it could not be written or `program` cannot be named in one.
bool install(const QString &program);
// True when no entry is left.
bool remove();

// `program` as the first argument of an Exec value (quoted and escaped as the desktop-entry
// format wants); empty for a name the format cannot carry.
[[nodiscard]] QString execArgument(const QString &program);

} // namespace pelmo::AutostartEntry
