#include "controls/paint/Canvas.h"

#include "controls/paint/DeviceRatio.h"

#include <QPaintDevice>
#include <QPen>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <vector>

// ---------------------------------------------------------------- helpers

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long p = static_cast<long long>(a) * b;
    long long q = p / c;
    const long long r = p % c;
    // Round half away from zero.
    if (std::llabs(r) * 2 >= std::llabs(static_cast<long long>(c)))
        q += ((p < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(std::clamp<long long>(q, INT32_MIN, INT32_MAX));
}

TMnemonicText ApplyMnemonicRule(const QString& text)
{
    TMnemonicText out;
    if (!text.contains(QLatin1Char('&'))) {
        out.Shown = text;
        return out;
    }
    out.Shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('&')) {
            out.Shown.append(c);
            continue;
        }
        if (i + 1 >= text.size())
            break; // a lone ampersand at the end shows nothing
        const QChar next = text.at(++i);
        if (next != QLatin1Char('&'))
            out.Underline = int(out.Shown.size());
        out.Shown.append(next);
    }
    return out;
}

// ---------------------------------------------------------------- font

int TCanvasFont::Size() const
{
    return int(std::lround(-Height * 72.0 / 96.0));
}

void TCanvasFont::SetSize(int points)
{
    Height = -MulDiv(points, 96, 72);
}

TCanvasFont TCanvasFont::From(const TFont& font)
{
    TCanvasFont f;
    f.Name = font.Name();
    f.Height = font.Height();
    f.Color = font.Color();
    f.Style = font.Style();
    return f;
}

void TCanvasFont::AssignTo(TFont& font) const
{
    font.SetName(Name);
    font.SetHeight(Height);
    font.SetColor(Color);
    font.SetStyle(Style);
}

QFont TCanvasFont::ToQFont(double ratio) const
{
    // The face/height mapping is TFont's; a scratch TFont keeps it in one place.
    static thread_local TFont scratch;
    AssignTo(scratch);
    return scratch.ToQFont(ratio);
}

// ---------------------------------------------------------------- font cache

// Built fonts and their metrics, shared by every canvas of the (one) GUI
// thread: marked-up text switches fonts at every tag, and building a QFont
// and its metrics each time costs more than the text itself.
//
// Each built font also keeps the texts shaped in it: the renderer measures
// every word of a marked-up text in both of its passes and then draws it,
// and a window repaints the same captions over and over, while shaping a
// text (finding its glyphs and their advances) is the dearest step of text
// output. A text is shaped once, for its width, and laid out once more the
// first time it is drawn; both results are reused until the font is evicted
// or its table fills up.
struct TBuiltFont {
    // A text shaped in this font.
    struct ShapedText {
        int width = 0;
        std::optional<QStaticText> glyphs; // laid out at the first draw
    };
    // A short-text hash (FNV-1a over the UTF-16 units): the texts are words
    // and captions, and this costs a fraction of the general string hash.
    struct ShortTextHash {
        size_t operator()(const QString& text) const noexcept
        {
            uint64_t h = 1469598103934665603ull;
            for (const QChar c : text) {
                h ^= c.unicode();
                h *= 1099511628211ull;
            }
            return size_t(h);
        }
    };

    TBuiltFont(const TCanvasFont& f, int style, int dpi, qreal ratio, QPaintDevice* device)
        : name(f.Name)
        , height(f.Height)
        , style(style)
        , dpi(dpi)
        , ratio(ratio)
        , font(f.ToQFont(ratio))
        , metrics(font, device)
        , ascent(metrics.ascent())
        , descent(metrics.descent())
        , leading(metrics.leading())
    {
    }
    QString name;
    int height;
    int style;
    int dpi;
    qreal ratio; // device pixels per logical pixel of the surfaces it draws on
    QFont font;
    QFontMetrics metrics;
    // Asked for at every run; the metrics object looks them up each time.
    int ascent;
    int descent;
    int leading;
    std::unordered_map<QString, ShapedText, ShortTextHash> shaped;
};

