#include "controls/MiniHtml.h"

bool RenderMiniHtml(const TMiniHtmlParams& p, TMiniHtmlResult& r)
{
    r.Hit = false;
    r.FocusedAnchorRef.clear();
    r.ExtentX = 0;
    r.ExtentY = 0;
    r.AnchorCount = 0;
    r.AnchorIndexAtPoint = -1;
    if (!p.Canvas)
        return false;
    TCanvas& c = *p.Canvas;
    TRect box = p.Bounds;
    box.Left += 1;
    TRect m = box;
    c.DrawText(p.Text, m, tfSingleLine | tfBottom | tfExpandTabs | tfExternalLeading | tfCalcRect);
    r.ExtentX = m.Width() + 2;
    r.ExtentY = m.Height();
    if (!p.MeasureOnly && !p.HitTestOnly) {
        const TBkMode mode = c.BkMode();
        c.SetBkMode(TBkMode::bkTransparent);
        TRect d {box.Left, box.Top, box.Right, box.Top + m.Height()};
        c.DrawText(p.Text, d, tfSingleLine | tfBottom | tfExpandTabs | (p.WordWrap ? 0u : tfEndEllipsis));
        c.SetBkMode(mode);
    }
    return false;
}

bool RenderMiniHtml(TCanvas* Canvas, const QString& Text, const TRect& Bounds, IImageList* Images, int PointX,
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
