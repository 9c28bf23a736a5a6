#pragma once

#include <QStringList>
#include <QtGlobal>

namespace pelmo::test {

// Collects every warning and error logged while it lives (a QML binding error is only a
// warning on the console), so that a test can fail on them.
class WarningRecorder
{
public:
    WarningRecorder()
    {
        s_messages.clear();
        qInstallMessageHandler(record);
    }
    ~WarningRecorder() { qInstallMessageHandler(nullptr); }
    WarningRecorder(const WarningRecorder &) = delete;
    WarningRecorder &operator=(const WarningRecorder &) = delete;

    [[nodiscard]] static QString messages() { return s_messages.join(u'\n'); }

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        // The test platforms' own notes on their environment are not faults of the window.
        if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QStringLiteral("XDG_RUNTIME_DIR"))
            && !message.contains(QStringLiteral("propagateSizeHints")))
            s_messages.append(message);
    }

    static inline QStringList s_messages;
};

} // namespace pelmo::test