namespace {

using ShapedText = TBuiltFont::ShapedText;
constexpr size_t kShapedTextsPerFont = 512;

// Laid-out glyphs would start a new line at these; text output keeps them
// on its one line as the painter does.
bool BreaksLines(const QString& text)
{
    for (const QChar c : text)
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return true;
    return false;
}

ShapedText& Shaped(TBuiltFont& b, const QString& text)
{
    auto it = b.shaped.find(text);
    if (it != b.shaped.end())
        return it->second;
    if (b.shaped.size() >= kShapedTextsPerFont)
        b.shaped.clear(); // a cheap bound: the texts of one paint come back at once
    ShapedText s;
    s.width = b.metrics.horizontalAdvance(text);
    return b.shaped.emplace(text, std::move(s)).first->second;
}

// Walks the runs of text between tabs, each run starting at the tab stop (a
// multiple of 8 average character widths) after the end of the one before:
// hands each run and its offset to `each`, and returns the width of it all.
template <class Each>
int WalkTabbedRuns(TBuiltFont& b, const QString& shown, Each&& each)
{
    const int tab = std::max(1, 8 * b.metrics.averageCharWidth());
    int w = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype t = shown.indexOf(QLatin1Char('\t'), start);
        const QString run = shown.mid(start, t < 0 ? -1 : t - start);
        each(run, w);
        w += Shaped(b, run).width;
        if (t < 0)
            return w;
        w = (w / tab + 1) * tab;
        start = t + 1;
    }
}

constexpr size_t kBuiltFontSlots = 24;

std::vector<std::shared_ptr<TBuiltFont>>& BuiltFonts()
{
    static thread_local std::vector<std::shared_ptr<TBuiltFont>> cache;
    return cache;
}

std::shared_ptr<TBuiltFont> FindBuiltFont(const TCanvasFont& f, QPaintDevice* device, qreal ratio)
{
    std::vector<std::shared_ptr<TBuiltFont>>& cache = BuiltFonts();
    const int style = int(f.Style.toInt());
    const int dpi = device ? device->logicalDpiY() : 96;
    for (size_t i = 0; i < cache.size(); ++i) {
        const TBuiltFont& b = *cache[i];
        if (b.height == f.Height && b.style == style && b.dpi == dpi && b.ratio == ratio && b.name == f.Name) {
            if (i > 0) // most recently used first
                std::rotate(cache.begin(), cache.begin() + qsizetype(i), cache.begin() + qsizetype(i) + 1);
            return cache.front();
        }
    }
    auto built = std::make_shared<TBuiltFont>(f, style, dpi, ratio, device);
    if (cache.size() >= kBuiltFontSlots)
        cache.pop_back(); // a canvas still drawing in it keeps its own share
    cache.insert(cache.begin(), built);
    return built;
}

} // namespace

// ---------------------------------------------------------------- canvas

TCanvas::TCanvas(QPainter& painter)
    : m_painter(painter)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setClipping(false);
    if (QPaintDevice* d = m_painter.device()) {
        if (d->logicalDpiX() > 0)
            m_dpiX = d->logicalDpiX();
        if (d->logicalDpiY() > 0)
            m_dpiY = d->logicalDpiY();
    }
    m_ratio = PaintRatio(m_painter);
    m_built = FindBuiltFont(m_font, m_painter.device(), m_ratio);
}

void TCanvas::ForgetShapedTexts()
{
    for (const std::shared_ptr<TBuiltFont>& b : BuiltFonts())
        b->shaped.clear();
}

TCanvas::~TCanvas()
{
    m_painter.restore();
}

void TCanvas::SetFont(const TCanvasFont& font)
{
    if (font == m_font)
        return;
    const bool metricsChange = font.Name != m_font.Name || font.Height != m_font.Height || font.Style != m_font.Style;
    m_font = font;
    if (metricsChange)
        m_built = FindBuiltFont(m_font, m_painter.device(), m_ratio);
}

void TCanvas::SetFontColor(TColor c)
{
    m_font.Color = c;
}

