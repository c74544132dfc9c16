#pragma once
// RenderMiniHtml: draws, measures and hit-tests a short text in a small
// HTML-like markup (B, I, U, S, FONT, P, A, IMG, BR, HR, UL/LI, SUB/SUP,
// BODY and a few of this renderer's own tags) in a rectangle of a canvas.
// It keeps nothing between calls; every input draws something or nothing,
// and nothing is ever reported as an error.
//
// Two forms: the positional one, whose arguments come in the order the
// controls pass them, and a parameter/result pair with defaults.
#include "controls/paint/Canvas.h"
#include "controls/paint/Color.h"
#include "controls/minihtml/HtmlImages.h"

#include <QString>

struct TMiniHtmlParams {
    TCanvas* Canvas = nullptr;      // font, brush and pen are used and changed; font and fill given back
    QString Text;                   // the marked-up text
    TRect Bounds;                   // the text area, in canvas pixels
    IImageList* Images = nullptr;   // for "IDX:n" sources
    int PointX = 0;                 // the point to hit-test
    int PointY = 0;
    int FocusedAnchor = -1;         // zero-based anchor with the keyboard focus, -1 none
    int HoveredAnchor = -1;         // one-based anchor under the mouse (used with HoverOnly)
    int ShadowOffset = 0;           // pixels right and down of the shadow copy
    bool HitTestOnly = false;       // measure and hit-test, draw nothing
    bool MeasureOnly = false;       // measure the whole text only; result false
    bool ForPrinter = false;        // image-list images stretched by PrintScale
    bool InSelection = false;       // the caller's colours: FONT/BODY/anchor colours not applied
    bool BlinkPhase = false;        // false: BL text in the canvas background colour
    bool HoverOnly = false;         // only anchor HoveredAnchor is styled
    bool WordWrap = true;           // break at blanks; false: cut runs with "..."
    double PrintScale = 1.0;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    THTMLPictureCache* PictureCache = nullptr;
    IPictureContainer* PictureContainer = nullptr;
    int LineSpacing = 0;            // pixels added to every line's height
};

struct TMiniHtmlResult {
    bool Hit = false;               // the point lies over an anchor (text or image)
    QString AnchorAtPoint;          // in/out: kept as given when no anchor is under the point
    QString FocusedAnchorRef;       // reference of the focused anchor
    int ExtentX = 0;                // widest line plus 2
    int ExtentY = 0;                // total height of the lines
    int AnchorCount = 0;
    int AnchorIndexAtPoint = -1;    // one-based
    TRect AnchorRectAtPoint;
};

// Returns result.Hit.
bool RenderMiniHtml(const TMiniHtmlParams& params, TMiniHtmlResult& result);

// The positional form packs its arguments into the pair and unpacks the
// results into its out-arguments.
inline bool RenderMiniHtml(TCanvas* Canvas, const QString& Text, const TRect& Bounds, IImageList* Images, int PointX,
    int PointY, int FocusedAnchor, int HoveredAnchor, int ShadowOffset, bool HitTestOnly, bool MeasureOnly,
    bool ForPrinter, bool InSelection, bool BlinkPhase, bool HoverOnly, bool WordWrap, double PrintScale,
    TColor URLColor, TColor HoverColor, TColor HoverFontColor, TColor ShadowColor, QString& AnchorAtPoint,
    QString& FocusedAnchorRef, int& ExtentX, int& ExtentY, int& AnchorCount, int& AnchorIndexAtPoint,
    TRect& AnchorRectAtPoint, THTMLPictureCache* PictureCache, IPictureContainer* PictureContainer,
    int LineSpacing)
{
    TMiniHtmlParams p;
    p.Canvas = Canvas;
    p.Text = Text;
    p.Bounds = Bounds;
    p.Images = Images;
    p.PointX = PointX;
    p.PointY = PointY;
    p.FocusedAnchor = FocusedAnchor;
    p.HoveredAnchor = HoveredAnchor;
    p.ShadowOffset = ShadowOffset;
    p.HitTestOnly = HitTestOnly;
    p.MeasureOnly = MeasureOnly;
    p.ForPrinter = ForPrinter;
    p.InSelection = InSelection;
    p.BlinkPhase = BlinkPhase;
    p.HoverOnly = HoverOnly;
    p.WordWrap = WordWrap;
    p.PrintScale = PrintScale;
    p.URLColor = URLColor;
    p.HoverColor = HoverColor;
    p.HoverFontColor = HoverFontColor;
    p.ShadowColor = ShadowColor;
    p.PictureCache = PictureCache;
    p.PictureContainer = PictureContainer;
    p.LineSpacing = LineSpacing;
    TMiniHtmlResult r;
    r.AnchorAtPoint = AnchorAtPoint;
    r.AnchorRectAtPoint = AnchorRectAtPoint;
    const bool hit = RenderMiniHtml(p, r);
    AnchorAtPoint = r.AnchorAtPoint;
    FocusedAnchorRef = r.FocusedAnchorRef;
    ExtentX = r.ExtentX;
    ExtentY = r.ExtentY;
    AnchorCount = r.AnchorCount;
    AnchorIndexAtPoint = r.AnchorIndexAtPoint;
    AnchorRectAtPoint = r.AnchorRectAtPoint;
    return hit;
}

// The character that the renderer draws underlined in the text, the text's
// accelerator: the mnemonic rule on the runs as they are drawn (entities
// replaced, tags and hidden text left out; none when the text holds " & ",
// whose ampersands are drawn literally), or a null QChar when there is none.
QChar MiniHtmlAccelerator(const QString& text);
