#pragma once

#include <QtQml/qqmlregistration.h>

#include "store/ui/StoreViewModel.h"

#include <QStringList>

namespace pelmo {

// The settings screen: folder access, the large-file threshold, the language and the
// exclusions. Every change is written at once; a language change asks for a restart.
class SettingsViewModel : public pelmo::StoreViewModel // qualified: the QML type registration reads the name as written
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString grantedFolder READ grantedFolder NOTIFY changed)
    Q_PROPERTY(QStringList thresholdOptions READ thresholdOptions CONSTANT)
    Q_PROPERTY(int thresholdIndex READ thresholdIndex WRITE setThresholdIndex NOTIFY changed)
    Q_PROPERTY(QStringList languageOptions READ languageOptions CONSTANT)
    Q_PROPERTY(int languageIndex READ languageIndex WRITE setLanguageIndex NOTIFY changed)
    Q_PROPERTY(QStringList excluded READ excluded NOTIFY changed)
    Q_PROPERTY(bool reminderEnabled READ reminderEnabled WRITE setReminderEnabled NOTIFY changed)

public:
    using StoreViewModel::StoreViewModel;

    [[nodiscard]] QString grantedFolder() const;
    [[nodiscard]] QStringList thresholdOptions() const;
    // The stored threshold's place among 100, 200, 500 and 1000 MB; 200 for any other value.
    [[nodiscard]] int thresholdIndex() const;
    void setThresholdIndex(int index);
    [[nodiscard]] QStringList languageOptions() const;
    [[nodiscard]] int languageIndex() const;
    void setLanguageIndex(int index);
    // Sorted ascending.
    [[nodiscard]] QStringList excluded() const;
    // Switching on asks for permission to notify first; the switch follows the answer.
    [[nodiscard]] bool reminderEnabled() const;
    void setReminderEnabled(bool on);

    Q_INVOKABLE void changeAccess();
    // Gives the access up and forgets the last scan, so the welcome screen returns.
    Q_INVOKABLE void revokeAccess();
    Q_INVOKABLE void unexclude(const QString &path);
    Q_INVOKABLE void excludeFolder();
    // The application property that asks for a new Pelmo once this one has quit.
    static constexpr const char *relaunchProperty = "pelmoRelaunch";
    // Quits, and has a new Pelmo started afterwards.
    Q_INVOKABLE void relaunch();

Q_SIGNALS:
    void restartWanted();

private:
    void attach(CleanerStore &store) override;
};

} // namespace pelmo
