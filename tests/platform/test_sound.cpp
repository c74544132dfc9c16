// What counts as a playable sound, and the stand-in of the sound service.
// The real service is tested against a real sound server in
// test_sound_server.cpp.
#include "platform/Resources.h"
#include "platform/Sound.h"
#include "platform/WaveFile.h"
#include "support_sourcefiles.h"
#include "tests/support/RecordingSound.h"

#include <QtEndian>

#include <gtest/gtest.h>

using platform::IsPlayableWave;
using platform::ReadWaveHeader;
using platform::WaveSamples;
using platform::ISound;
using platform::RecordingSound;
using platform::ScopedService;

namespace {

QByteArray Le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray Chunk(const char* id, const QByteArray& body)
{
    QByteArray c = QByteArray(id, 4) + Le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray FmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int extra = 0)
{
    const quint16 block = quint16(channels * bits / 8);
    QByteArray b = Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * block) + Le16(block) + Le16(bits);
    if (extra)
        b += Le16(0) + QByteArray(extra - 2, '\0');
    return b;
}

QByteArray Wave(const QList<QByteArray>& chunks)
{
    QByteArray body = "WAVE";
    for (const QByteArray& c : chunks)
        body += c;
    return "RIFF" + Le32(quint32(body.size())) + body;
}

QByteArray Samples(int bytes) { return QByteArray(bytes, '\x10'); }

// An extensible format chunk: container bits, valid bits and a sub-format
// whose first two bytes are a plain tag.
QByteArray ExtensibleBody(quint16 channels, quint32 rate, quint16 bits, quint16 valid, quint16 subTag,
                          char guidByte = 0x00)
{
    QByteArray b = FmtBody(0xFFFE, channels, rate, bits);
    b += Le16(22) + Le16(valid) + Le32(channels == 1 ? 4 : 3) + Le16(subTag);
    b += QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    b[b.size() - 14] = guidByte;
    return b;
}

struct WaveCase {
    const char* why;
    QByteArray bytes;
};

} // namespace

TEST(PlayableWave, AcceptsEveryLayoutTheServerPlays)
{
    const QByteArray data = Chunk("data", Samples(24));
    const WaveCase cases[] = {
        {"the shipped new-word sound", ReadSourceFile("resources/newword.wav")},
        {"the shipped used-word sound", ReadSourceFile("resources/usedword.wav")},
        {"8-bit stereo", Wave({Chunk("fmt ", FmtBody(1, 2, 8000, 8)), data})},
        {"an 18-byte format chunk", Wave({Chunk("fmt ", FmtBody(1, 1, 44100, 16, 2)), data})},
        {"24-bit stereo", Wave({Chunk("fmt ", FmtBody(1, 2, 48000, 24)), data})},
        {"32-bit integer", Wave({Chunk("fmt ", FmtBody(1, 1, 48000, 32)), data})},
        {"32-bit float", Wave({Chunk("fmt ", FmtBody(3, 2, 44100, 32)), data})},
        {"A-law", Wave({Chunk("fmt ", FmtBody(6, 1, 8000, 8)), data})},
        {"extensible, 16-bit", Wave({Chunk("fmt ", ExtensibleBody(2, 44100, 16, 16, 1)), data})},
        {"extensible, 24 bits in 32", Wave({Chunk("fmt ", ExtensibleBody(1, 96000, 32, 24, 1)), data})},
        {"extensible, float", Wave({Chunk("fmt ", ExtensibleBody(2, 48000, 32, 32, 3)), data})},
        {"six channels", Wave({Chunk("fmt ", FmtBody(1, 6, 44100, 16)), data})},
        {"samples before the format", Wave({data, Chunk("fmt ", FmtBody(1, 1, 22050, 16))})},
        {"an odd-sized chunk and its pad byte",
         Wave({Chunk("fmt ", FmtBody(1, 1, 11025, 16)), Chunk("note", "odd"), data})},
        {"200 KiB of metadata before the format",
         Wave({Chunk("LIST", QByteArray(200 * 1024, 'm')), Chunk("fmt ", FmtBody(1, 1, 22050, 16)), data})},
        {"metadata after the samples running past the end",
         Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16)), data}) + "LIST" + Le32(0xFFFFFFFFu) + "INFO"},
    };
    for (const WaveCase& c : cases)
        EXPECT_TRUE(IsPlayableWave(c.bytes)) << c.why;
}

