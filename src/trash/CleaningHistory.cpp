#include "CleaningHistory.h"

#include "core/JsonText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <map>

namespace pelmo::CleaningHistory {
namespace {

// Seconds from 1970-01-01 to 2001-01-01, the reference date of the stored form.
constexpr qint64 kReferenceDateMs = 978'307'200'000;

std::optional<QString> stringAt(const QJsonObject &object, QLatin1StringView key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

std::optional<HistoryEntry> entryFrom(const QJsonValue &value)
{
    static const QRegularExpression uuidForm(
        QStringLiteral("^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto id = stringAt(object, QLatin1StringView("id"));
    const auto name = stringAt(object, QLatin1StringView("name"));
    const auto originalPath = stringAt(object, QLatin1StringView("originalPath"));
    const auto trashPath = stringAt(object, QLatin1StringView("trashPath"));
    const QJsonValue date = object.value(QLatin1StringView("date"));
    const QJsonValue size = object.value(QLatin1StringView("size"));
    if (!id || !name || !originalPath || !trashPath || !date.isDouble() || !size.isDouble()
        || !uuidForm.match(*id).hasMatch())
        return std::nullopt;
    const double bytes = size.toDouble();
    const double seconds = date.toDouble();
    if (bytes != std::floor(bytes) || std::fabs(bytes) > 9.0e15 || !std::isfinite(seconds)
        || std::fabs(seconds) > 1.0e12)
        return std::nullopt;
    // The identity is Pelmo's own addition: optional, as text so that no bit is lost.
    const FileIdentity identity {object.value(QLatin1StringView("device")).toString().toULongLong(),
        object.value(QLatin1StringView("inode")).toString().toULongLong()};
    return HistoryEntry {QUuid::fromString(*id),
        QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000) + kReferenceDateMs, Qt::UTC), *name,
        static_cast<qint64>(bytes), *originalPath, *trashPath, identity,
        stringAt(object, QLatin1StringView("originalFolder")).value_or(QString()),
        object.value(QLatin1StringView("changeTime")).toString().toLongLong()};
}

} // namespace

QByteArray encode(const QList<HistoryEntry> &history)
{
    // Written by hand rather than through QJsonDocument, which cannot carry the escaped
    // bytes of names that are not UTF-8.
    QString text = QStringLiteral("[");
    for (qsizetype i = 0; i < history.size(); ++i) {
        const HistoryEntry &e = history[i];
        const double seconds = static_cast<double>(e.date.toMSecsSinceEpoch() - kReferenceDateMs) / 1000.0;
        text += QStringLiteral("%1{\"id\":%2,\"date\":%3,\"name\":%4,\"size\":%5,\"originalPath\":%6,\"trashPath\":%7}")
                    .arg(i == 0 ? QString() : QStringLiteral(","),
                        JsonText::quoted(e.id.toString(QUuid::WithoutBraces).toUpper()),
                        QString::number(seconds, 'f', 3), JsonText::quoted(e.name), QString::number(e.size),
                        JsonText::quoted(e.originalPath), JsonText::quoted(e.trashPath));
        if (e.identity.isKnown()) {
            text.chop(1);
            text += QStringLiteral(",\"device\":\"%1\",\"inode\":\"%2\"}")
                        .arg(QString::number(e.identity.device), QString::number(e.identity.inode));
        }
        if (!e.originalFolder.isEmpty()) {
            text.chop(1);
            text += QStringLiteral(",\"originalFolder\":%1}").arg(JsonText::quoted(e.originalFolder));
        }
        if (e.changeTime != 0) {
            text.chop(1);
            text += QStringLiteral(",\"changeTime\":\"%1\"}").arg(QString::number(e.changeTime));
        }
    }
    text += QLatin1Char(']');
    return text.toUtf8();
}

std::optional<QList<HistoryEntry>> decode(const QByteArray &stored)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(stored, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<HistoryEntry> history;
    for (const QJsonValue value : document.array()) {
        std::optional<HistoryEntry> entry = entryFrom(value);
        if (!entry)
            return std::nullopt;
        history.append(*entry);
    }
    return history;
}

QList<HistoryEntry> withBatch(const QList<HistoryEntry> &history, const QList<HistoryEntry> &batch)
{
    QList<HistoryEntry> result = batch + history;
    if (result.size() > limit)
        result.resize(limit);
    return result;
}

qint64 movedTotal(const QList<HistoryEntry> &history)
{
    qint64 total = 0;
    for (const HistoryEntry &entry : history)
        total += entry.size;
    return total;
}

QList<DailyFreed> dailyFreed(const QList<HistoryEntry> &history, const QDateTime &now)
{
    const QDate firstDay = now.toLocalTime().date().addDays(-29);
    const QDateTime windowStart = firstDay.startOfDay();
    std::map<QDate, qint64> sums;
    for (const HistoryEntry &entry : history) {
        if (entry.date >= windowStart)
            sums[entry.date.toLocalTime().date()] += entry.size;
    }
    const QDate today = now.toLocalTime().date();
    QList<DailyFreed> result;
    for (const auto &[day, bytes] : sums)
        result.append({day, bytes, day.daysTo(today)});
    return result;
}

} // namespace pelmo::CleaningHistory
