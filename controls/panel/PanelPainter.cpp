#include "controls/panel/PanelPainter.h"

#include "controls/paint/BandGradient.h"
#include "controls/minihtml/MiniHtml.h"
#include "controls/panel/StyledPanel.h"

namespace {

TRect Inflated(const TRect& r, int d)
{
    return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d};
}

bool HasAnchor(const QString& text)
{
    return text.contains(QLatin1String("<a"), Qt::CaseInsensitive);
}

bool Contains(const TRect& r, QPoint p)
{
    return p.x() >= r.Left && p.x() < r.Right && p.y() >= r.Top && p.y() < r.Bottom;
}

// A flat fill, or a band gradient from `from` to `to` when `to` is a colour.
void FillFlatOrGradient(TCanvas& canvas, const TRect& r, TColor from, TColor to, bool horizontal)
{
    if (to == clNone) {
        if (from == clNone)
            return;
        canvas.SetBrushColor(from);
        canvas.FillRect(r);
    } else {
        FillBandGradient(canvas, from, to, horizontal, r, kPanelGradientBands);
    }
}

// The renderer's arguments that every text of a panel shares.
TMiniHtmlParams TextParams(const TCustomStyledPanel& panel, TCanvas& canvas, const QString& text, const TRect& box,
                           int hovered)
{
    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = text;
    p.Bounds = box;
    p.Images = panel.Images();
    p.HoveredAnchor = hovered;
    p.HoverOnly = panel.Hover();
    p.URLColor = panel.URLColor();
    p.HoverColor = panel.HoverColor();
    p.HoverFontColor = panel.HoverFontColor();
    p.ShadowColor = panel.ShadowColor();
    p.ShadowOffset = panel.ShadowOffset();
    p.LineSpacing = panel.LineSpacing();
    return p;
}

// Restores a canvas' clip when it goes out of scope.
class TClipScope {
public:
    TClipScope(TCanvas& canvas, const TRect& clip)
        : m_canvas(canvas)
        , m_previous(canvas.ClipRect())
    {
        m_canvas.SetClipRect(clip);
    }
    ~TClipScope() { m_canvas.SetClipRect(m_previous); }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TCanvas& m_canvas;
    std::optional<TRect> m_previous;
};

} // namespace

TPanelPainter::TPanelPainter(const TCustomStyledPanel& panel)
    : m_panel(panel)
{
}

// ---------------------------------------------------------------- geometry

TRect TPanelPainter::ClientRect() const
{
    return {0, 0, m_panel.Width(), m_panel.Height()};
}

bool TPanelPainter::CaptionShown() const
{
    return m_panel.Caption()->Visible() && m_panel.Caption()->Position() == cpTop;
}

TRect TPanelPainter::CaptionBand() const
{
    TRect r = ClientRect();
    const int bw = m_panel.BorderWidth();
    if (m_panel.BorderShadow())
        r = {bw, bw, r.Right - 2 - bw, r.Bottom};
    if (m_panel.BevelInner() != bvNone || m_panel.BevelOuter() != bvNone)
        r = Inflated(r, -m_panel.BevelWidth());
    const TPanelCaption& c = *m_panel.Caption();
    return {r.Left, r.Top, r.Right, r.Top + c.Height() - 2 * m_panel.BevelWidth()};
}

TRect TPanelPainter::CaptionTextBox() const
{
    const TRect band = CaptionBand();
    const TPanelCaption& c = *m_panel.Caption();
    return {band.Left + c.Indent(), band.Top + c.TopIndent(), band.Right, band.Top + c.Height()};
}

TRect TPanelPainter::BodyClip() const
{
    TRect r = ClientRect();
    const TPanelCaption& c = *m_panel.Caption();
    if (c.Visible()) {
        const int bar = c.Height() - 2 * m_panel.BevelWidth();
        if (c.Position() == cpTop)
            r.Top += bar;
        else
            r.Left += bar + 2;
    }
    if (m_panel.BorderShadow()) {
        r.Right -= 2;
        r.Bottom -= 3;
    }
    return r;
}

