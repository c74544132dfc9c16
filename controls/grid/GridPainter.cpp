#include "controls/grid/GridPainter.h"

#include "controls/minihtml/MiniHtml.h"

#include <QFontMetrics>
#include <QTextOption>
#include <algorithm>

TGridPainter::TGridPainter(TCanvas& canvas)
    : m_canvas(canvas)
{
}

void TGridPainter::DrawSunkenBorder(const TRect& outer)
{
    if (outer.Width() < 4 || outer.Height() < 4)
        return;
    // Two rings: the outer one in the shadow and highlight colours, the one
    // inside it in the dark shadow and light colours.
    TRect r = outer;
    Frame3D(m_canvas, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(m_canvas, r, cl3DDkShadow, cl3DLight, 1);
}

void TGridPainter::FillOutsideCells(const TRect& client, int cellsRight, int cellsBottom, TColor color)
{
    m_canvas.SetBrushColor(color);
    if (cellsRight < client.Right)
        m_canvas.FillRect({std::max(client.Left, cellsRight), client.Top, client.Right, client.Bottom});
    if (cellsBottom < client.Bottom)
        m_canvas.FillRect({client.Left, std::max(client.Top, cellsBottom), std::min(client.Right, std::max(client.Left, cellsRight)), client.Bottom});
}

void TGridPainter::FillCorner(const TRect& r, TColor color)
{
    m_canvas.SetBrushColor(color);
    m_canvas.FillRect(r);
}

void TGridPainter::FillCell(const TRect& cell, TColor color)
{
    if (color == clNone)
        return;
    m_canvas.SetBrushColor(color);
    m_canvas.FillRect(cell);
}

void TGridPainter::DrawGridLines(const TRect& cell, TColor color, int width, bool horizontal, bool vertical)
{
    if (width <= 0 || color == clNone)
        return;
    m_canvas.SetBrushColor(color);
    if (horizontal)
        m_canvas.FillRect({cell.Left, std::max(cell.Top, cell.Bottom - width), cell.Right, cell.Bottom});
    if (vertical)
        m_canvas.FillRect({std::max(cell.Left, cell.Right - width), cell.Top, cell.Right, cell.Bottom});
}

void TGridPainter::DrawFocusFrame(const TRect& inner)
{
    m_canvas.DrawFocusRect({inner.Left, inner.Top, inner.Right - 1, inner.Bottom - 1});
}

QFont TGridPainter::ZoomedFont(const TFont& font, int zoom)
{
    TCanvasFont f = TCanvasFont::From(font);
    if (zoom != 0)
        f.SetSize(std::max(1, f.Size() + zoom));
    return f.ToQFont();
}

void TGridPainter::DrawPlainText(const TRect& area, const QString& text, const TFont& font, int zoom,
                                 const TCellTextLayout& layout)
{
    if (area.IsEmpty() || text.isEmpty())
        return;
    QPainter& p = m_canvas.Painter();
    p.save();
    p.setClipRect(area.ToQRect(), Qt::IntersectClip);
    const QFont qfont = ZoomedFont(font, zoom);
    p.setFont(qfont);
    p.setPen(ToQColor(font.Color()));

    Qt::Alignment align;
    switch (layout.Horizontal) {
    case TCellTextLayout::Left: align |= Qt::AlignLeft; break;
    case TCellTextLayout::Center: align |= Qt::AlignHCenter; break;
    case TCellTextLayout::Right: align |= Qt::AlignRight; break;
    }
    switch (layout.Vertical) {
    case TCellTextLayout::Top: align |= Qt::AlignTop; break;
    case TCellTextLayout::VCenter: align |= Qt::AlignVCenter; break;
    case TCellTextLayout::Bottom: align |= Qt::AlignBottom; break;
    }
    QTextOption option(align);
    // Breaks at blanks, and inside a word only when the word alone is too
    // wide, as an edit control breaks its lines. Tabs go to every eighth
    // average character width.
    const bool singleLine = !layout.WordWrap && !text.contains(QLatin1Char('\n'));
    option.setWrapMode(singleLine ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(8.0 * QFontMetrics(qfont).averageCharWidth());
    p.drawText(QRectF(area.ToQRect()), text, option);
    p.restore();
}

void TGridPainter::DrawMiniHtml(const TRect& area, const QString& text, const TFont& font, int zoom, TColor ground,
                                TColor urlColor)
{
    if (area.IsEmpty())
        return;
    // Clip to the text area within whatever clip is already set.
    const std::optional<TRect> outerClip = m_canvas.ClipRect();
    TRect clip = area;
    if (outerClip) {
        clip.Left = std::max(clip.Left, outerClip->Left);
        clip.Top = std::max(clip.Top, outerClip->Top);
        clip.Right = std::min(clip.Right, outerClip->Right);
        clip.Bottom = std::min(clip.Bottom, outerClip->Bottom);
        if (clip.IsEmpty())
            return;
    }
    TCanvasFont f = TCanvasFont::From(font);
    if (zoom != 0)
        f.SetSize(std::max(1, f.Size() + zoom));
    m_canvas.SetFont(f);
    m_canvas.SetBrushColor(ground);
    m_canvas.SetBrushStyle(TBrushStyle::bsClear);
    m_canvas.SetClipRect(clip);
    TMiniHtmlParams params;
    params.Canvas = &m_canvas;
    params.Text = text;
    params.Bounds = area;
    params.PointX = -1;
    params.PointY = -1;
    params.URLColor = urlColor;
    TMiniHtmlResult result;
    RenderMiniHtml(params, result);
    m_canvas.SetBrushStyle(TBrushStyle::bsSolid);
    m_canvas.SetClipRect(outerClip);
}

TRect TGridPainter::InnerRect(const TRect& cell, int lineWidth)
{
    return {cell.Left + lineWidth, cell.Top + lineWidth, cell.Right - lineWidth, cell.Bottom - lineWidth};
}

TRect TGridPainter::TextRect(const TRect& inner)
{
    return {inner.Left + 2, inner.Top + 2, inner.Right - 2, inner.Bottom};
}

TRect TGridPainter::MiniHtmlRect(const TRect& inner)
{
    TRect r = TextRect(inner);
    r.Left -= 1;
    return r;
}

bool TGridPainter::IsMiniHtml(const QString& text)
{
    // The test looks at the text with one blank appended.
    const QString probe = text + QLatin1Char(' ');
    if (probe.startsWith(QLatin1Char('=')) || probe.startsWith(QLatin1String("{\\"))
        || probe.startsWith(QLatin1String("|\\")))
        return false;
    return probe.contains(QLatin1String("</")) || probe.contains(QLatin1String("<B"))
        || probe.contains(QLatin1String("<I")) || probe.contains(QLatin1String("<C"));
}
