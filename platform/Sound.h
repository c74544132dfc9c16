#pragma once
// Playing a WAVE file by its path without waiting. Starting a sound ends the
// one still playing; a missing or unplayable file, or a machine without a
// sound server, plays nothing and reports no error.
#include "platform/Service.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

class ISound {
public:
    virtual ~ISound() = default;
    // Returns at once; the sound plays on its own.
    virtual void Play(const QString& path) = 0;
    // Silences the sound still playing, if any.
    virtual void Stop() = 0;
    // Returns at once; makes the file ready to be played without delay
    // later, playing nothing now. A service that plays at once anyway
    // ignores it.
    virtual void Prepare(const QString& path) { (void)path; }
};

// The current sound service (the sound server unless a test replaced it).
ISound& Sound();

// True when `bytes` are a whole WAVE file that the sound server can play
// (see ReadWaveHeader in WaveFile.h).
bool IsPlayableWave(const QByteArray& bytes);

// The real service, on the sound server's sample cache (PulseAudio, or
// PipeWire through the same protocol). Each file is uploaded to the server
// once, on its first play, and played from there: the server starts it
// whole, with nothing to load at the moment it is due. A file that changes
// on disk is uploaded again.
//
// Play, Stop and Prepare only hand the request to a thread of this object's
// own and return; that thread loads the client library on the first request,
// connects (never starting a server of its own), reads and uploads files,
// and plays. Requests that arrive while one is being handled replace each
// other: the newest wins, as a newer sound ends an older one anyway.
class ServerSound : public ISound {
public:
    ServerSound();
    ~ServerSound() override;
    ServerSound(const ServerSound&) = delete;
    ServerSound& operator=(const ServerSound&) = delete;

    void Play(const QString& path) override;
    void Stop() override;
    // Loads the library, connects and uploads the file, unless a play or
    // stop request is waiting, which goes first.
    void Prepare(const QString& path) override;
    // Waits up to `ms` milliseconds until every request made so far has
    // been handled; true when it has.
    bool WaitUntilIdle(int ms);

private:
    class Worker;
    std::unique_ptr<Worker> m_worker;
};

} // namespace platform
