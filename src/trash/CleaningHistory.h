#pragma once

#include "HistoryEntry.h"

#include <QByteArray>
#include <QDate>
#include <QList>

#include <optional>

// The rules of the cleaning history: its stored JSON form, its length limit and its sums.
namespace pelmo::CleaningHistory {

inline constexpr qsizetype limit = 1000;

// Compact JSON: an array of objects with "id" (upper-case UUID), "date" (seconds since
// 2001-01-01 UTC), "name", "size", "originalPath", "trashPath", newest first, and, when the
// moved object's identity is known, "device" and "inode" as decimal text, and the resolved
// folder it left as "originalFolder" and its status-change time in the Trash as "changeTime". Path bytes that
// are not UTF-8 are kept as "\udcXX" escapes, so every name survives the round trip.
[[nodiscard]] QByteArray encode(const QList<HistoryEntry> &history);
// Nothing when the value is unreadable: malformed JSON, a missing key, a value of the wrong
// type. Extra keys are ignored.
[[nodiscard]] std::optional<QList<HistoryEntry>> decode(const QByteArray &stored);

// A batch's entries in front, keeping their order, then at most `limit` entries in all.
[[nodiscard]] QList<HistoryEntry> withBatch(const QList<HistoryEntry> &history, const QList<HistoryEntry> &batch);

[[nodiscard]] qint64 movedTotal(const QList<HistoryEntry> &history);

// One bar of the 30-day chart: the bytes of the entries dated on one local calendar day.
struct DailyFreed
{
    QDate day;
    qint64 bytes = 0;
    qint64 daysAgo = 0; // local calendar days before today (negative for a day ahead)
    friend bool operator==(const DailyFreed &, const DailyFreed &) = default;
};

// Today and the 29 days before it in the local calendar and time zone, days without
// entries left out, earliest first; entries dated after `now` count on their own days.
[[nodiscard]] QList<DailyFreed> dailyFreed(const QList<HistoryEntry> &history, const QDateTime &now);

} // namespace pelmo::CleaningHistory
