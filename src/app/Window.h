#pragma once

#include <QQmlApplicationEngine>

#include <memory>

namespace pelmo {

class AppState;

// Loads the main window for `state` (the application state that QML reaches as AppState).
// Needs a QGuiApplication. The engine owns the window.
[[nodiscard]] std::unique_ptr<QQmlApplicationEngine> loadMainWindow(AppState &state);

// Opens the main window on the desktop and runs until it is closed. The store is created
// before the window, with the Linux services and the window's folder picker.
int runWindow(int &argc, char **argv);

} // namespace pelmo
