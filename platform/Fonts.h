#pragma once
// The fonts the window's form asks for ("MS Sans Serif", "Tahoma" regular
// and bold, "Arial") travel inside the program as free faces with the same
// metrics. Where the system lacks a requested face, the requested family
// name resolves to the free face, the system's own copy where it has one
// and the embedded one registered otherwise, so text looks the same on
// every machine.
//
// The embedded Tahoma Bold carries the regular outlines (its bold shapes are
// only in its bitmap strikes); it is registered as a lighter-than-bold face
// so that the font engine emboldens those outlines, at the file's own bold
// advances.
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

struct FontResolution {
    enum class Source {
        System,   // the system has the requested face; left alone
        SystemSubstitute, // the system has the free face; it answers for the requested name
        Embedded, // the embedded face now answers for the requested name
        Missing,  // neither: the program was built without that face
    };
    QString requested; // "Tahoma"
    QString family;    // the family that now draws it ("Tahoma", "Liberation Sans")
    Source source = Source::Missing;
};

// Registers the embedded faces with the font database, once per process
// (later calls change nothing and return the first call's answer). Needs
// the application object. Returns one entry per requested family, in the
// order "MS Sans Serif", "Tahoma", "Arial".
QList<FontResolution> RegisterEmbeddedFonts();

// The family to draw a requested face with at an em height in pixels.
// Registers the embedded faces first when that has not happened yet.
//
// The embedded "MS Sans Serif" is a bitmap face whose only size the font
// database offers is the 8-point one (an em of 11 pixels), in regular
// weight; other sizes, bold and italic would come out at that same size and
// weight. Those requests draw in the scalable face that answers for "Arial"
// instead, whose widths are close to it; so do requests for a surface of
// more than one device pixel per logical pixel (ratio), where the one size
// would be too small. Every other request keeps its family.
QString DrawingFamily(const QString& family, int pixelSize, bool bold, bool italic, double ratio = 1.0);

// The resource paths of the embedded font files and their licence texts.
QStringList EmbeddedFontFiles();
QStringList EmbeddedFontLicences();

} // namespace platform
