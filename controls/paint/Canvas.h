#pragma once
// TCanvas: the drawing surface every custom-drawn control paints through.
//
// It wraps an active QPainter and behaves like a classic raster device
// context: a current font (a plain value, TCanvasFont), a brush (fill colour
// and style), a pen (line colour, width and style), a text background mode,
// a pen position for MoveTo/LineTo and a clip rectangle. Fills are never
// antialiased; rectangles and lines exclude their right/bottom edge and their
// last point, so coordinates read the same as on a GDI-like device.
//
// Text output is single-line: measured and drawn runs expand tabs, follow the
// mnemonic rule ("&&" draws one ampersand, "&x" draws x underlined) unless
// tfNoPrefix is given, and may end in "..." when they do not fit.
#include "controls/paint/Color.h"
#include "controls/paint/Font.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <array>
#include <memory>
#include <optional>

// A rectangle with exclusive right and bottom edges (left <= x < right).
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The canvas font as a value: face, height, colour, style and the angle of
// its baseline. Height follows TFont: negative values are the character
// height in pixels, positive ones the cell height.
struct TCanvasFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;
    TColor Color = clWindowText;
    TFontStyles Style;
    // Angle of the baseline in tenths of a degree, counter-clockwise.
    int Orientation = 0;

    // Size in points at 96 dpi (Size = -Height * 72 / 96, rounded).
    int Size() const;
    void SetSize(int points);

    static TCanvasFont From(const TFont& font);
    void AssignTo(TFont& font) const;
    QFont ToQFont(double ratio = 1.0) const;
    friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDot, psClear };
enum class TBkMode { bkTransparent, bkOpaque };

// Text output flags; combine with |.
using TTextFlags = unsigned;
inline constexpr TTextFlags tfSingleLine = 0x001;
inline constexpr TTextFlags tfBottom = 0x002;
inline constexpr TTextFlags tfExpandTabs = 0x004;
inline constexpr TTextFlags tfExternalLeading = 0x008; // measuring adds the font's leading
inline constexpr TTextFlags tfCalcRect = 0x010;        // measure only; right/bottom are set
inline constexpr TTextFlags tfNoPrefix = 0x020;        // ampersands are literal
inline constexpr TTextFlags tfEndEllipsis = 0x040;
inline constexpr TTextFlags tfCenter = 0x080;
inline constexpr TTextFlags tfRight = 0x100;
inline constexpr TTextFlags tfVCenter = 0x200;

// The mnemonic rule applied to a text: the characters to show and the index
// (into Shown) of the one to underline, or -1.
struct TMnemonicText {
    QString Shown;
    int Underline = -1;
};
TMnemonicText ApplyMnemonicRule(const QString& text);

// Windows-style MulDiv: a * b / c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

struct TBuiltFont;

class TCanvas {
public:
    // The painter must be active for the canvas' whole life; the canvas
    // switches its antialiasing off and leaves the painter's state as it
    // found it (save/restore) when destroyed.
    explicit TCanvas(QPainter& painter);
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QPainter& Painter() { return m_painter; }

    // Texts are shaped once per font and reused by every canvas of the
    // thread. This drops what is kept, so that the next text output shapes
    // afresh (for measuring first draws; fonts in use stay built).
    static void ForgetShapedTexts();

    // Font.
    const TCanvasFont& Font() const { return m_font; }
    void SetFont(const TCanvasFont& font);
    void SetFont(const TFont& font) { SetFont(TCanvasFont::From(font)); }
    void SetFontColor(TColor c);
    void SetFontStyle(TFontStyles s);

