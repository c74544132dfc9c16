#include "platform/Sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include <cstring>

namespace platform {
namespace {

// The WAVE headers that matter sit in the first few chunks; reading this
// much is enough for any ordinary file and bounds the work for odd ones.
constexpr qint64 kHeaderBytes = 64 * 1024;

quint32 Le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 Le16(const char* p) { return qFromLittleEndian<quint16>(p); }

bool PlayableFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return IsPlayableWave(file.read(kHeaderBytes));
}

} // namespace

void MultimediaSound::Play(const QString& path)
{
    // A new request always ends the sound still playing, even when the new
    // file turns out to be unplayable.
    Stop();
    m_source.clear();
    if (!QCoreApplication::instance() || !PlayableFile(path))
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return; // no audio device: nothing to play on, and no error
    QSoundEffect* player = Player();
    player->setAudioDevice(device);
    m_source = QFileInfo(path).absoluteFilePath();
    player->setSource(QUrl::fromLocalFile(m_source));
    player->play(); // starts once the sample is loaded, off this thread
}

void MultimediaSound::Stop()
{
    if (m_effect)
        m_effect->stop();
}

QSoundEffect* MultimediaSound::Player()
{
    // Owned by the application object, so that it goes before Qt Multimedia
    // does; the guarded pointer then reads null.
    if (!m_effect)
        m_effect = new QSoundEffect(QCoreApplication::instance());
    return m_effect;
}

bool IsPlayableWave(const QByteArray& bytes)
{
    const char* d = bytes.constData();
    const qsizetype n = bytes.size();
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return false;
    bool formatOk = false;
    qsizetype pos = 12;
    while (pos + 8 <= n) {
        const char* chunk = d + pos;
        const quint32 size = Le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16 || pos + 8 + 16 > n)
                return false;
            const char* f = chunk + 8;
            const quint16 tag = Le16(f);
            const quint16 channels = Le16(f + 2);
            const quint32 rate = Le32(f + 4);
            const quint16 bits = Le16(f + 14);
            formatOk = tag == 1 && (channels == 1 || channels == 2) && rate >= 1
                && rate <= 192000 && (bits == 8 || bits == 16);
            if (!formatOk)
                return false;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            return formatOk; // the format must come before the samples
        }
        // Chunks are padded to an even size.
        const quint64 next = quint64(pos) + 8 + size + (size & 1);
        if (next > quint64(n))
            return false;
        pos = qsizetype(next);
    }
    return false;
}

ISound& Sound()
{
    static MultimediaSound real;
    return Current<ISound>(real);
}

} // namespace platform
