#pragma once

#include "platform/FileManagerBridge.h"
#include "platform/TrashCan.h"

#include <QHash>

#include <QStringList>
#include <functional>

namespace pelmo::test {

// A Trash that moves nothing: it answers what it is told, per path, and records calls.
class FakeTrashCan final : public TrashCan
{
public:
    QHash<QString, MoveOutcome> answers;  // path -> outcome; missing: moved to "<files>/name"
    QHash<QString, QString> foundInTrash; // original path -> where another route put it
    QStringList moved;
    QStringList putBackCalls;
    QString filesFolder = QStringLiteral("/trash/files");
    std::function<void()> beforeMove; // runs on the batch's thread, e.g. to hold a batch open
    EmptyOutcome emptied;             // what emptying answers

    MoveOutcome moveToTrash(const QString &path, const FileIdentity &, const QString &) override
    {
        if (beforeMove)
            beforeMove();
        moved.append(path);
        if (answers.contains(path))
            return answers.value(path);
        return {homeFilesFolder() + u'/' + path.section(u'/', -1), MoveFailure::none, {1, 1}};
    }
    std::optional<QString> findTrashed(const QString &originalPath, const FileIdentity &) const override
    {
        return foundInTrash.contains(originalPath) ? std::optional(foundInTrash.value(originalPath)) : std::nullopt;
    }
    QString homeFilesFolder() const override { return filesFolder; }
    QStringList filesFolders() const override { return {filesFolder}; }
    PutBackOutcome putBack(const QString &trashPath, const QString &, const Origin &, const QString &) override
    {
        putBackCalls.append(trashPath);
        return PutBackOutcome::restored;
    }
    EmptyOutcome empty(const std::function<bool()> &) override { return emptied; }
    QList<FinishedMove> finished; // handed out once when recovering
    void recoverInterruptedMoves(const std::function<bool(const FinishedMove &)> &record) override
    {
        finished.removeIf([&](const FinishedMove &move) { return record(move); });
    }
};

// Answers every script with the outcome set for its path (move) or kind, and records them.
class FakeBridge final : public FileManagerBridge
{
public:
    QHash<QString, ScriptOutcome> byScript; // missing: an error of -1
    QStringList scripts;

    ScriptOutcome run(const QString &script) override
    {
        scripts.append(script);
        return byScript.value(script, ScriptOutcome {std::nullopt, -1});
    }
};

} // namespace pelmo::test
