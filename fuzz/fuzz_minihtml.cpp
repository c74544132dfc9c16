// Fuzzing RenderMiniHtml: random texts in random bounds with random flags,
// drawn, measured and hit-tested on an off-screen canvas. The first bytes
// choose the call's settings, the rest is the text (Latin-1, so that every
// byte is a character; with one flag bit, UTF-8).
#include "controls/minihtml/MiniHtml.h"
#include "controls/minihtml/MiniHtmlText.h"
#include "QtFuzzing.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <cstdlib>

namespace {

struct Pictures : IPictureContainer {
    THTMLPicture picture {[] {
        QImage img(7, 5, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::darkCyan);
        return img;
    }()};
    IHtmlPicture* FindPicture(const QString& name) override
    {
        return name.compare(QLatin1String("logo"), Qt::CaseInsensitive) == 0 ? &picture : nullptr;
    }
};

struct Byte {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint8_t Next() { return at < size ? data[at++] : 0; }
};

// The entity rule the slow way: sweeps, each replacing the first occurrence
// of every entity in table order, until a sweep replaces nothing. The
// renderer's one walk must give the same text.
QString SweepEntities(QString s)
{
    static const char16_t* const kTable[][2] = {{u"&amp;", u"&&"}, {u"&quot;", u"\""}, {u"&sect;", u"\u00A7"},
        {u"&permil;", u"\u2030"}, {u"&reg;", u"\u00AE"}, {u"&copy;", u"\u00A9"}, {u"&para;", u"\u00B6"},
        {u"&trade;", u"\u2122"}, {u"&euro;", u"\u20AC"}};
    for (bool replaced = true; replaced;) {
        replaced = false;
        for (const auto& e : kTable) {
            const qsizetype at = s.indexOf(QStringView(e[0]), 0, Qt::CaseInsensitive);
            if (at >= 0) {
                s.replace(at, QStringView(e[0]).size(), QStringView(e[1]).toString());
                replaced = true;
            }
        }
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    StartQtApplication<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TSimpleImageList images(8, 8);
    static Pictures pictures;
    static THTMLPictureCache cache;
    static bool ready = false;
    if (!ready) {
        QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::red);
        images.Add(img);
        images.Add(img);
        // Nothing is ever fetched: URLs give a small picture or none.
        cache.Loader = [](const QString& url) {
            QImage img;
            if (url.size() % 2 == 0) {
                img = QImage(3, 4, QImage::Format_ARGB32_Premultiplied);
                img.fill(Qt::green);
            }
            return img;
        };
        ready = true;
    }
    if (cache.Count() > 64)
        cache.Clear();
    // Qt trims its font caches from timers; let them run now and then.
    static unsigned calls = 0;
    if (++calls % 256 == 0)
        QCoreApplication::processEvents();

    Byte b {data, size};
    const uint8_t flags = b.Next();
    const uint8_t flags2 = b.Next();
    const int left = int(b.Next() % 64) - 16;
    const int top = int(b.Next() % 64) - 16;
    const int width = int(b.Next()) - 8;
    const int height = int(b.Next() % 96) - 8;
    const int px = int(b.Next()) - 16;
    const int py = int(b.Next() % 96) - 16;
    const int focused = int(b.Next() % 6) - 1;
    const int hovered = int(b.Next() % 6) - 1;
    const int fontHeight = -int(b.Next() % 40) + 8; // -31 .. 8
    const QByteArray rest(reinterpret_cast<const char*>(data + b.at), qsizetype(size - b.at));

    TBitmapCanvas canvas(160, 64);
    TCanvasFont font;
    font.Name = (flags2 & 1) ? QStringLiteral("Liberation Sans") : QStringLiteral("DejaVu Sans");
    font.Height = fontHeight;
    font.Color = clBlack;
    canvas.SetFont(font);
    if (flags2 & 2)
        canvas.SetPixelsPerInch(144, 120);

    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = (flags2 & 4) ? QString::fromUtf8(rest) : QString::fromLatin1(rest);
    p.Bounds = TRect {left, top, left + width, top + height};
    p.Images = (flags2 & 8) ? nullptr : &images;
    p.PointX = px;
    p.PointY = py;
    p.FocusedAnchor = focused;
    p.HoveredAnchor = hovered;
    p.ShadowOffset = (flags2 >> 4) % 4;
    p.HitTestOnly = flags & 1;
    p.MeasureOnly = flags & 2;
    p.ForPrinter = flags & 4;
    p.InSelection = flags & 8;
    p.BlinkPhase = flags & 16;
    p.HoverOnly = flags & 32;
    p.WordWrap = flags & 64;
    p.PrintScale = (flags & 128) ? 2.5 : 1.0;
    p.HoverColor = (flags2 & 64) ? clYellow : clNone;
    p.HoverFontColor = (flags2 & 128) ? clRed : clNone;
    p.PictureCache = &cache;
    p.PictureContainer = &pictures;
    p.LineSpacing = (flags2 >> 6) % 3;
    TMiniHtmlResult r;
    const QString anchorBefore = QStringLiteral("before");
    const TRect rectBefore {-7, -7, -7, -7};
    r.AnchorAtPoint = anchorBefore;
    r.AnchorRectAtPoint = rectBefore;
    RenderMiniHtml(p, r);

    // What must hold for every input.
    if (r.ExtentY <= 0 && fontHeight != 0)
        std::abort();
    if (r.AnchorIndexAtPoint > r.AnchorCount && !p.MeasureOnly)
        std::abort();
    if (p.MeasureOnly && r.Hit)
        std::abort();
    if (!(canvas.Font() == font))
        std::abort();
    // A miss leaves the hit outputs as they were.
    if (!r.Hit && (r.AnchorAtPoint != anchorBefore || r.AnchorIndexAtPoint != -1 || !(r.AnchorRectAtPoint == rectBefore)))
        std::abort();
    if (p.Text.size() <= 4096 && minihtml::ReplaceTextEntities(p.Text) != SweepEntities(p.Text))
        std::abort();
    return 0;
}
