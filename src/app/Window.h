#pragma once

#include "DialogFolderPicker.h"
#include "app/ui/AppState.h"
#include "platform/linux/SystemClock.h"
#include "store/SystemServices.h"
#include "updates/UpdateChecker.h"

#include <QQmlApplicationEngine>

#include <memory>

namespace pelmo {

// The window's long-lived objects on the Linux services, made in their fixed order: the
// services, the folder picker, the store, the application state (which starts the first
// scan once access exists, or when allowed), the update checker. Reads the settings of the
// current environment.
struct DesktopState
{
    explicit DesktopState(bool scanAtOnce = true);
    ~DesktopState();
    DesktopState(const DesktopState &) = delete;
    DesktopState &operator=(const DesktopState &) = delete;

    SystemServices system;
    DialogFolderPicker picker;
    CleanerStore store {system.storeServices(nullptr, &picker)};
    AppState state;
    SystemClock clock;
    // The shared checker, which the window's alert and about screen show; it announces only
    // to a window in front. Not started.
    UpdateChecker updates;
};

// Loads the main window for `state` (the application state that QML reaches as AppState),
// shown or not. Needs a QGuiApplication. The engine owns the window.
[[nodiscard]] std::unique_ptr<QQmlApplicationEngine> loadMainWindow(AppState &state, bool visible = true);

// How the desktop program starts: with its window, or (at login, for the weekly reminder)
// in the background, with no window until it is asked for one.
enum class WindowStart { shown, background };

// Runs the desktop program until it quits. The store is created before the window, with
// the Linux services and the window's folder picker. In the background it ends at once
// when the reminder is off or another Pelmo runs.
int runWindow(int &argc, char **argv, WindowStart start = WindowStart::shown);

} // namespace pelmo