TRect TPanelPainter::BodyTextRect(TCanvas& canvas) const
{
    TRect r = Inflated(BodyClip(), -(m_panel.BorderWidth() + 1));
    r.Left += m_panel.Indent();
    r.Top += m_panel.TopIndent();
    if (StatusShown())
        r.Bottom -= m_panel.StatusBar()->Height();
    if (m_panel.TextVAlign() != tvaTop && !m_panel.Text().isEmpty()) {
        canvas.SetFont(*m_panel.Font());
        TMiniHtmlParams p = TextParams(m_panel, canvas, m_panel.Text(), r, m_panel.HoveredAnchor(TPanelTextArea::Body));
        p.HitTestOnly = true;
        p.WordWrap = !m_panel.Ellipsis();
        p.PictureContainer = m_panel.PictureContainer();
        TMiniHtmlResult result;
        RenderMiniHtml(p, result);
        const int free = r.Height() - result.ExtentY;
        if (free > 0)
            r.Top += m_panel.TextVAlign() == tvaCenter ? free / 2 : free;
    }
    return r;
}

bool TPanelPainter::StatusShown() const
{
    return m_panel.StatusBar()->Visible();
}

TRect TPanelPainter::StatusRect() const
{
    const int w = m_panel.Width();
    const int h = m_panel.Height();
    return {1, h - m_panel.StatusBar()->Height() - 1, w - 1, h - 1};
}

TRect TPanelPainter::StatusTextBox() const
{
    TRect r = StatusRect();
    r.Left += 2;
    const TPanelStatusBar& s = *m_panel.StatusBar();
    const IImageList* images = m_panel.Images();
    if (images && s.ImageIndex() >= 0 && s.ImageIndex() < images->Count())
        r.Left += images->Width() + 2;
    return r;
}

// ---------------------------------------------------------------- drawing

void TPanelPainter::Paint(TCanvas& canvas) const
{
    // The whole client area, narrowed by each frame that is drawn.
    TRect r = ClientRect();
    if (r.IsEmpty())
        return;
    PaintFace(canvas, r);
    PaintBorder(canvas, r);
    PaintBevels(canvas, r);
    PaintBody(canvas);
    if (CaptionShown())
        PaintCaption(canvas);
    if (StatusShown())
        PaintStatus(canvas);
    if (m_panel.CanSize())
        PaintSizeGrip(canvas);
}

void TPanelPainter::PaintFace(TCanvas& canvas, TRect& r) const
{
    // Flat, one gradient, or two halves cut at the middle; the second half
    // runs from ColorMirror at the middle to ColorMirrorTo at the far edge.
    const TColor color = m_panel.Color();
    const bool horizontal = m_panel.GradientDirection() == gdHorizontal;
    if (m_panel.ColorTo() == clNone) {
        FillFlatOrGradient(canvas, r, color, clNone, horizontal);
        return;
    }
    if (m_panel.ColorMirror() == clNone) {
        FillBandGradient(canvas, color, m_panel.ColorTo(), horizontal, r, kPanelGradientBands);
        return;
    }
    TRect first = r;
    TRect second = r;
    if (horizontal) {
        const int m = r.Left + (r.Right - r.Left) / 2;
        first.Right = m;
        second.Left = m;
    } else {
        const int m = r.Top + (r.Bottom - r.Top) / 2;
        first.Bottom = m;
        second.Top = m;
    }
    FillBandGradient(canvas, color, m_panel.ColorTo(), horizontal, first, kPanelGradientBands);
    FillBandGradient(canvas, m_panel.ColorMirror(), m_panel.ColorMirrorTo(), horizontal, second, kPanelGradientBands);
}

