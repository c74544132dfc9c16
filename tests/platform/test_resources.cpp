// The embedded data files: found by name whatever the case, equal byte for
// byte to the files in resources/, and in the forms the game relies on.
#include "platform/Resources.h"
#include "support_sourcefiles.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <map>
#include <optional>

using platform::EmbeddedResourcePath;
using platform::IResources;
using platform::MapResources;
using platform::Resources;
using platform::ScopedService;

namespace {

struct Chunk {
    QByteArray id;
    quint32 size = 0;
    QByteArray body;
};

// The chunks of a RIFF file in order; fails the test on a malformed layout.
QList<Chunk> RiffChunks(const QByteArray& file)
{
    QList<Chunk> chunks;
    EXPECT_GE(file.size(), 12);
    EXPECT_EQ(file.left(4), "RIFF");
    EXPECT_EQ(file.mid(8, 4), "WAVE");
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 4), quint32(file.size() - 8));
    qsizetype pos = 12;
    while (pos + 8 <= file.size()) {
        Chunk c;
        c.id = file.mid(pos, 4);
        c.size = qFromLittleEndian<quint32>(file.constData() + pos + 4);
        c.body = file.mid(pos + 8, c.size);
        EXPECT_EQ(c.body.size(), qsizetype(c.size)) << "chunk " << c.id.constData() << " cut short";
        chunks.append(c);
        pos += 8 + c.size + (c.size & 1);
    }
    EXPECT_EQ(pos, file.size()) << "bytes after the last chunk";
    return chunks;
}

QStringList Ids(const QList<Chunk>& chunks)
{
    QStringList ids;
    for (const Chunk& c : chunks)
        ids.append(QString::fromLatin1(c.id));
    return ids;
}

struct PcmFormat {
    quint16 tag, channels;
    quint32 rate, byteRate;
    quint16 blockAlign, bits;
};

PcmFormat Format(const Chunk& fmt)
{
    const char* f = fmt.body.constData();
    return {qFromLittleEndian<quint16>(f), qFromLittleEndian<quint16>(f + 2),
            qFromLittleEndian<quint32>(f + 4), qFromLittleEndian<quint32>(f + 8),
            qFromLittleEndian<quint16>(f + 12), qFromLittleEndian<quint16>(f + 14)};
}

} // namespace

TEST(EmbeddedResources, NamesCompareWithoutRegardToCase)
{
    const std::map<QString, QString> files = {
        {"biblewords", "resources/biblewords.txt"},
        {"usedword", "resources/usedword.wav"},
        {"newword", "resources/newword.wav"},
    };
    for (const auto& [name, file] : files) {
        const QByteArray expected = ReadSourceFile(file);
        ASSERT_FALSE(expected.isEmpty()) << qPrintable(file);
        for (const QString& spelling : {name, name.toUpper(), name.left(1).toUpper() + name.mid(1),
                                        QString(name).replace('w', 'W')}) {
            const std::optional<QByteArray> found = Resources().Find(spelling);
            ASSERT_TRUE(found.has_value()) << qPrintable(spelling);
            EXPECT_TRUE(*found == expected) << qPrintable(spelling) << " differs from " << qPrintable(file);
        }
    }
}

TEST(EmbeddedResources, OtherNamesFindNothing)
{
    // The file names, near misses, embedded files that are no data
    // resources, and letters that only Unicode case folding would match
    // (long s for "s", dotted capital I for "i").
    for (const QString& name :
         {QString(), QStringLiteral("biblewords.txt"), QStringLiteral("bibleword"),
          QStringLiteral("biblewordss"), QStringLiteral(" biblewords"), QStringLiteral("lumora"),
          QStringLiteral("images/close.bmp"), QStringLiteral("bibleword") + QChar(0x17F),
          QStringLiteral("B\u0130BLEWORDS")}) {
        EXPECT_FALSE(Resources().Find(name).has_value()) << qPrintable(name);
        EXPECT_TRUE(EmbeddedResourcePath(name).isEmpty()) << qPrintable(name);
    }
}

