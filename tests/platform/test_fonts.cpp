// The embedded faces: the family names the form asks for draw in them,
// whatever the system has installed.
#include "platform/Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <gtest/gtest.h>

using platform::EmbeddedFontFiles;
using platform::EmbeddedFontLicences;
using platform::FontResolution;
using platform::RegisterEmbeddedFonts;

namespace {

QByteArray Resource(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    return f.readAll();
}

// The font file's "head" table: its checksum and dates tell one font file
// from any other, even one of the same family.
QByteArray HeadOf(const QFont& font) { return QRawFont::fromFont(font).fontTable("head"); }
QByteArray HeadOfFile(const QString& path) { return QRawFont(Resource(path), 12).fontTable("head"); }

QFont Face(const QString& family, bool bold = false, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(13);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QImage Render(const QFont& font)
{
    QImage image(220, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(2, 0, 218, 24), Qt::AlignVCenter, QStringLiteral("Play Sounds   Theme: Words 0"));
    p.end();
    return image;
}

// The system's own families, as they were before anything was registered.
const QStringList& SystemFamilies();

const QList<FontResolution>& Resolutions()
{
    SystemFamilies();
    static const QList<FontResolution> r = RegisterEmbeddedFonts();
    return r;
}

const QStringList& SystemFamilies()
{
    static const QStringList families = QFontDatabase::families();
    return families;
}

} // namespace

TEST(EmbeddedFonts, TheBuildCarriesEveryFaceAndItsLicence)
{
    const QStringList files = EmbeddedFontFiles();
    EXPECT_EQ(files.size(), 7) << qPrintable(files.join(", "));
    for (const QString& file : files)
        EXPECT_FALSE(QRawFont(Resource(file), 12).familyName().isEmpty()) << qPrintable(file);
    const QStringList licences = EmbeddedFontLicences();
    QByteArray all;
    for (const QString& l : licences)
        all += Resource(l);
    EXPECT_TRUE(all.contains("LIBERATION")) << qPrintable(licences.join(", "));
    EXPECT_TRUE(all.contains("GNU LESSER GENERAL PUBLIC LICENSE"));
    EXPECT_TRUE(all.contains("winehq"));
}

TEST(EmbeddedFonts, EachRequestedNameIsAnswered)
{
    const QList<FontResolution>& r = Resolutions();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0].requested, "MS Sans Serif");
    EXPECT_EQ(r[1].requested, "Tahoma");
    EXPECT_EQ(r[2].requested, "Arial");
    for (const FontResolution& f : r)
        EXPECT_NE(f.source, FontResolution::Source::Missing) << qPrintable(f.requested);
    // A second call registers nothing more and gives the same answer.
    const int families = QFontDatabase::families().size();
    const QList<FontResolution> again = RegisterEmbeddedFonts();
    ASSERT_EQ(again.size(), 3);
    EXPECT_EQ(again[2].family, r[2].family);
    EXPECT_EQ(QFontDatabase::families().size(), families);
}

TEST(EmbeddedFonts, RequestedNamesDrawInTheEmbeddedFiles)
{
    struct Expect {
        int resolution;
        bool bold, italic;
        const char* file;
    };
    const Expect cases[] = {
        {0, false, false, ":/fonts/ms_sans_serif.ttf"},
        {1, false, false, ":/fonts/tahoma.ttf"},
        {1, true, false, ":/fonts/tahomabd.ttf"},
        {2, false, false, ":/fonts/LiberationSans-Regular.ttf"},
        {2, true, false, ":/fonts/LiberationSans-Bold.ttf"},
        {2, false, true, ":/fonts/LiberationSans-Italic.ttf"},
        {2, true, true, ":/fonts/LiberationSans-BoldItalic.ttf"},
    };
    for (const Expect& c : cases) {
        const FontResolution& r = Resolutions()[c.resolution];
        if (r.source != FontResolution::Source::Embedded)
            continue; // the system's own face answers; nothing of ours to check
        const QFont font = Face(r.requested, c.bold, c.italic);
        EXPECT_EQ(QFontInfo(font).family(), r.family) << c.file;
        EXPECT_EQ(HeadOf(font), HeadOfFile(c.file)) << qPrintable(r.requested) << " drew in "
                                                    << qPrintable(QRawFont::fromFont(font).familyName());
    }
}

