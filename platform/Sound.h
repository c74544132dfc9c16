#pragma once
// Playing a WAVE file by its path without waiting. Starting a sound ends the
// one still playing; a missing or unplayable file, or a machine without an
// audio device, plays nothing and reports no error.
#include "platform/Service.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace platform {

class ISound {
public:
    virtual ~ISound() = default;
    // Returns at once; the sound plays on its own.
    virtual void Play(const QString& path) = 0;
    // Silences the sound still playing, if any.
    virtual void Stop() = 0;
};

// The current sound service (Qt Multimedia unless a test replaced it).
ISound& Sound();

// True when `bytes` begin a WAVE file that the player can play: a RIFF
// "WAVE" file whose "fmt " chunk describes uncompressed PCM of 1 or 2
// channels, 8 or 16 bits, at a sample rate from 1 Hz to 192 kHz, followed
// somewhere by a "data" chunk. Only the chunk headers are examined; a file
// whose data chunk is cut short still plays what it holds.
bool IsPlayableWave(const QByteArray& bytes);

// The real service, on Qt Multimedia's sound effect player. One player is
// made on the first playable request and kept; it belongs to the
// application object, which must exist.
class MultimediaSound : public ISound {
public:
    void Play(const QString& path) override;
    void Stop() override;
    // The file last handed to the player, or empty when the last request
    // played nothing (missing or unplayable file, no audio device).
    QString Source() const { return m_source; }

private:
    QSoundEffect* Player();

    QPointer<QSoundEffect> m_effect; // owned by the application object
    QString m_source;
};

} // namespace platform
