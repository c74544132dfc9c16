// The sound service: what counts as playable, and that bad files, missing
// files and a machine without audio never stop the caller.
#include "platform/Resources.h"
#include "platform/Sound.h"
#include "support_sourcefiles.h"
#include "tests/support/RecordingSound.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using platform::IsPlayableWave;
using platform::ISound;
using platform::MultimediaSound;
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

void RunEvents(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

TEST(PlayableWave, AcceptsTheShippedSoundsAndPlainPcm)
{
    EXPECT_TRUE(IsPlayableWave(ReadSourceFile("resources/newword.wav")));
    EXPECT_TRUE(IsPlayableWave(ReadSourceFile("resources/usedword.wav")));
    // 8-bit stereo; an 18-byte format chunk; an odd-sized chunk with its pad
    // byte before the samples; samples cut short of their declared size.
    EXPECT_TRUE(IsPlayableWave(Wave({Chunk("fmt ", FmtBody(1, 2, 8000, 8)), Chunk("data", Samples(8))})));
    EXPECT_TRUE(IsPlayableWave(Wave({Chunk("fmt ", FmtBody(1, 1, 44100, 16, 2)), Chunk("data", Samples(4))})));
    EXPECT_TRUE(IsPlayableWave(
        Wave({Chunk("fmt ", FmtBody(1, 1, 11025, 16)), Chunk("note", "odd"), Chunk("data", Samples(4))})));
    QByteArray cut = Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16)), Chunk("data", Samples(100))});
    EXPECT_TRUE(IsPlayableWave(cut.left(cut.size() - 60)));
}

TEST(PlayableWave, RejectsWhatThePlayerCannotPlay)
{
    const QByteArray data = Chunk("data", Samples(4));
    struct Case {
        const char* why;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", {}},
        {"text", "STYLE= 5\r\nSOUND ON\r\n"},
        {"RIFF but not WAVE", "RIFF" + Le32(4) + "AVI "},
        {"no format", Wave({data})},
        {"samples before the format", Wave({data, Chunk("fmt ", FmtBody(1, 1, 22050, 16))})},
        {"no samples", Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16))})},
        {"format chunk too short", Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16).left(12)), data})},
        {"floating point", Wave({Chunk("fmt ", FmtBody(3, 1, 22050, 32)), data})},
        {"compressed", Wave({Chunk("fmt ", FmtBody(2, 1, 22050, 4)), data})},
        {"24 bits", Wave({Chunk("fmt ", FmtBody(1, 2, 44100, 24)), data})},
        {"six channels", Wave({Chunk("fmt ", FmtBody(1, 6, 44100, 16)), data})},
        {"no channels", Wave({Chunk("fmt ", FmtBody(1, 0, 44100, 16)), data})},
        {"rate zero", Wave({Chunk("fmt ", FmtBody(1, 1, 0, 16)), data})},
        {"a chunk running past the end",
         Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16))}) + "LIST" + Le32(0xFFFFFFFFu) + "INFO"},
        {"header cut inside the format", Wave({Chunk("fmt ", FmtBody(1, 1, 22050, 16)), data}).left(30)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(IsPlayableWave(c.bytes)) << c.why;
}

TEST(MultimediaSound, BadOrMissingFilesPlayNothingAndReturn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString garbage = dir.filePath("garbage.wav");
    const QString empty = dir.filePath("empty.wav");
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 5000; ++i)
            junk.append(char((i * 7919) & 0xFF));
        f.write("RIFF" + junk);
        QFile e(empty);
        ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    }
    MultimediaSound sound;
    for (const QString& path : {dir.filePath("missing.wav"), garbage, empty, dir.path(), QString()}) {
        sound.Play(path);
        EXPECT_TRUE(sound.Source().isEmpty()) << qPrintable(path);
    }
    RunEvents(100);
    sound.Stop();
    EXPECT_TRUE(sound.Source().isEmpty());
}

TEST(MultimediaSound, AGoodFileIsHandedOnOnlyWhenThereIsADevice)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("newword.wav");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ReadSourceFile("resources/usedword.wav"));
    }
    MultimediaSound sound;
    sound.Play(path);
    // Without an audio device (as on a test machine) nothing is handed on;
    // with one, exactly this file is.
    EXPECT_TRUE(sound.Source().isEmpty() || sound.Source() == QFileInfo(path).absoluteFilePath())
        << qPrintable(sound.Source());
    RunEvents(50);
    // A following request for a missing file ends it.
    sound.Play(dir.filePath("gone.wav"));
    EXPECT_TRUE(sound.Source().isEmpty());
    RunEvents(50);
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
