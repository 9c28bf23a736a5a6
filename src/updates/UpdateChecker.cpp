#include "updates/UpdateChecker.h"

#include "platform/Preferences.h"
#include "platform/SettingsFile.h"
#include "updates/AppInfo.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

namespace pelmo {
namespace {

using namespace std::chrono_literals;

constexpr auto kFirstDelay = 20s;
constexpr auto kInterval = 6h;
constexpr qint64 kMinimumAgeSeconds = 72'000; // 20 hours
constexpr int kTimeoutMs = 15'000;
// The endpoint answers a few hundred bytes; more is no answer of it.
constexpr qint64 kMaximumBody = 1 << 20;

const QString kAutoCheck = QStringLiteral("updates.autoCheck");
const QString kLastCheck = QStringLiteral("updates.lastCheck");
const QString kAnnounced = QStringLiteral("updates.announcedVersion");

UpdateChecker *s_shared = nullptr;

QVariant setting(const QString &key)
{
    const QString file = Preferences::settingsFile();
    if (!SettingsFile::isUsable(file))
        return {};
    return QSettings(file, QSettings::NativeFormat).value(key);
}

// A failed write is not retried: the worst outcome is one more check or announcement.
void store(const QString &key, const QVariant &value)
{
    SettingsFile::write(Preferences::settingsFile(), key.size() + value.toString().size() + 64,
        [&](QSettings &settings) { settings.setValue(key, value); });
}

} // namespace

UpdateChecker::UpdateChecker(
    QUrl feed, QString currentVersion, Clock &clock, std::function<bool()> isActive, QObject *parent)
    : QObject(parent)
    , m_feed(std::move(feed))
    , m_currentVersion(std::move(currentVersion))
    , m_clock(clock)
    , m_isActive(std::move(isActive))
{ }

UpdateChecker::~UpdateChecker()
{
    if (s_shared == this)
        s_shared = nullptr;
}

UpdateChecker *UpdateChecker::shared()
{
    return s_shared;
}

void UpdateChecker::setShared(UpdateChecker *checker)
{
    s_shared = checker;
}

std::optional<QDateTime> UpdateChecker::lastCheck() const
{
    // The one this run made counts also when the settings could not keep it.
    const QDateTime stored = QDateTime::fromString(setting(kLastCheck).toString(), Qt::ISODateWithMs);
    if (stored.isValid() && (!m_lastCheck || stored > *m_lastCheck))
        return stored;
    return m_lastCheck;
}

bool UpdateChecker::autoCheck() const
{
    const QVariant value = setting(kAutoCheck);
    return !value.isValid() || value.toBool();
}

void UpdateChecker::setAutoCheck(bool on)
{
    if (on == autoCheck())
        return;
    store(kAutoCheck, on);
    Q_EMIT autoCheckChanged();
}

QString UpdateChecker::notes() const
{
    if (!m_available)
        return {};
    const auto &first = AppInfo::isEnglish() ? m_available->notesEn : m_available->notesCs;
    const auto &second = AppInfo::isEnglish() ? m_available->notesCs : m_available->notesEn;
    return first.value_or(second.value_or(QString()));
}

QUrl UpdateChecker::downloadUrl() const
{
    return m_available ? AppInfo::webAddress(m_available->url) : QUrl();
}

void UpdateChecker::start()
{
    if (!hasFeed() || m_timer)
        return;
    arm(kFirstDelay);
}

void UpdateChecker::arm(std::chrono::milliseconds delay)
{
    // Re-arming replaces the timer that is firing: the last thing done.
    m_timer = m_clock.after(delay, [this] {
        automaticCheck();
        arm(kInterval);
    });
}

void UpdateChecker::automaticCheck()
{
    if (!autoCheck())
        return;
    // A last check in the future means the clock was set back: it says nothing of the age.
    const auto last = lastCheck();
    const QDateTime now = m_clock.now();
    if (last && *last <= now && last->secsTo(now) < kMinimumAgeSeconds)
        return;
    check(false);
}

void UpdateChecker::check(bool manual)
{
    if (!hasFeed() || m_status == Status::checking)
        return;
    setStatus(Status::checking);
    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(m_feed);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(kTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Pelmo/") + m_currentVersion);
    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        if (reply->bytesAvailable() > kMaximumBody)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, manual] {
        reply->deleteLater();
        finished(reply, manual);
    });
}

void UpdateChecker::finished(QNetworkReply *reply, bool manual)
{
    const bool ok = reply->error() == QNetworkReply::NoError
        && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
    const std::optional<Release> release = ok ? Release::fromJson(reply->readAll()) : std::nullopt;
    // A release without a web page to download it from cannot be offered: its "Stáhnout"
    // would open nothing.
    if (!release || AppInfo::webAddress(release->url).isEmpty()) {
        setStatus(Status::failed);
        return;
    }
    m_lastCheck = m_clock.now();
    store(kLastCheck, m_lastCheck->toString(Qt::ISODateWithMs));
    if (isNewer(release->version, m_currentVersion)) {
        const bool changed = m_available != release;
        m_available = release;
        if (changed)
            Q_EMIT availableChanged();
        setStatus(Status::idle);
        if (!manual)
            announceOnce(*release);
        return;
    }
    if (m_available) {
        m_available.reset();
        Q_EMIT availableChanged();
    }
    setStatus(Status::upToDate);
}

void UpdateChecker::announceOnce(const Release &release)
{
    if (setting(kAnnounced).toString() == release.version || m_announced == release.version)
        return;
    if (!m_isActive()) {
        m_announcementWaits = true;
        return;
    }
    m_announced = release.version;
    store(kAnnounced, release.version);
    Q_EMIT announcementDue();
}

void UpdateChecker::activated()
{
    if (!m_announcementWaits)
        return;
    m_announcementWaits = false;
    if (m_available)
        announceOnce(*m_available);
}

void UpdateChecker::setStatus(Status status)
{
    if (m_status == status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

bool UpdateChecker::isNewer(const QString &version, const QString &than)
{
    const auto numbers = [](const QString &text) {
        QList<qint64> result;
        for (const QStringView piece : QStringView(text).split(u'.', Qt::SkipEmptyParts)) {
            bool ok = false;
            const qint64 number = piece.toLongLong(&ok);
            result.append(ok ? number : 0);
        }
        return result;
    };
    const QList<qint64> a = numbers(version);
    const QList<qint64> b = numbers(than);
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const qint64 x = i < a.size() ? a[i] : 0;
        const qint64 y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x > y;
    }
    return false;
}

} // namespace pelmo
