// Pictures decoded from their bytes: the format comes from the data's
// signature, so reading the built-in formats loads no image plugin.
#include "controls/paint/PictureDecoder.h"
#include "PixelTestKit.h"

#include <QFile>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

QImage Sample()
{
    QImage image(14, 14, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 128));
    QPainter p(&image);
    p.fillRect(3, 3, 8, 4, QColor(250, 20, 40));
    p.end();
    return image;
}

// The image-format plugins this process has loaded, from its own memory map.
QStringList LoadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/") && !plugins.contains(QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1))))
            plugins.append(QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1)));
    return plugins;
}

QByteArray Resource(const char* path)
{
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

} // namespace

// One test in this order: the first half needs a process that has not yet
// loaded any image plugin, so its pictures are the program's own resources
// rather than ones written here (writing loads the plugins too). Where other
// tests of the program ran first and loaded plugins, it runs again alone in
// a fresh copy of the program.
TEST(PictureDecoder, BuiltInFormatsDecodeWithoutLoadingAPluginAndOthersStillDecode)
{
    if (!LoadedImagePlugins().isEmpty()) {
        const testing::TestInfo* self = testing::UnitTest::GetInstance()->current_test_info();
        QProcess alone;
        alone.setProcessChannelMode(QProcess::MergedChannels);
        alone.start(QStringLiteral("/proc/self/exe"),
            {QStringLiteral("--gtest_filter=%1.%2").arg(QLatin1String(self->test_suite_name()), QLatin1String(self->name()))});
        ASSERT_TRUE(alone.waitForFinished(120000)) << "the fresh copy did not finish";
        const QByteArray output = alone.readAll();
        EXPECT_EQ(alone.exitStatus(), QProcess::NormalExit) << output.constData();
        EXPECT_EQ(alone.exitCode(), 0) << output.constData();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();
        return;
    }
    struct Case {
        const char* resource;
        const char* format;
        QSize size;
    };
    std::vector<std::pair<Case, QImage>> decoded;
    for (const Case& c : {Case{":/images/close.bmp", "bmp", {14, 14}}, Case{":/lumora.png", "png", {256, 256}}}) {
        const TDecodedPicture picture = DecodePicture(Resource(c.resource));
        ASSERT_FALSE(picture.image.isNull()) << c.resource << ": " << qPrintable(picture.error);
        EXPECT_EQ(picture.format, c.format);
        EXPECT_EQ(picture.image.size(), c.size) << c.resource;
        decoded.emplace_back(c, picture.image);
    }
    EXPECT_EQ(LoadedImagePlugins().join(", "), "");

    // The same pixels as Qt's own reading of the files.
    for (const auto& [c, image] : decoded)
        EXPECT_EQ(image, QImage(QString::fromLatin1(c.resource))) << c.resource;

    // A format that needs its plugin: the plugin is found and reads it.
    const QImage sample = Sample();
    const QByteArray jpeg = Encode(sample, "JPEG");
    ASSERT_FALSE(jpeg.isEmpty()) << "no JPEG plugin installed";
    const TDecodedPicture picture = DecodePicture(jpeg);
    ASSERT_FALSE(picture.image.isNull()) << qPrintable(picture.error);
    EXPECT_EQ(picture.format, "jpeg");
    EXPECT_EQ(picture.image.size(), sample.size());
}

TEST(PictureDecoder, TheSignatureNamesTheFormat)
{
    EXPECT_EQ(PictureFormatOf(Encode(Sample(), "BMP")), "bmp");
    EXPECT_EQ(PictureFormatOf(Encode(Sample(), "PNG")), "png");
    EXPECT_EQ(PictureFormatOf(QByteArray("GIF89a\x01\x00", 8)), "gif");
    EXPECT_EQ(PictureFormatOf(QByteArray("GIF87a", 6)), "gif");
    EXPECT_EQ(PictureFormatOf(QByteArray("\xff\xd8\xff\xe0", 4)), "jpeg");
    EXPECT_EQ(PictureFormatOf(QByteArray("\x00\x00\x01\x00\x01\x00", 6)), "ico");
    // Too short or merely close: no format.
    EXPECT_EQ(PictureFormatOf(QByteArray()), "");
    EXPECT_EQ(PictureFormatOf(QByteArray("B")), "");
    EXPECT_EQ(PictureFormatOf(QByteArray("\x89PNG", 4)), "");
    EXPECT_EQ(PictureFormatOf(QByteArray("GIF88a", 6)), "");
    EXPECT_EQ(PictureFormatOf(QByteArray("\x00\x00\x02\x00", 4)), "");
}

TEST(PictureDecoder, DataOfNoKnownSignatureIsDetectedByContent)
{
    // PPM has no signature of ours; the readers recognise it themselves.
    const QImage sample = Sample();
    const QByteArray ppm = Encode(sample, "PPM");
    ASSERT_EQ(PictureFormatOf(ppm), "");
    const TDecodedPicture picture = DecodePicture(ppm);
    ASSERT_FALSE(picture.image.isNull()) << qPrintable(picture.error);
    EXPECT_EQ(picture.format, "ppm");
    EXPECT_EQ(picture.image.convertToFormat(QImage::Format_RGB32), sample);
}

TEST(PictureDecoder, UnreadableDataGivesANullImageAndAReason)
{
    for (const QByteArray& bytes : {QByteArray("BM not a bitmap at all"), QByteArray("\x89PNG\r\n\x1a\nbroken", 14),
                                    QByteArray("plain text"), QByteArray()}) {
        const TDecodedPicture picture = DecodePicture(bytes);
        EXPECT_TRUE(picture.image.isNull()) << bytes.constData();
        EXPECT_FALSE(picture.error.isEmpty()) << bytes.constData();
    }
    // A truncated bitmap: the named format's reader says what is wrong.
    const QByteArray bmp = Encode(Sample(), "BMP");
    const TDecodedPicture cut = DecodePicture(bmp.left(20));
    EXPECT_TRUE(cut.image.isNull());
    EXPECT_FALSE(cut.error.isEmpty());
}
