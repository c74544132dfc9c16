#include "tests/support/RecordingProcess.h"

#include <QFileInfo>

namespace platform {

bool TRecordingProcess::SetCurrentDirectory(const QString& folder)
{
    events.append(QStringLiteral("cd ") + folder);
    if (!canChangeDirectory || folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    currentDirectory = folder;
    return true;
}

bool TRecordingProcess::StartDetached(const QString& program)
{
    events.append(QStringLiteral("start ") + program);
    started.append(program);
    startedIn.append(currentDirectory);
    return startResult;
}

void TRecordingProcess::Exit(int code)
{
    events.append(QStringLiteral("exit %1").arg(code));
    exitCodes.append(code);
}

} // namespace platform
