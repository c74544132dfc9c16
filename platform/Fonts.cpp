#include "platform/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <array>
#include <cstdlib>
#include <optional>

namespace platform {
namespace {

struct EmbeddedFace {
    const char* requested;
    const char* family; // the embedded files' own family name
    std::array<const char*, 4> files;
};

// The requested family, the free face with its metrics, and its files in
// ":/fonts/".
constexpr std::array<EmbeddedFace, 3> kFaces = {{
    {"MS Sans Serif", "MS Sans Serif", {"ms_sans_serif.ttf"}},
    {"Tahoma", "Tahoma", {"tahoma.ttf", "tahomabd.ttf"}},
    {"Arial", "Liberation Sans",
     {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
      "LiberationSans-BoldItalic.ttf"}},
}};

const QString kFontFolder = QStringLiteral(":/fonts/");

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
        const int id = QFontDatabase::addApplicationFont(kFontFolder + QLatin1String(file));
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

QString DrawingFamily(const QString& family, int pixelSize, bool bold, bool italic)
{
    static const QString kBitmapFamily = QLatin1String(kFaces[0].requested);
    constexpr int kBitmapEm = 11; // the 8-point size at 96 dpi
    if (family.compare(kBitmapFamily, Qt::CaseInsensitive) != 0)
        return family;
    const QList<FontResolution> faces = RegisterEmbeddedFonts();
    if (faces.size() != int(kFaces.size()) || faces[0].source != FontResolution::Source::Embedded)
        return family; // the system's own face, or nothing of ours
    const bool bitmapFits = !bold && !italic && std::abs(pixelSize - kBitmapEm) <= 1;
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