void TCanvas::SetFontStyle(TFontStyles s)
{
    TCanvasFont f = m_font;
    f.Style = s;
    SetFont(f);
}

void TCanvas::SetBrushColor(TColor c)
{
    m_brushColor = c;
    m_brushStyle = TBrushStyle::bsSolid;
    m_bkColor = c;
    m_bkMode = TBkMode::bkOpaque;
}

void TCanvas::SetBrushStyle(TBrushStyle s)
{
    m_brushStyle = s;
    if (s == TBrushStyle::bsSolid) {
        m_bkColor = m_brushColor;
        m_bkMode = TBkMode::bkOpaque;
    } else {
        m_bkMode = TBkMode::bkTransparent;
    }
}

void TCanvas::SetPixelsPerInch(int x, int y)
{
    m_dpiX = x > 0 ? x : 96;
    m_dpiY = y > 0 ? y : 96;
}

const QFontMetrics& TCanvas::Metrics() const
{
    return m_built->metrics;
}

int TCanvas::TextHeight(const QString&)
{
    return m_built->ascent + m_built->descent;
}

int TCanvas::TextWidth(const QString& text)
{
    return Shaped(*m_built, text).width;
}

int TCanvas::ExternalLeading()
{
    return std::max(0, m_built->leading);
}

int TCanvas::ShownWidth(const QString& shown, bool expandTabs)
{
    if (!expandTabs || !shown.contains(QLatin1Char('\t')))
        return Shaped(*m_built, shown).width;
    return WalkTabbedRuns(*m_built, shown, [](const QString&, int) {});
}

void TCanvas::DrawShown(const QString& shown, int underline, int x, int top, bool expandTabs)
{
    const QFontMetrics& fm = Metrics();
    m_painter.setFont(m_built->font);
    m_painter.setPen(ToQColor(m_font.Color));
    const bool turned = m_font.Orientation % 3600 != 0;
    if (turned) {
        // The text turns about its top-left corner.
        m_painter.save();
        m_painter.translate(x, top);
        m_painter.rotate(-m_font.Orientation / 10.0);
        x = 0;
        top = 0;
    }
    const int baseline = top + m_built->ascent;
    if (expandTabs && shown.contains(QLatin1Char('\t'))) {
        WalkTabbedRuns(*m_built, shown,
                       [&](const QString& run, int offset) { m_painter.drawText(QPoint(x + offset, baseline), run); });
    } else if (turned || BreaksLines(shown)) {
        m_painter.drawText(QPoint(x, baseline), shown);
    } else {
        // Upright text draws from its shaped glyphs, laid out once per text.
        ShapedText& s = Shaped(*m_built, shown);
        if (!s.glyphs) {
            QStaticText st(shown);
            st.setTextFormat(Qt::PlainText);
            st.setPerformanceHint(QStaticText::ModerateCaching);
            st.prepare(QTransform(), m_built->font);
            s.glyphs = std::move(st);
        }
        m_painter.drawStaticText(QPoint(x, top), *s.glyphs);
    }
    // The mnemonic underline sits under its one character.
    if (underline >= 0 && underline < shown.size()) {
        const int ux = x + ShownWidth(shown.left(underline), expandTabs);
        const int uw = std::max(1, fm.horizontalAdvance(shown.at(underline)));
        const int uy = baseline + std::max(1, fm.underlinePos());
        m_painter.fillRect(QRect(ux, uy, uw, std::max(1, int(fm.lineWidth()))), ToQColor(m_font.Color));
    }
    if (turned)
        m_painter.restore();
}

