#include "TrayIcon.h"

#include "AppIcon.h"
#include "app/ui/AppState.h"
#include "core/Localization.h"

#include <QApplication>
#include <QWindow>

namespace pelmo {

TrayIcon::TrayIcon(AppState &state, QWindow *window, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
    m_free = m_menu.addAction(QString());
    m_free->setEnabled(false);
    m_found = m_menu.addAction(QString());
    m_found->setEnabled(false);
    m_menu.addSeparator();
    connect(m_menu.addAction(Localization::tr("Otevřít Pelmo")), &QAction::triggered, window, [window] {
        window->show();
        window->raise();
        window->requestActivate();
    });
    m_scan = m_menu.addAction(Localization::tr("Prohledat Mac"));
    connect(m_scan, &QAction::triggered, &m_state, [this] { m_state.store()->scan(); });
    m_reminder = m_menu.addAction(Localization::tr("Týdenní připomínka"));
    m_reminder->setCheckable(true);
    connect(m_reminder, &QAction::triggered, &m_state, [this](bool on) {
        m_state.store()->setReminder(on);
        // Off until permission is given (an answer that comes later updates it).
        m_reminder->setChecked(m_state.store()->reminderEnabled());
    });
    m_menu.addSeparator();
    QAction *quit = m_menu.addAction(Localization::tr("Ukončit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);

    m_icon.setIcon(applicationIcon());
    m_icon.setToolTip(QStringLiteral("Pelmo"));
    m_icon.setContextMenu(&m_menu);
    for (auto signal : {&AppState::diskChanged, &AppState::foundChanged, &AppState::scanEnabledChanged})
        connect(&m_state, signal, this, &TrayIcon::update);
    connect(m_state.store(), &CleanerStore::reminderEnabledChanged, this, &TrayIcon::update);
    update();
    m_icon.show();
}

void TrayIcon::update()
{
    m_free->setText(m_state.diskText());
    m_found->setText(m_state.foundText());
    m_found->setVisible(!m_state.foundText().isEmpty());
    m_scan->setEnabled(m_state.scanEnabled());
    m_reminder->setChecked(m_state.store()->reminderEnabled());
}

} // namespace pelmo
