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
    QHash<QString, std::optional<QString>> answers; // path -> outcome; missing: moved to "<files>/name"
    QStringList moved;
    QStringList putBackCalls;
    bool putBackAnswer = true;
    QString filesFolder = QStringLiteral("/trash/files");
    std::function<void()> beforeMove; // runs on the batch's thread, e.g. to hold a batch open
    bool emptyAnswer = true;

    std::optional<QString> moveToTrash(const QString &path) override
    {
        if (beforeMove)
            beforeMove();
        moved.append(path);
        if (answers.contains(path))
            return answers.value(path);
        return homeFilesFolder() + u'/' + path.section(u'/', -1);
    }
    QString homeFilesFolder() const override { return filesFolder; }
    bool putBack(const QString &trashPath, const QString &) override
    {
        putBackCalls.append(trashPath);
        return putBackAnswer;
    }
    bool empty() override { return emptyAnswer; }
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
