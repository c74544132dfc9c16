#pragma once
#include "platform/Process.h"

namespace platform {

class TRecordingProcess : public IProcess {
public:
    QString CurrentDirectory() const override { return currentDirectory; }
    bool SetCurrentDirectory(const QString& folder) override;
    void Sleep(int ms) override { sleeps.append(ms); events.append(QStringLiteral("sleep %1").arg(ms)); }
    bool StartDetached(const QString& program) override;
    void Exit(int code) override;

    QString currentDirectory = QStringLiteral("/");
    // SetCurrentDirectory succeeds only for existing folders, unless this
    // is false (then it always fails).
    bool canChangeDirectory = true;
    bool startResult = true;

    QList<int> sleeps;
    QStringList started;          // programs, in order
    QStringList startedIn;        // the current directory of each start
    QList<int> exitCodes;         // one entry per Exit call
    QStringList events;           // "cd <folder>", "sleep 200", "start <program>", "exit 0"
};

} // namespace platform
