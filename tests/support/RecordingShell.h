#pragma once
#include "platform/Shell.h"

namespace platform {

// A stand-in for tests: records every request and answers `result`.
class RecordingShell : public IShell {
public:
    bool OpenAddress(const QString& address) override
    {
        addresses.append(address);
        return result;
    }
    bool OpenFile(const QString& path) override
    {
        files.append(path);
        return result;
    }

    QStringList addresses;
    QStringList files;
    bool result = true;
};

} // namespace platform
