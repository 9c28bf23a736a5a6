#pragma once

#include "FakeCatalogue.h"
#include "FakeHome.h"
#include "FakeTrashServices.h"
#include "model/DiskInfo.h"
#include "platform/Clock.h"
#include "platform/FolderPicker.h"
#include "platform/Notifier.h"
#include "store/StoreServices.h"

#include <QList>
#include <QPair>

#include <map>
#include <memory>

namespace pelmo::test {

// A clock that moves only when told; timers fire in time order as it passes them.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 6, 1), QTime(9, 0)))
        : m_now(std::move(start))
    { }

    [[nodiscard]] QDateTime now() const override { return m_now; }

    [[nodiscard]] std::unique_ptr<Timer> after(std::chrono::milliseconds delay, std::function<void()> fire) override
    {
        auto timer = std::make_unique<Pending>(this);
        m_pending.emplace(std::pair(m_now.addMSecs(delay.count()), m_sequence++), Entry {timer.get(), std::move(fire)});
        return timer;
    }

    // Moves the wall clock forward as a suspended machine sees it: timers are not due any
    // sooner, they wait as long again.
    void sleep(std::chrono::milliseconds by)
    {
        std::map<std::pair<QDateTime, quint64>, Entry> moved;
        for (auto &[when, entry] : m_pending)
            moved.emplace(std::pair(when.first.addMSecs(by.count()), when.second), std::move(entry));
        m_pending = std::move(moved);
        m_now = m_now.addMSecs(by.count());
    }

    // Moves time forward, firing every timer that falls due on the way.
    void advance(std::chrono::milliseconds by)
    {
        const QDateTime end = m_now.addMSecs(by.count());
        while (!m_pending.empty() && m_pending.begin()->first.first <= end) {
            auto node = m_pending.extract(m_pending.begin());
            m_now = node.key().first;
            node.mapped().timer->m_fired = true;
            node.mapped().fire();
        }
        m_now = end;
    }

private:
    struct Pending final : Timer
    {
        explicit Pending(FakeClock *clock)
            : m_clock(clock)
        { }
        ~Pending() override
        {
            if (!m_fired)
                std::erase_if(m_clock->m_pending, [this](const auto &p) { return p.second.timer == this; });
        }
        FakeClock *m_clock;
        bool m_fired = false;
    };
    struct Entry
    {
        Pending *timer;
        std::function<void()> fire;
    };

    QDateTime m_now;
    quint64 m_sequence = 0;
    std::map<std::pair<QDateTime, quint64>, Entry> m_pending;
};

class FakeNotifier final : public Notifier
{
public:
    bool grant = true;
    QList<QPair<QString, QString>> posted;

    void requestPermission(std::function<void(bool)> answer) override { answer(grant); }
    void post(const QString &title, const QString &body) override { posted.append({title, body}); }
};

class FakeFolderPicker final : public FolderPicker
{
public:
    std::optional<QString> choice;
    QString startedIn;

    void pickFolder(const QString &startIn, const QString &, const QString &,
        std::function<void(std::optional<QString>)> answer) override
    {
        startedIn = startIn;
        answer(choice);
    }
};

// Every service a store needs, faked, for a store on `home`.
struct FakeStoreServices
{
    FakeClock clock;
    FakeNotifier notifier;
    FakeTrashCan trash;
    FakeBridge bridge;
    FakeFolderPicker picker;
    DiskInfo disk {1000, 400};

    [[nodiscard]] StoreServices services(const FakeHome &home, FolderPicker *folderPicker = nullptr)
    {
        StoreServices services;
        services.catalogueFor = [](const QString &) { return std::make_shared<FakeCatalogue>(); };
        services.trash = &trash;
        services.bridge = &bridge;
        services.notifier = &notifier;
        services.clock = &clock;
        services.picker = folderPicker ? folderPicker : &picker;
        services.realHome = [&home] { return home.home(); };
        services.volume = [this] { return disk; };
        return services;
    }
};

} // namespace pelmo::test