TEST(EmbeddedFonts, TheRenderedTextIsTheEmbeddedFacesNotAFallback)
{
    for (const FontResolution& r : Resolutions()) {
        const QImage asked = Render(Face(r.requested));
        EXPECT_EQ(asked, Render(Face(r.family))) << qPrintable(r.requested);
        // The comparison can tell faces apart: a fallback face draws
        // differently (on a system that has one to fall back to).
        if (SystemFamilies().contains(QStringLiteral("DejaVu Serif"))) {
            EXPECT_NE(asked, Render(Face(QStringLiteral("DejaVu Serif")))) << qPrintable(r.requested);
        }
    }
    // The three faces differ from each other.
    EXPECT_NE(Render(Face("Tahoma")), Render(Face("Arial")));
    EXPECT_NE(Render(Face("MS Sans Serif")), Render(Face("Tahoma")));
}

TEST(EmbeddedFonts, SizesTheBitmapFaceCannotDrawGoToTheScalableOne)
{
    const FontResolution& bitmap = Resolutions()[0];
    if (bitmap.source != FontResolution::Source::Embedded)
        GTEST_SKIP() << "the system has its own MS Sans Serif";
    const QString scalable = Resolutions()[2].family;
    EXPECT_EQ(platform::DrawingFamily("MS Sans Serif", 11, false, false), "MS Sans Serif");
    EXPECT_EQ(platform::DrawingFamily("ms sans serif", 12, false, false), "ms sans serif");
    for (int px : {15, 20})
        EXPECT_EQ(platform::DrawingFamily("MS Sans Serif", px, true, false), scalable) << px;
    EXPECT_EQ(platform::DrawingFamily("MS Sans Serif", 11, true, false), scalable);
    EXPECT_EQ(platform::DrawingFamily("MS Sans Serif", 11, false, true), scalable);
    EXPECT_EQ(platform::DrawingFamily("Tahoma", 23, true, false), "Tahoma");
    EXPECT_EQ(platform::DrawingFamily("Arial", 13, true, false), "Arial");

    // What the rule mends: the bitmap face draws every size like the 11
    // pixel one, the chosen face grows with the request.
    auto ascent = [](const QString& family, int px, bool bold) {
        QFont f = Face(platform::DrawingFamily(family, px, bold, false), bold);
        f.setPixelSize(px);
        return QFontMetrics(f).ascent();
    };
    QFont big = Face("MS Sans Serif");
    big.setPixelSize(20);
    EXPECT_EQ(QFontMetrics(big).ascent(), QFontMetrics(Face("MS Sans Serif")).ascent())
        << "the bitmap face now scales; the rule may no longer be needed";
    EXPECT_LT(ascent("MS Sans Serif", 11, false), ascent("MS Sans Serif", 15, true));
    EXPECT_LT(ascent("MS Sans Serif", 15, true), ascent("MS Sans Serif", 20, true));
}

TEST(EmbeddedFonts, AFreeFaceTheSystemHasAnswersForTheRequestedNameInEveryStyle)
{
    const FontResolution& arial = Resolutions()[2];
    if (!SystemFamilies().contains(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(arial.source, FontResolution::Source::Embedded);
        GTEST_SKIP() << "this system has no Liberation Sans of its own";
    }
    EXPECT_EQ(arial.source, FontResolution::Source::SystemSubstitute);
    EXPECT_EQ(arial.family, "Liberation Sans");
    for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
            const QFont asked = Face(QStringLiteral("Arial"), bold, italic);
            const QFontInfo info(asked);
            EXPECT_EQ(info.family(), "Liberation Sans") << bold << italic;
            EXPECT_EQ(info.bold(), bold);
            EXPECT_EQ(info.italic(), italic);
            EXPECT_EQ(Render(asked), Render(Face(QStringLiteral("Liberation Sans"), bold, italic))) << bold << italic;
        }
}
