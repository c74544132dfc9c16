// RenderMiniHtml: the entry points, the preparation of a call and the
// line loop. One pass over a line lives in MiniHtmlPass.cpp, the tags in
// MiniHtmlTags.cpp, the string helpers in MiniHtmlText.cpp.
#include "controls/minihtml/MiniHtml.h"

#include "controls/minihtml/MiniHtmlRenderer.h"
#include "controls/minihtml/MiniHtmlText.h"

namespace minihtml {

namespace {

// The outputs of a call before anything is laid out: no hit, no extent,
// no anchors.
void ClearResult(TMiniHtmlResult& r)
{
    r.Hit = false;
    r.FocusedAnchorRef.clear();
    r.ExtentX = 0;
    r.ExtentY = 0;
    r.AnchorCount = 0;
    r.AnchorIndexAtPoint = -1;
}

} // namespace

TRenderer::TRenderer(const TMiniHtmlParams& params, TMiniHtmlResult& result)
    : m_p(params)
    , m_r(result)
    , m_canvas(*params.Canvas)
{
}

bool TRenderer::Run()
{
    Prepare();
    while (m_pos < m_text.size())
        LayOutLine();
    Finish();
    return m_r.Hit;
}

void TRenderer::Prepare()
{
    // What the canvas holds now comes back at the end.
    m_savedBrushColor = m_canvas.BrushColor();
    m_savedBrushStyle = m_canvas.BrushStyle();
    m_savedBkMode = m_canvas.BkMode();
    m_savedBkColor = m_canvas.BkColor();
    m_savedPenColor = m_canvas.PenColor();
    m_savedPenStyle = m_canvas.PenStyle();
    m_savedPenWidth = m_canvas.PenWidth();

    // The base font, the canvas background and transparent text.
    m_call.baseFont = m_canvas.Font();
    m_call.measureFont = m_call.baseFont;
    m_call.drawFont = m_call.baseFont;
    m_call.canvasBackground = m_canvas.BrushColor();
    SetTextBackground(std::nullopt);
    m_canvas.SetBkMode(TBkMode::bkTransparent);

    // Text flags of every run.
    m_drawFlags = tfSingleLine | tfBottom | tfExpandTabs;
    if (m_p.Text.contains(QLatin1String(" & ")))
        m_drawFlags |= tfNoPrefix;
    if (!m_p.WordWrap)
        m_drawFlags |= tfEndEllipsis;
    m_measureFlags = m_drawFlags | tfExternalLeading | tfCalcRect;

    // The text itself.
    m_text = PrepareText(m_p.Text);
    m_pos = 0;

    // Outputs.
    ClearResult(m_r);
    m_call.anchorAtPoint = m_r.AnchorAtPoint;
    m_call.anchorRectAtPoint = m_r.AnchorRectAtPoint;

    m_work = m_p.Bounds;
    m_work.Left += 1;
}

void TRenderer::LayOutLine()
{
    // Line start: the measuring font and what both passes start from.
    m_canvas.SetFont(m_call.measureFont);
    m_line = LineState {};
    m_line.gh = TextHeightGh();
    m_line.height = m_line.gh;
    // The first pass fits the line into the paragraph's indented width.
    m_line.rect = {m_work.Left + m_call.indent, m_work.Top, m_work.Right, m_work.Top + m_line.gh};
    m_call.subscript = false;
    m_call.superscript = false;
    const CallState remembered = m_call;
    const qsizetype lineStart = m_pos;

    // First pass: what fits on the line.
    m_pass = PassState {};
    m_pass.firstPass = true;
    Pass(m_text.size());
    m_call.measureFont = m_canvas.Font();
    if (m_pos == lineStart) {
        // Every line takes at least one item; this keeps a fault from looping.
        m_pos = m_text.size();
        return;
    }
    const int width = m_pass.width;
    m_line.height += m_p.LineSpacing;

    // The line rectangle, aligned and indented.
    TRect& r = m_line.rect;
    r.Top = m_work.Top;
    r.Right = m_work.Right;
    r.Bottom = r.Top + m_line.height + m_line.subExtra + m_line.supExtra;
    r.Left = m_work.Left;
    if (m_call.align == TParaAlign::Right) {
        if (m_work.Right - width > m_work.Left)
            r.Left = m_work.Right - width;
    } else if (m_call.align == TParaAlign::Center) {
        const int diff = m_work.Right - m_work.Left - width;
        if (diff > 0)
            r.Left = m_work.Left + diff / 2;
    }
    r.Left += m_call.indent;

    // Second pass: draw (or hit-test) what the first pass took.
    if (!m_p.MeasureOnly) {
        m_canvas.SetFont(m_call.drawFont);
        m_call.anchorCounter = remembered.anchorCounter;
        m_call.inAnchor = remembered.inAnchor;
        m_call.anchorRef = remembered.anchorRef;
        m_call.listLevel = remembered.listLevel;
        m_call.imageCounter = remembered.imageCounter;
        m_call.hidden = remembered.hidden;
        m_call.shadow = remembered.shadow;
        m_call.subscript = false;
        m_call.superscript = false;
        const qsizetype lineEnd = m_pos;
        m_pos = lineStart;
        m_pass = PassState {};
        m_pass.firstPass = false;
        m_pass.drawing = !m_p.HitTestOnly;
        Pass(lineEnd);
        m_pos = lineEnd;
        m_call.drawFont = m_canvas.Font();
        const int bottom = r.Bottom - m_line.lift;
        if ((m_pass.hitText && m_p.PointY > bottom - m_line.gh && m_p.PointY < bottom) || m_pass.hitImage)
            m_r.Hit = true;
    }
    m_call.carriedOffset = m_call.offset;

    // Next line.
    const int advance = r.Bottom - r.Top;
    m_work.Top += advance;
    m_r.ExtentY += advance;
    if (!m_p.MeasureOnly && m_line.gh + m_work.Top > m_p.Bounds.Bottom)
        m_pos = m_text.size();
}

void TRenderer::Finish()
{
    if (m_r.ExtentY == 0)
        m_r.ExtentY = TextHeightGh();
    m_r.AnchorCount = m_call.anchorCounter;
    if (m_r.Hit) {
        m_r.AnchorAtPoint = m_call.anchorAtPoint;
        m_r.AnchorIndexAtPoint = m_call.anchorIndexAtPoint;
        m_r.AnchorRectAtPoint = m_call.anchorRectAtPoint;
    }

    // The canvas gets its font, fill and line back.
    m_canvas.SetFont(m_call.baseFont);
    m_canvas.SetBrushColor(m_call.canvasBackground);
    m_canvas.SetBrushStyle(m_savedBrushStyle);
    m_canvas.SetBkMode(m_savedBkMode);
    m_canvas.SetBkColor(m_savedBkColor);
    m_canvas.SetPenColor(m_savedPenColor);
    m_canvas.SetPenStyle(m_savedPenStyle);
    m_canvas.SetPenWidth(m_savedPenWidth);
}

int TRenderer::TextHeightGh()
{
    return m_canvas.TextHeight(QStringLiteral("gh"));
}

std::optional<TColor> TRenderer::TextBackground() const
{
    if (m_canvas.BrushStyle() == TBrushStyle::bsClear)
        return std::nullopt;
    return m_canvas.BrushColor();
}

void TRenderer::SetTextBackground(std::optional<TColor> c)
{
    if (!c || *c == clNone)
        m_canvas.SetBrushStyle(TBrushStyle::bsClear);
    else
        m_canvas.SetBrushColor(*c);
}

int TRenderer::Scaled(int v, bool x) const
{
    return MulDiv(v, x ? m_canvas.PixelsPerInchX() : m_canvas.PixelsPerInchY(), 96);
}

bool TRenderer::AnchorStyled(int index) const
{
    return !m_p.HoverOnly || index == m_p.HoveredAnchor;
}

} // namespace minihtml

