#pragma once

#include "DialogFolderPicker.h"
#include "app/ui/AppState.h"
#include "store/SystemServices.h"

#include <QQmlApplicationEngine>

#include <memory>

namespace pelmo {

// The window's long-lived objects on the Linux services, made in their fixed order: the
// services, the folder picker, the store, the application state (which starts the first
// scan once access exists). Reads the settings of the current environment.
struct DesktopState
{
    SystemServices system;
    DialogFolderPicker picker;
    CleanerStore store {system.storeServices(nullptr, &picker)};
    AppState state {store};
};

// Loads the main window for `state` (the application state that QML reaches as AppState).
// Needs a QGuiApplication. The engine owns the window.
[[nodiscard]] std::unique_ptr<QQmlApplicationEngine> loadMainWindow(AppState &state);

// Opens the main window on the desktop and runs until it is closed. The store is created
// before the window, with the Linux services and the window's folder picker.
int runWindow(int &argc, char **argv);

} // namespace pelmo