TEST(PlayableWave, RefusesWhatTheServerCannotPlay)
{
    const QByteArray data = Chunk("data", Samples(24));
    const QByteArray format = Chunk("fmt ", FmtBody(1, 1, 22050, 16));
    QByteArray badBlock = FmtBody(1, 2, 22050, 16);
    qToLittleEndian<quint16>(2, badBlock.data() + 12);
    const WaveCase cases[] = {
        {"empty", {}},
        {"text", "STYLE= 5\r\nSOUND ON\r\n"},
        {"RIFF but not WAVE", "RIFF" + Le32(4) + "AVI "},
        {"no format", Wave({data})},
        {"no samples", Wave({format})},
        {"an empty data chunk", Wave({format, Chunk("data", {})})},
        {"less than one frame", Wave({Chunk("fmt ", FmtBody(1, 2, 22050, 16)), Chunk("data", Samples(3))})},
        {"two formats", Wave({format, Chunk("fmt ", FmtBody(1, 2, 22050, 16)), data})},
        {"two data chunks", Wave({format, data, data})},
        {"format chunk too short", Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16).left(12)), data})},
        {"64-bit float", Wave({Chunk("fmt ", FmtBody(3, 1, 22050, 64)), data})},
        {"compressed", Wave({Chunk("fmt ", FmtBody(2, 1, 22050, 4)), data})},
        {"12 bits", Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 12)), data})},
        {"a block size that does not fit the channels", Wave({Chunk("fmt ", badBlock), data})},
        {"extensible, unknown sub-format", Wave({Chunk("fmt ", ExtensibleBody(2, 44100, 16, 16, 1, 0x01)), data})},
        {"extensible, more valid bits than the container",
         Wave({Chunk("fmt ", ExtensibleBody(2, 44100, 16, 24, 1)), data})},
        {"extensible, its extension missing", Wave({Chunk("fmt ", FmtBody(0xFFFE, 2, 44100, 16, 2)), data})},
        {"nine channels", Wave({Chunk("fmt ", FmtBody(1, 9, 44100, 16)), data})},
        {"no channels", Wave({Chunk("fmt ", FmtBody(1, 0, 44100, 16)), data})},
        {"rate zero", Wave({Chunk("fmt ", FmtBody(1, 1, 0, 16)), data})},
        {"rate beyond the server's", Wave({Chunk("fmt ", FmtBody(1, 1, 400000, 16)), data})},
        {"metadata running past the end before the samples", Wave({format}) + "LIST" + Le32(0xFFFFFFFFu) + "INFO"},
        {"header cut inside the format", Wave({format, data}).left(30)},
    };
    for (const WaveCase& c : cases)
        EXPECT_FALSE(IsPlayableWave(c.bytes)) << c.why;
}

TEST(PlayableWave, TheSamplesAreWholeFramesOfWhatTheFileHolds)
{
    // Stereo 16-bit: 4-byte frames. 100 bytes declared, 62 held: 15 frames.
    QByteArray cut = Wave({Chunk("LIST", QByteArray(70001, 'm')), Chunk("fmt ", FmtBody(1, 2, 22050, 16)),
                           Chunk("data", Samples(100))});
    cut.chop(38);
    const std::optional<WaveSamples> s = ReadWaveHeader(cut);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->format, platform::WaveSampleFormat::S16);
    EXPECT_EQ(s->channels, 2);
    EXPECT_EQ(s->rate, 22050u);
    EXPECT_EQ(s->offset, 12 + 8 + 70002 + 8 + 16 + 8);
    EXPECT_EQ(s->bytes, 60);
}

TEST(SoundService, AStandInRecordsRequestsInOrder)
{
    RecordingSound recording;
    {
        ScopedService<ISound> use(recording);
        platform::Sound().Play("/folder/newword.wav");
        platform::Sound().Play("/folder/usedword.wav");
        platform::Sound().Stop();
    }
    EXPECT_EQ(recording.played, QStringList({"/folder/newword.wav", "/folder/usedword.wav"}));
    EXPECT_EQ(recording.stops, 1);
    EXPECT_NE(&platform::Sound(), static_cast<ISound*>(&recording));
}
