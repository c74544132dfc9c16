#pragma once
#include "platform/Sound.h"

namespace platform {

// A stand-in for tests: records every request.
class RecordingSound : public ISound {
public:
    void Play(const QString& path) override { played.append(path); }
    void Stop() override { ++stops; }

    QStringList played;
    int stops = 0;
};

} // namespace platform