void TPanelPainter::PaintBorder(TCanvas& canvas, TRect& r) const
{
    const TColor border = m_panel.BorderColor();
    if (border == clNone || m_panel.BorderWidth() <= 0)
        return;

    // The outline, two pixels short on the right and below for the shadow.
    if (m_panel.BorderShadow()) {
        r.Right -= 2;
        r.Bottom -= 2;
    }
    canvas.SetPenStyle(TPenStyle::psSolid);
    canvas.SetPenWidth(1);
    canvas.SetPenColor(border);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.Rectangle(r);
    canvas.SetBrushStyle(TBrushStyle::bsSolid);
    if (!m_panel.BorderShadow())
        return;

    // The shadow: a half mix right against the outline, a fifth one further out.
    const TColor inner = BlendColor(border, clBtnFace, 50);
    const TColor outer = BlendColor(border, clBtnFace, 20);
    canvas.SetBrushColor(inner);
    canvas.FillRect({r.Right, r.Top + 1, r.Right + 1, r.Bottom + 1});
    canvas.FillRect({r.Left + 1, r.Bottom, r.Right + 1, r.Bottom + 1});
    canvas.SetBrushColor(outer);
    canvas.FillRect({r.Right + 1, r.Top + 2, r.Right + 2, r.Bottom + 2});
    canvas.FillRect({r.Left + 2, r.Bottom + 1, r.Right + 2, r.Bottom + 2});
}

void TPanelPainter::PaintBevels(TCanvas& canvas, TRect& r) const
{
    // Outer bevel, then inner; each takes its width off r, and without a
    // border colour each is followed by a 1-pixel frame in the face colour.
    for (const TBevelCut bevel : {m_panel.BevelOuter(), m_panel.BevelInner()}) {
        if (bevel == bvNone)
            continue;
        const TColor topLeft = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        const TColor bottomRight = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
        Frame3D(canvas, r, topLeft, bottomRight, m_panel.BevelWidth());
        if (m_panel.BorderColor() == clNone && m_panel.Color() != clNone)
            Frame3D(canvas, r, m_panel.Color(), m_panel.Color(), 1);
    }
}

void TPanelPainter::PaintBody(TCanvas& canvas) const
{
    if (m_panel.Text().isEmpty())
        return;
    // Clipped below the caption band; wraps unless Ellipsis.
    const TClipScope clip(canvas, BodyClip());
    const TRect r = BodyTextRect(canvas);
    canvas.SetFont(*m_panel.Font());
    TMiniHtmlParams p = TextParams(m_panel, canvas, m_panel.Text(), r, m_panel.HoveredAnchor(TPanelTextArea::Body));
    p.WordWrap = !m_panel.Ellipsis();
    p.PictureContainer = m_panel.PictureContainer();
    TMiniHtmlResult result;
    RenderMiniHtml(p, result);
}

void TPanelPainter::PaintCaption(TCanvas& canvas) const
{
    const TPanelCaption& c = *m_panel.Caption();

    // The band: flat in Color, or a gradient to ColorTo. The shaded kinds
    // are drawn the same way.
    const TRect band = CaptionBand();
    FillFlatOrGradient(canvas, band, c.Color(), c.ColorTo(), c.GradientDirection() == gdHorizontal);

    // The marked-up caption on one line, cut with an ellipsis at the right.
    if (c.Text().isEmpty())
        return;
    canvas.SetFont(*c.Font());
    TMiniHtmlParams p =
        TextParams(m_panel, canvas, c.Text(), CaptionTextBox(), m_panel.HoveredAnchor(TPanelTextArea::Caption));
    p.WordWrap = false;
    TMiniHtmlResult result;
    RenderMiniHtml(p, result);
}

