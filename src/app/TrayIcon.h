#pragma once

#include <QMenu>
#include <QSystemTrayIcon>

namespace pelmo {

class AppState;

// The tray icon with the short menu: free space, what was found, open, scan, the weekly
// reminder, quit. Its texts and states come from the application state.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    TrayIcon(AppState &state, QWindow *window, QObject *parent = nullptr);

private:
    void update();

    AppState &m_state;
    QMenu m_menu;
    QSystemTrayIcon m_icon;
    QAction *m_free = nullptr;
    QAction *m_found = nullptr;
    QAction *m_scan = nullptr;
    QAction *m_reminder = nullptr;
};

} // namespace pelmo