bool RenderMiniHtml(const TMiniHtmlParams& p, TMiniHtmlResult& r)
{
    if (!p.Canvas) {
        minihtml::ClearResult(r);
        return false;
    }
    minihtml::TRenderer renderer(p, r);
    return renderer.Run();
}

QChar MiniHtmlAccelerator(const QString& text)
{
    if (text.contains(QLatin1String(" & ")))
        return {};
    // The runs between the tags, as a drawing pass cuts them: a "<" among
    // the last two characters and a tag without ">" end the text.
    const QString prepared = minihtml::PrepareText(text);
    const QStringView s(prepared);
    bool hidden = false;
    qsizetype pos = 0;
    while (pos < s.size()) {
        const qsizetype lt = s.indexOf(QLatin1Char('<'), pos);
        if (!hidden) {
            const TMnemonicText run = ApplyMnemonicRule(minihtml::ReplaceRunEntities(s.mid(pos, lt < 0 ? -1 : lt - pos)));
            if (run.Underline >= 0)
                return run.Shown.at(run.Underline);
        }
        if (lt < 0 || s.size() - lt <= 2)
            break;
        const QStringView tag = s.mid(lt);
        if (tag.startsWith(QLatin1String("<Z"), Qt::CaseInsensitive))
            hidden = true;
        else if (tag.startsWith(QLatin1String("</Z"), Qt::CaseInsensitive) && tag.size() > 3)
            hidden = false;
        const qsizetype close = s.indexOf(QLatin1Char('>'), lt);
        if (close < 0)
            break;
        pos = close + 1;
    }
    return {};
}
