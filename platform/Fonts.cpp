#include "platform/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QResource>

#include <array>
#include <cstdlib>
#include <optional>

namespace platform {
namespace {

struct EmbeddedFace {
    const char* requested;
    const char* family; // the embedded files' own family name
    std::array<const char*, 4> files;
    // A file that declares itself bold but carries the regular outlines
    // (its bold shapes exist only in its bitmap strikes); see EmboldenedBold.
    const char* boldWithRegularOutlines = nullptr;
};

// The requested family, the free face with its metrics, and its files in
// ":/fonts/".
constexpr std::array<EmbeddedFace, 3> kFaces = {{
    {"MS Sans Serif", "MS Sans Serif", {"ms_sans_serif.ttf"}},
    {"Tahoma", "Tahoma", {"tahoma.ttf", "tahomabd.ttf"}, "tahomabd.ttf"},
    {"Arial", "Liberation Sans",
     {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
      "LiberationSans-BoldItalic.ttf"}},
}};

const QString kFontFolder = QStringLiteral(":/fonts/");

quint16 ReadU16(const QByteArray& b, qsizetype at)
{
    return quint16((quint8(b[at]) << 8) | quint8(b[at + 1]));
}

void WriteU16(QByteArray& b, qsizetype at, quint16 v)
{
    b[at] = char(v >> 8);
    b[at + 1] = char(v & 0xFF);
}

// A bold file with the regular outlines draws regular shapes at bold
// spacing. The font engine emboldens the outlines of a face that is asked
// for bold but is lighter than bold itself, so the file's OS/2 table is
// made to declare a semi-bold weight (600) and no bold bit: the face still
// answers bold requests of its family (the nearest weight), keeps its name,
// its bold advances and every other table, and is drawn emboldened. Bytes
// that are not a font with an OS/2 table are returned unchanged.
QByteArray EmboldenedBold(QByteArray font)
{
    constexpr quint16 kSemiBold = 600;
    constexpr quint16 kBoldBit = 0x20; // fsSelection bit 5
    if (font.size() < 12)
        return font;
    const int tables = ReadU16(font, 4);
    for (int i = 0; i < tables; ++i) {
        const qsizetype entry = 12 + 16 * qsizetype(i);
        if (entry + 16 > font.size())
            break;
        if (font.mid(entry, 4) != "OS/2")
            continue;
        const qsizetype at = (qsizetype(ReadU16(font, entry + 8)) << 16) | ReadU16(font, entry + 10);
        if (at < 0 || at + 64 > font.size())
            break;
        WriteU16(font, at + 4, kSemiBold);                                   // usWeightClass
        WriteU16(font, at + 62, quint16(ReadU16(font, at + 62) & ~kBoldBit)); // fsSelection
        break;
    }
    return font;
}

// The bytes of an embedded file. A file stored uncompressed is handed over
// where it lies in the program's image, so the font database reads it there
// instead of holding a copy on the heap; a compressed one is read out.
QByteArray EmbeddedBytes(const QString& path)
{
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression && resource.data())
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int AddEmbeddedFont(const EmbeddedFace& face, const char* file)
{
    QByteArray bytes = EmbeddedBytes(kFontFolder + QLatin1String(file));
    if (bytes.isEmpty())
        return -1;
    if (face.boldWithRegularOutlines && qstrcmp(face.boldWithRegularOutlines, file) == 0)
        bytes = EmboldenedBold(std::move(bytes)); // writing detaches: a copy of its own
    return QFontDatabase::addApplicationFontFromData(bytes);
}

bool HasFamily(const QStringList& families, const QString& name)
{
    return families.contains(name, Qt::CaseInsensitive);
}

FontResolution Resolve(const EmbeddedFace& face, const QStringList& systemFamilies)
{
    FontResolution r;
    r.requested = QLatin1String(face.requested);
    if (HasFamily(systemFamilies, r.requested)) {
        r.family = r.requested;
        r.source = FontResolution::Source::System;
        return r;
    }
    const QString family = QLatin1String(face.family);
    if (family.compare(r.requested, Qt::CaseInsensitive) != 0 && HasFamily(systemFamilies, family)) {
        // The system has the free face itself (Liberation Sans for Arial):
        // the requested name resolves to it, and the embedded copy, the same
        // face, is not read at all.
        QFont::insertSubstitution(r.requested, family);
        r.family = family;
        r.source = FontResolution::Source::SystemSubstitute;
        return r;
    }
    QStringList registered;
    for (const char* file : face.files) {
        if (!file)
            continue;
        const int id = AddEmbeddedFont(face, file);
        if (id >= 0)
            registered += QFontDatabase::applicationFontFamilies(id);
    }
    if (!HasFamily(registered, family)) {
        r.family = QFontInfo(QFont(r.requested)).family(); // whatever the system offers
        r.source = FontResolution::Source::Missing;
        return r;
    }
    if (family.compare(r.requested, Qt::CaseInsensitive) != 0)
        QFont::insertSubstitution(r.requested, family);
    r.family = family;
    r.source = FontResolution::Source::Embedded;
    return r;
}

} // namespace

QList<FontResolution> RegisterEmbeddedFonts()
{
    static std::optional<QList<FontResolution>> done;
    if (done)
        return *done;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {}; // no font database yet; try again once there is one
    const QStringList systemFamilies = QFontDatabase::families();
    QList<FontResolution> result;
    for (const EmbeddedFace& face : kFaces)
        result.append(Resolve(face, systemFamilies));
    done = result;
    return result;
}

QString DrawingFamily(const QString& family, int pixelSize, bool bold, bool italic, double ratio)
{
    static const QString kBitmapFamily = QLatin1String(kFaces[0].requested);
    constexpr int kBitmapEm = 11; // the 8-point size at 96 dpi
    if (family.compare(kBitmapFamily, Qt::CaseInsensitive) != 0)
        return family;
    const QList<FontResolution> faces = RegisterEmbeddedFonts();
    if (faces.size() != int(kFaces.size()) || faces[0].source != FontResolution::Source::Embedded)
        return family; // the system's own face, or nothing of ours
    const bool bitmapFits = !bold && !italic && std::abs(pixelSize - kBitmapEm) <= 1 && ratio == 1.0;
    return bitmapFits ? family : faces[2].family;
}

QStringList EmbeddedFontFiles()
{
    QStringList files;
    for (const EmbeddedFace& face : kFaces)
        for (const char* file : face.files)
            if (file && QFile::exists(kFontFolder + QLatin1String(file)))
                files.append(kFontFolder + QLatin1String(file));
    return files;
}

QStringList EmbeddedFontLicences()
{
    QStringList files;
    const QDir dir(kFontFolder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        files.append(kFontFolder + name);
    return files;
}

} // namespace platform