TEST(EmbeddedResources, AStandInReplacesTheRealLookup)
{
    MapResources stand;
    stand.Add("BibleWords", "ABCD\r\n");
    stand.Add("BIBLEWORDS", "EFGH\r\n"); // the same name: replaces
    {
        ScopedService<IResources> use(stand);
        EXPECT_EQ(Resources().Find("biblewords").value_or("none"), QByteArray("EFGH\r\n"));
        EXPECT_FALSE(Resources().Find("newword").has_value());
        EXPECT_EQ(stand.lookups, QStringList({"biblewords", "newword"}));
    }
    // Back to the embedded files once the stand-in is gone.
    EXPECT_EQ(Resources().Find("biblewords")->left(7), QByteArray("AARON\r\n"));
}

TEST(ShippedWordList, KeepsTheTextFormTheGameReliesOn)
{
    const QByteArray text = *Resources().Find("biblewords");
    ASSERT_TRUE(text.endsWith("\r\n"));
    const QList<QByteArray> lines = text.chopped(2).split('\n');
    QByteArray previous;
    std::map<qsizetype, int> byLength;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        ASSERT_TRUE(line.endsWith('\r') || i == lines.size() - 1) << "line " << i + 1 << " lacks CR LF";
        if (line.endsWith('\r'))
            line.chop(1);
        ASSERT_GE(line.size(), 4) << "line " << i + 1;
        ASSERT_LE(line.size(), 9) << "line " << i + 1;
        for (char c : line)
            ASSERT_TRUE(c >= 'A' && c <= 'Z') << "line " << i + 1 << ": " << line.constData();
        ASSERT_LT(previous, line) << "line " << i + 1 << " out of order or repeated";
        previous = line;
        ++byLength[line.size()];
    }
    // Every length of the game is well represented.
    for (qsizetype n = 4; n <= 9; ++n)
        EXPECT_GT(byLength[n], 1000) << n << " letters";
    EXPECT_GT(lines.size(), 10000);
}

TEST(ShippedSounds, AreAShortMonoChimeAndALongerStereoToneWithATrailingList)
{
    struct Sound {
        const char* name;
        QStringList chunks;
        quint16 channels;
        quint32 rate;
        quint16 blockAlign;
        quint32 byteRate;
        quint32 dataSize;
        qsizetype fileSize;
    };
    const Sound sounds[] = {
        {"newword", {"fmt ", "fact", "data"}, 1, 22050, 2, 44100, 3380, 3436},
        {"usedword", {"fmt ", "fact", "data", "LIST"}, 2, 44100, 4, 176400, 189896, 189980},
    };
    for (const Sound& s : sounds) {
        SCOPED_TRACE(s.name);
        const QList<Chunk> chunks = RiffChunks(*Resources().Find(s.name));
        ASSERT_EQ(Ids(chunks), s.chunks);
        const PcmFormat f = Format(chunks[0]);
        EXPECT_EQ(f.tag, 1);
        EXPECT_EQ(f.channels, s.channels);
        EXPECT_EQ(f.rate, s.rate);
        EXPECT_EQ(f.bits, 16);
        EXPECT_EQ(f.blockAlign, s.blockAlign);
        EXPECT_EQ(f.byteRate, s.byteRate);
        EXPECT_EQ(chunks[2].size, s.dataSize);
        EXPECT_EQ(qFromLittleEndian<quint32>(chunks[1].body.constData()), s.dataSize / s.blockAlign)
            << "fact: sample frames";
        if (chunks.size() > 3)
            EXPECT_EQ(chunks[3].body.left(4), "INFO");
        EXPECT_EQ(Resources().Find(s.name)->size(), s.fileSize);
    }
}

TEST(ShippedSounds, AreNotSilent)
{
    for (const char* name : {"newword", "usedword"}) {
        const QList<Chunk> chunks = RiffChunks(*Resources().Find(name));
        ASSERT_GE(chunks.size(), 3);
        const QByteArray& data = chunks[2].body;
        int peak = 0;
        for (qsizetype i = 0; i + 1 < data.size(); i += 2)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(data.constData() + i))));
        EXPECT_GT(peak, 3000) << name;
        EXPECT_LT(peak, 32767) << name << " clips";
    }
}
