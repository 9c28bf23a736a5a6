#pragma once

namespace pelmo {

// Opens the main window on the desktop and runs until it is closed. The store is created
// before the window, with the Linux services and the window's folder picker.
int runWindow(int &argc, char **argv);

} // namespace pelmo
