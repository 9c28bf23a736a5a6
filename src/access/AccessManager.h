#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace pelmo {

class FolderPicker;
class Preferences;

// The grant of the home folder. Without a sandbox the grant is the user's confirmation of
// the home folder itself, kept as its path under "homeFolderBookmark" and valid while that
// path is still a folder. Main thread only.
class AccessManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString homeUrl READ homeUrl NOTIFY homeUrlChanged)
    Q_PROPERTY(bool hasAccess READ hasAccess NOTIFY homeUrlChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    // `realHome` answers the user's home folder from the user database. Restores the
    // stored grant at once.
    AccessManager(
        Preferences &preferences, FolderPicker *picker, std::function<QString()> realHome, QObject *parent = nullptr);

    [[nodiscard]] QString homeUrl() const { return m_homeUrl; }
    [[nodiscard]] bool hasAccess() const { return !m_homeUrl.isEmpty(); }
    [[nodiscard]] QString errorMessage() const { return m_errorMessage; }

    // Asks for the folder; only the home folder itself is accepted.
    Q_INVOKABLE void requestAccess();
    Q_INVOKABLE void revoke();

Q_SIGNALS:
    void homeUrlChanged();
    void errorMessageChanged();

private:
    void accept(const QString &chosen);
    void setHomeUrl(const QString &url);
    void setErrorMessage(const QString &message);

    Preferences &m_preferences;
    FolderPicker *m_picker;
    std::function<QString()> m_realHome;
    QString m_homeUrl;
    QString m_errorMessage;
};

} // namespace pelmo