    // Brush. Setting a colour makes the brush solid. A solid brush makes
    // following text opaque on the brush colour, a clear one transparent
    // (SetBkMode changes only the text mode).
    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor c);
    TBrushStyle BrushStyle() const { return m_brushStyle; }
    void SetBrushStyle(TBrushStyle s);

    // Pen.
    TColor PenColor() const { return m_penColor; }
    void SetPenColor(TColor c) { m_penColor = c; }
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int w) { m_penWidth = w < 1 ? 1 : w; }
    TPenStyle PenStyle() const { return m_penStyle; }
    void SetPenStyle(TPenStyle s) { m_penStyle = s; }

    // Text background.
    TBkMode BkMode() const { return m_bkMode; }
    void SetBkMode(TBkMode m) { m_bkMode = m; }
    TColor BkColor() const { return m_bkColor; }
    void SetBkColor(TColor c) { m_bkColor = c; }

    // Measuring in the current font: the cell height (ascent + descent,
    // no leading) and the advance width of the text as given.
    int TextHeight(const QString& text);
    int TextWidth(const QString& text);
    QSize TextExtent(const QString& text) { return QSize(TextWidth(text), TextHeight(text)); }
    // The font's external leading (extra space between lines).
    int ExternalLeading();

    // Single-line text in a rectangle. With tfCalcRect nothing is drawn and
    // rect's right and bottom become left + width and top + height. Returns
    // the text height. Drawing is clipped to rect.
    int DrawText(const QString& text, TRect& rect, TTextFlags flags);
    // Plain text, top-left at (x, y), no mnemonic processing, not clipped.
    void TextOut(int x, int y, const QString& text);

    // Fills with the brush and outlines with the pen: the pixels from
    // (left, top) to (right - 1, bottom - 1). With a clear pen the filled
    // area is one pixel narrower and lower. Empty or inverted rectangles
    // draw nothing.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Fills with the brush colour only (no outline), whatever its style.
    void FillRect(const TRect& r);

    // Lines from the pen position; the last point is not drawn.
    void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    void LineTo(int x, int y);
    QPoint PenPos() const { return m_penPos; }

    // The dotted focus frame, drawn by inverting every other pixel of the
    // rectangle's edge: drawing it twice restores the surface.
    void DrawFocusRect(const TRect& r);

    // Clipping: a rectangle, or none for the whole surface.
    void SetClipRect(const std::optional<TRect>& r);
    const std::optional<TRect>& ClipRect() const { return m_clip; }

    // Pixel density; images and fonts are designed at 96 pixels per inch.
    int PixelsPerInchX() const { return m_dpiX; }
    int PixelsPerInchY() const { return m_dpiY; }
    void SetPixelsPerInch(int x, int y);

    // Images.
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& r, const QImage& image);

private:
    const QFontMetrics& Metrics() const;
    // Width of Shown with tabs expanded to the next multiple of 8 average
    // character widths when expandTabs.
    int ShownWidth(const QString& shown, bool expandTabs);
    void DrawShown(const QString& shown, int underline, int x, int top, bool expandTabs);
    QColor ResolvedPen() const { return ToQColor(m_penColor); }
    void PlotPixels(const QList<QPoint>& points, const QColor& color);

    QPainter& m_painter;
    TCanvasFont m_font;
    // The current font built for the device, with its metrics and the
    // texts already shaped in it (shared with every canvas that uses it).
    std::shared_ptr<TBuiltFont> m_built;
    TColor m_brushColor = clWhite;
    TBrushStyle m_brushStyle = TBrushStyle::bsSolid;
    TColor m_penColor = clBlack;
    int m_penWidth = 1;
    TPenStyle m_penStyle = TPenStyle::psSolid;
    TBkMode m_bkMode = TBkMode::bkOpaque;
    TColor m_bkColor = clWhite;
    QPoint m_penPos;
    std::optional<TRect> m_clip;
    int m_dpiX = 96;
    int m_dpiY = 96;
    qreal m_ratio = 1.0; // device pixels per logical pixel of the surface
};

// The image and painter behind a TBitmapCanvas (constructed before it).
struct TBitmapCanvasStorage {
    TBitmapCanvasStorage(int width, int height, TColor fill);
    QImage StoredImage;
    QPainter StoredPainter;
};

// A 3D frame `width` pixels wide just inside r: the top and left lines in
// topLeft, the bottom and right ones in bottomRight (which has the two
// corners they share). r shrinks by the frame; an empty r ends it early.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

// A canvas on its own off-screen image (ARGB32 premultiplied, filled with
// `fill`), for off-screen drawing, tests and benchmarks. The image can be
// read at any time while the canvas lives.
class TBitmapCanvas : private TBitmapCanvasStorage, public TCanvas {
public:
    TBitmapCanvas(int width, int height, TColor fill = clWhite);
    const QImage& Image() const { return StoredImage; }
    // The colour of one pixel as 0x00BBGGRR (alpha ignored).
    TColor PixelAt(int x, int y) const;
};
