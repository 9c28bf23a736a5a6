#pragma once

#include "platform/Clock.h"
#include "updates/Release.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace pelmo {

// Asks the maker's endpoint whether a newer version exists: 20 seconds after start() and
// then every six hours, at most once in 20 hours of wall-clock time (a suspended machine's
// hours count), and whenever check(true) is called. A newer version found automatically is
// announced once per version, ever, and only while the program is the active one. Nothing
// is ever downloaded. Main thread. Settings: "updates.autoCheck", "updates.lastCheck",
// "updates.announcedVersion".
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    enum class Status { idle, checking, upToDate, failed };
    Q_ENUM(Status)

    // `feed` empty: there is no endpoint, and checks do nothing. `isActive` answers whether
    // the program is in front; activated() must follow when it comes to the front.
    UpdateChecker(
        QUrl feed, QString currentVersion, Clock &clock, std::function<bool()> isActive, QObject *parent = nullptr);
    ~UpdateChecker() override;

    // The program's one checker, which the about screen and the alert show; null when none.
    [[nodiscard]] static UpdateChecker *shared();
    static void setShared(UpdateChecker *checker);

    [[nodiscard]] bool hasFeed() const { return !m_feed.isEmpty(); }
    [[nodiscard]] const std::optional<Release> &available() const { return m_available; }
    [[nodiscard]] Status status() const { return m_status; }
    [[nodiscard]] std::optional<QDateTime> lastCheck() const;
    [[nodiscard]] bool autoCheck() const;
    void setAutoCheck(bool on);
    // The notes of `available` in the interface language, the other language's when that
    // one is missing; empty when the chosen text is empty or there is no release.
    [[nodiscard]] QString notes() const;
    // The download page of `available` when it is an http(s) address; empty otherwise.
    [[nodiscard]] QUrl downloadUrl() const;

    // Arms the automatic checks; a second call does nothing.
    void start();
    // One check, unless one runs or there is no endpoint. Only an automatic one
    // (`manual` false) announces what it finds.
    void check(bool manual);
    // The program came to the front: an announcement that waited is made now.
    void activated();

    // Dotted numbers compared piece by piece, a missing piece or one that is no number
    // counting as 0: 1.2 equals 1.2.0, 1.10 is newer than 1.9.
    [[nodiscard]] static bool isNewer(const QString &version, const QString &than);

Q_SIGNALS:
    void availableChanged();
    void statusChanged();
    void autoCheckChanged();
    // Show the alert for `available` now; the version is already marked as announced.
    void announcementDue();

private:
    void automaticCheck();
    void arm(std::chrono::milliseconds delay);
    void finished(QNetworkReply *reply, bool manual);
    void announceOnce(const Release &release);
    void setStatus(Status status);

    QUrl m_feed;
    QString m_currentVersion;
    Clock &m_clock;
    std::function<bool()> m_isActive;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<Clock::Timer> m_timer;
    std::optional<Release> m_available;
    Status m_status = Status::idle;
    bool m_announcementWaits = false;
    // What this run did, for when the settings cannot be written.
    std::optional<QDateTime> m_lastCheck;
    QString m_announced;
};

} // namespace pelmo