void TPanelPainter::PaintStatus(TCanvas& canvas) const
{
    const TPanelStatusBar& s = *m_panel.StatusBar();
    const TRect strip = StatusRect();

    // Fill: a gradient when both colours are set, else flat.
    if (s.Color() != clNone)
        FillFlatOrGradient(canvas, strip, s.Color(), s.ColorTo(), s.GradientDirection() == gdHorizontal);

    // Image and text.
    if (IImageList* images = m_panel.Images(); images && s.ImageIndex() >= 0 && s.ImageIndex() < images->Count())
        images->Draw(canvas, strip.Left + 2, strip.Top + (strip.Height() - images->Height()) / 2, s.ImageIndex());
    if (!s.Text().isEmpty()) {
        canvas.SetFont(*s.Font());
        TMiniHtmlParams p =
            TextParams(m_panel, canvas, s.Text(), StatusTextBox(), m_panel.HoveredAnchor(TPanelTextArea::Status));
        p.WordWrap = false;
        TMiniHtmlResult result;
        RenderMiniHtml(p, result);
    }

    // Outline from the panel's left edge, and the sunken frame.
    if (s.BorderStyle() == PanelTypes::bsSingle && s.BorderColor() != clNone) {
        canvas.SetPenStyle(TPenStyle::psSolid);
        canvas.SetPenWidth(1);
        canvas.SetPenColor(s.BorderColor());
        canvas.SetBrushStyle(TBrushStyle::bsClear);
        canvas.Rectangle(0, strip.Top, strip.Right, strip.Bottom);
        canvas.SetBrushStyle(TBrushStyle::bsSolid);
    }
    if (s.BevelInner()) {
        TRect frame = strip;
        Frame3D(canvas, frame, clGray, clWhite, 1);
    }
}

void TPanelPainter::PaintSizeGrip(TCanvas& canvas) const
{
    // Three pairs of diagonal lines in the bottom-right corner.
    const int right = m_panel.Width() - 2;
    const int bottom = m_panel.Height() - 2;
    canvas.SetPenStyle(TPenStyle::psSolid);
    canvas.SetPenWidth(1);
    for (int i = 0; i < 3; ++i) {
        const int d = 4 + 4 * i;
        canvas.SetPenColor(clBtnHighlight);
        canvas.MoveTo(right - d, bottom);
        canvas.LineTo(right + 1, bottom - d - 1);
        canvas.SetPenColor(clBtnShadow);
        canvas.MoveTo(right - d + 1, bottom);
        canvas.LineTo(right + 1, bottom - d);
    }
}

// ---------------------------------------------------------------- hit test

std::optional<TPanelAnchorHit> TPanelPainter::AnchorAt(TCanvas& canvas, QPoint p) const
{
    auto test = [&](TPanelTextArea area, const QString& text, const TRect& box, const TFont& font, bool wrap,
                    IPictureContainer* pictures) -> std::optional<TPanelAnchorHit> {
        if (!HasAnchor(text) || !Contains(box, p))
            return std::nullopt;
        canvas.SetFont(font);
        TMiniHtmlParams params = TextParams(m_panel, canvas, text, box, m_panel.HoveredAnchor(area));
        params.PointX = p.x();
        params.PointY = p.y();
        params.HitTestOnly = true;
        params.WordWrap = wrap;
        params.PictureContainer = pictures;
        TMiniHtmlResult result;
        if (!RenderMiniHtml(params, result))
            return std::nullopt;
        return TPanelAnchorHit{area, result.AnchorIndexAtPoint, result.AnchorAtPoint};
    };

    const TPanelCaption& c = *m_panel.Caption();
    if (CaptionShown())
        if (auto hit = test(TPanelTextArea::Caption, c.Text(), CaptionTextBox(), *c.Font(), false, nullptr))
            return hit;
    const TPanelStatusBar& s = *m_panel.StatusBar();
    if (StatusShown())
        if (auto hit = test(TPanelTextArea::Status, s.Text(), StatusTextBox(), *s.Font(), false, nullptr))
            return hit;
    if (HasAnchor(m_panel.Text()) && Contains(BodyClip(), p))
        return test(TPanelTextArea::Body, m_panel.Text(), BodyTextRect(canvas), *m_panel.Font(), !m_panel.Ellipsis(),
                    m_panel.PictureContainer());
    return std::nullopt;
}