int TCanvas::DrawText(const QString& text, TRect& rect, TTextFlags flags)
{
    // What is shown: the mnemonic rule, then the ellipsis.
    TMnemonicText m;
    if (flags & tfNoPrefix)
        m.Shown = text;
    else
        m = ApplyMnemonicRule(text);
    const bool tabs = flags & tfExpandTabs;
    int width = ShownWidth(m.Shown, tabs);
    const int cell = m_built->ascent + m_built->descent;
    if ((flags & tfEndEllipsis) && width > rect.Width()) {
        static const QString dots = QStringLiteral("...");
        const int avail = rect.Width();
        // Largest prefix that fits together with the dots.
        qsizetype lo = 0, hi = m.Shown.size();
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (ShownWidth(m.Shown.left(mid) + dots, tabs) <= avail)
                lo = mid;
            else
                hi = mid - 1;
        }
        if (m.Underline >= lo)
            m.Underline = -1;
        m.Shown = m.Shown.left(lo) + dots;
        width = ShownWidth(m.Shown, tabs);
    }

    // Measuring only.
    if (flags & tfCalcRect) {
        const int h = cell + ((flags & tfExternalLeading) ? ExternalLeading() : 0);
        rect.Right = rect.Left + width;
        rect.Bottom = rect.Top + h;
        return h;
    }
    if (rect.IsEmpty() || m.Shown.isEmpty())
        return cell;

    // Placement in the rectangle.
    int x = rect.Left;
    if (flags & tfRight)
        x = rect.Right - width;
    else if (flags & tfCenter)
        x = rect.Left + (rect.Width() - width) / 2;
    int top = rect.Top;
    if (flags & tfBottom)
        top = rect.Bottom - cell;
    else if (flags & tfVCenter)
        top = rect.Top + (rect.Height() - cell) / 2;

    // Drawing, clipped to the rectangle when the text reaches past it.
    const bool clip = x < rect.Left || x + width > rect.Right || top < rect.Top || top + cell > rect.Bottom
        || m_font.Orientation % 3600 != 0;
    if (clip) {
        m_painter.save();
        m_painter.setClipRect(rect.ToQRect(), m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    if (m_bkMode == TBkMode::bkOpaque && m_bkColor != clNone && m_font.Orientation % 3600 == 0)
        m_painter.fillRect(QRect(x, top, width, cell), ToQColor(m_bkColor));
    DrawShown(m.Shown, m.Underline, x, top, tabs);
    if (clip)
        m_painter.restore();
    return cell;
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    if (m_bkMode == TBkMode::bkOpaque && m_bkColor != clNone && m_font.Orientation % 3600 == 0)
        m_painter.fillRect(QRect(x, y, ShownWidth(text, false), TextHeight(text)), ToQColor(m_bkColor));
    DrawShown(text, -1, x, y, false);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    // A pen or brush in clNone draws nothing, but the pen still takes its
    // pixel of the edge as a present pen does.
    const bool pen = m_penStyle != TPenStyle::psClear;
    // Interior.
    if (m_brushStyle == TBrushStyle::bsSolid && m_brushColor != clNone) {
        const QRect fill = pen ? QRect(left, top, right - left, bottom - top)
                               : QRect(left, top, right - left - 1, bottom - top - 1);
        if (fill.width() > 0 && fill.height() > 0)
            m_painter.fillRect(fill, ToQColor(m_brushColor));
    }
    if (!pen || m_penColor == clNone)
        return;
    // Outline, inside the rectangle.
    const QColor pc = ResolvedPen();
    if (m_penStyle == TPenStyle::psSolid) {
        const int w = std::min({m_penWidth, (right - left + 1) / 2, (bottom - top + 1) / 2});
        const int ww = std::max(1, w);
        m_painter.fillRect(QRect(left, top, right - left, ww), pc);
        m_painter.fillRect(QRect(left, bottom - ww, right - left, ww), pc);
        m_painter.fillRect(QRect(left, top, ww, bottom - top), pc);
        m_painter.fillRect(QRect(right - ww, top, ww, bottom - top), pc);
        return;
    }
    QList<QPoint> pts;
    for (int x = left; x < right; x += 2) {
        pts.append(QPoint(x, top));
        pts.append(QPoint(x, bottom - 1));
    }
    for (int y = top; y < bottom; y += 2) {
        pts.append(QPoint(left, y));
        pts.append(QPoint(right - 1, y));
    }
    PlotPixels(pts, pc);
}

void TCanvas::FillRect(const TRect& r)
{
    if (r.IsEmpty() || m_brushColor == clNone)
        return;
    m_painter.fillRect(r.ToQRect(), ToQColor(m_brushColor));
}

void TCanvas::PlotPixels(const QList<QPoint>& points, const QColor& color)
{
    if (points.isEmpty())
        return;
    m_painter.save();
    QPen p(color);
    p.setWidth(1);
    p.setCapStyle(Qt::SquareCap);
    m_painter.setPen(p);
    m_painter.drawPoints(points.constData(), int(points.size()));
    m_painter.restore();
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = m_penPos;
    m_penPos = QPoint(x, y);
    if (m_penStyle == TPenStyle::psClear || m_penColor == clNone || from == m_penPos)
        return;
    const QColor pc = ResolvedPen();
    if (m_penStyle == TPenStyle::psSolid && m_penWidth > 1) {
        m_painter.save();
        QPen p(pc);
        p.setWidth(m_penWidth);
        p.setCapStyle(Qt::FlatCap);
        m_painter.setPen(p);
        m_painter.drawLine(from, m_penPos);
        m_painter.restore();
        return;
    }
    // Horizontal and vertical solid lines are plain fills.
    if (m_penStyle == TPenStyle::psSolid && (from.y() == y || from.x() == x)) {
        if (from.y() == y) {
            m_painter.fillRect(QRect(x < from.x() ? x + 1 : from.x(), y, std::abs(x - from.x()), 1), pc);
        } else {
            m_painter.fillRect(QRect(x, y < from.y() ? y + 1 : from.y(), 1, std::abs(y - from.y())), pc);
        }
        return;
    }
    // Bresenham, stopping before the last point; dotted pens plot every other one.
    QList<QPoint> pts;
    int x0 = from.x(), y0 = from.y();
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    int n = 0;
    while (!(x0 == x && y0 == y)) {
        if (m_penStyle == TPenStyle::psSolid || (n % 2) == 0)
            pts.append(QPoint(x0, y0));
        ++n;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    PlotPixels(pts, pc);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty())
        return;
    // Every pixel of the edge whose x + y is even, once each.
    QList<QPoint> pts;
    auto add = [&pts](int x, int y) {
        if (((x + y) & 1) == 0)
            pts.append(QPoint(x, y));
    };
    for (int x = r.Left; x < r.Right; ++x) {
        add(x, r.Top);
        if (r.Bottom - 1 > r.Top)
            add(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        add(r.Left, y);
        if (r.Right - 1 > r.Left)
            add(r.Right - 1, y);
    }
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen p(QColor(255, 255, 255));
    p.setWidth(1);
    m_painter.setPen(p);
    m_painter.drawPoints(pts.constData(), int(pts.size()));
    m_painter.restore();
}

void TCanvas::SetClipRect(const std::optional<TRect>& r)
{
    m_clip = r;
    if (r)
        m_painter.setClipRect(r->ToQRect(), Qt::ReplaceClip);
    else
        m_painter.setClipping(false);
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    if (!image.isNull())
        m_painter.drawImage(QPoint(x, y), image);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image)
{
    if (!image.isNull() && !r.IsEmpty())
        m_painter.drawImage(r.ToQRect(), image);
}

// ---------------------------------------------------------------- bitmap canvas

TBitmapCanvasStorage::TBitmapCanvasStorage(int width, int height, TColor fill)
    : StoredImage(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied)
{
    StoredImage.fill(ToQColor(fill));
    StoredPainter.begin(&StoredImage);
}

TBitmapCanvas::TBitmapCanvas(int width, int height, TColor fill)
    : TBitmapCanvasStorage(width, height, fill)
    , TCanvas(StoredPainter)
{
}

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width && !r.IsEmpty(); ++i) {
        canvas.SetBrushColor(topLeft);
        canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
        canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1});
        canvas.SetBrushColor(bottomRight);
        canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

TColor TBitmapCanvas::PixelAt(int x, int y) const
{
    if (!StoredImage.valid(x, y))
        return clNone;
    const QRgb p = StoredImage.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}
