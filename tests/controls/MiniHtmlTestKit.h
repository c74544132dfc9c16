#pragma once
// Shared helpers of the renderer tests: a canvas with a pinned font, one
// call of the renderer, a reference drawing of plain runs laid side by
// side, and pixel queries.
#include "controls/minihtml/MiniHtml.h"

#include <QImage>
#include <functional>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const TRect& r, std::ostream* os)
{
    *os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}

namespace kit {

inline TCanvasFont BaseFont(int height = -16)
{
    TCanvasFont f;
    f.Name = QStringLiteral("Liberation Sans");
    f.Height = height;
    f.Color = clBlack;
    return f;
}

struct Rendered {
    bool hit = false;
    TMiniHtmlResult r;
    QImage image;
};

using Tweak = std::function<void(TMiniHtmlParams&)>;

inline Rendered Render(const QString& text, TRect bounds, const Tweak& tweak = {}, int width = 320,
    int height = 120, const TCanvasFont& font = BaseFont())
{
    TBitmapCanvas canvas(width, height);
    canvas.SetFont(font);
    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = text;
    p.Bounds = bounds;
    if (tweak)
        tweak(p);
    Rendered out;
    out.hit = RenderMiniHtml(p, out.r);
    out.image = canvas.Image();
    return out;
}

struct Run {
    QString text;
    TCanvasFont font = BaseFont();
    TTextFlags extra = 0;
};

inline int CellHeight(const TCanvasFont& f)
{
    TBitmapCanvas c(1, 1);
    c.SetFont(f);
    return c.TextHeight(QStringLiteral("gh"));
}

inline int Width(const QString& s, const TCanvasFont& f = BaseFont(), TTextFlags flags = 0)
{
    TBitmapCanvas c(1, 1);
    c.SetFont(f);
    TRect r {0, 0, 100000, 100};
    c.DrawText(s, r, tfSingleLine | tfCalcRect | tfExpandTabs | flags);
    return r.Width();
}

// Plain runs drawn one after another on one line, bottom-aligned, from the
// left of bounds plus one: how a correct layout of those runs looks.
inline QImage Reference(const std::vector<Run>& runs, TRect bounds, int width = 320, int height = 120,
    int lineTop = -1, int lineHeight = -1, int startX = -1)
{
    TBitmapCanvas c(width, height);
    c.SetBkMode(TBkMode::bkTransparent);
    int h = CellHeight(BaseFont());
    for (const Run& r : runs)
        h = std::max(h, CellHeight(r.font));
    if (lineHeight >= 0)
        h = lineHeight;
    const int top = lineTop >= 0 ? lineTop : bounds.Top;
    int x = startX >= 0 ? startX : bounds.Left + 1;
    for (const Run& run : runs) {
        c.SetFont(run.font);
        TRect m {x, top, bounds.Right, top + h};
        c.DrawText(run.text, m, tfSingleLine | tfBottom | tfExpandTabs | tfCalcRect | run.extra);
        TRect d {x, top, bounds.Right, top + h};
        c.DrawText(run.text, d, tfSingleLine | tfBottom | tfExpandTabs | run.extra);
        x = m.Right;
    }
    return c.Image();
}

inline bool IsInk(QRgb p)
{
    return (p & 0xFFFFFFu) != 0xFFFFFFu;
}

// Bounding box of the non-white pixels inside `region` (all when null).
inline QRect InkBox(const QImage& image, QRect region = QRect())
{
    if (region.isNull())
        region = image.rect();
    region &= image.rect();
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (IsInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int CountPixels(const QImage& image, const std::function<bool(QColor)>& test, QRect region = QRect())
{
    if (region.isNull())
        region = image.rect();
    region &= image.rect();
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += test(QColor::fromRgb(image.pixel(x, y)));
    return n;
}

inline bool Reddish(QColor c)
{
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
inline bool Bluish(QColor c)
{
    return c.blue() > 150 && c.red() < 90 && c.green() < 90;
}
inline bool Dark(QColor c)
{
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

} // namespace kit
