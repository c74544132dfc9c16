// One pass over one line: cutting runs, measuring or drawing them, and
// handing tags to MiniHtmlTags.cpp.
#include "controls/minihtml/MiniHtmlRenderer.h"
#include "controls/minihtml/MiniHtmlText.h"

#include <algorithm>

namespace minihtml {

void TRenderer::Pass(qsizetype end)
{
    // Pass start: the text bottom, the pen's x and the paragraph band.
    m_pass.textBottom = m_line.rect.Bottom - m_line.subExtra;
    m_pass.currentX = m_line.rect.Left + m_call.carriedOffset;
    if (Drawing() && m_call.paraBackground)
        m_canvas.Rectangle(m_p.Bounds.Left, m_line.rect.Top, m_p.Bounds.Right, m_line.rect.Top + m_line.height);

    const QStringView text(m_text);
    while (m_pos < end && !m_pass.lineDone && !m_pass.imageRefused) {
        // The next run: a word with its blank when wrapping, else all up to "<".
        QStringView rest = text.mid(m_pos, end - m_pos);
        const qsizetype lt = rest.indexOf(QLatin1Char('<'));
        qsizetype runLength = lt < 0 ? rest.size() : lt;
        if (m_p.WordWrap) {
            const qsizetype blank = rest.left(runLength).indexOf(QLatin1Char(' '));
            if (blank >= 0)
                runLength = blank + 1;
        }
        if (runLength > 0 && !TextRun(rest.left(runLength)))
            break;

        // A tag, or a "<" too close to the end to start one.
        rest = text.mid(m_pos, end - m_pos);
        if (rest.startsWith(QLatin1Char('<')) && rest.size() <= 2) {
            m_pos = end;
            break;
        }
        if (!m_pass.lineDone && rest.startsWith(QLatin1Char('<')) && rest.size() >= 3)
            Tag(end);
    }

    // Pass end: the line's width and the focus frame of an open anchor.
    m_pass.width -= m_pass.trailingBlank;
    if (m_pass.width > m_r.ExtentX)
        m_r.ExtentX = m_pass.width + 2;
    if (Drawing() && m_call.inAnchor && m_p.FocusedAnchor >= 0 && m_call.anchorCounter - 1 == m_p.FocusedAnchor)
        CloseFocusPiece(m_line.rect.Bottom, true);
}

bool TRenderer::TextRun(QStringView raw)
{
    const qsizetype length = raw.size();
    const QString run = ReplaceRunEntities(raw);

    // Height, with the extras of sub- and superscript.
    const int h = m_canvas.TextHeight(run);
    if (m_call.subscript)
        m_line.subExtra = std::max(m_line.subExtra, h / 4);
    if (m_call.superscript)
        m_line.supExtra = std::max(m_line.supExtra, h / 4);
    m_line.height = std::max(m_line.height, h);

    // Hidden text takes height only.
    if (m_call.hidden) {
        m_pos += length;
        return true;
    }

    int w = 0;
    if (!Drawing()) {
        // Measuring and hit-testing.
        TRect r = m_line.rect;
        m_canvas.DrawText(run, r, m_measureFlags);
        w = r.Width();
        const int before = m_pass.width;
        m_pass.width += w;
        const int px = m_p.PointX - m_line.rect.Left;
        if (px >= before && px <= m_pass.width && m_call.inAnchor) {
            m_pass.hitText = true;
            if (m_p.PointY > m_line.rect.Top) {
                m_call.anchorAtPoint = m_call.anchorRef;
                m_call.recordingAnchorRect = true;
            }
        }
    } else {
        TRect r {m_pass.currentX, m_line.rect.Top, m_line.rect.Right, m_pass.textBottom};
        if (m_call.superscript)
            r.Bottom -= m_line.supExtra;
        if (m_call.subscript)
            r.Bottom += m_line.subExtra;
        r.Bottom -= m_line.lift;
        DrawRun(run, r);
    }

    // Fit: taken while it fits, when it alone fills the line, or without wrap.
    const int available = m_line.rect.Right - m_line.rect.Left - m_call.carriedOffset;
    const bool taken = m_pass.width < available || w >= available || !m_p.WordWrap;
    if (!taken) {
        m_pass.width -= w;
        m_pass.lineDone = true;
        return false;
    }
    m_pos += length;
    const bool endsInBlank = length - 1 < run.size() && run.at(length - 1) == QLatin1Char(' ');
    m_pass.trailingBlank = endsInBlank ? m_canvas.TextWidth(QStringLiteral(" ")) : 0;
    return true;
}

void TRenderer::DrawRun(const QString& run, TRect r)
{
    // Shadow copy first, under the text.
    if (m_call.shadow) {
        const TColor colour = m_canvas.Font().Color;
        m_canvas.SetFontColor(m_p.ShadowColor);
        TRect s {r.Left + m_p.ShadowOffset, r.Top + m_p.ShadowOffset, r.Right + m_p.ShadowOffset,
            r.Bottom + m_p.ShadowOffset};
        m_canvas.DrawText(run, s, m_drawFlags);
        m_canvas.SetFontColor(colour);
    }

    // Where the run ends, then the run itself.
    TRect measured = r;
    m_canvas.DrawText(run, measured, m_measureFlags);
    const int right = measured.Right;
    const bool beyond = !m_p.WordWrap && m_pass.currentX >= m_line.rect.Right - m_canvas.TextWidth(QStringLiteral("w"));
    if (!beyond)
        m_canvas.DrawText(run, r, m_drawFlags);
    if (m_call.inAnchor && m_p.FocusedAnchor >= 0 && m_call.anchorCounter - 1 == m_p.FocusedAnchor)
        m_r.FocusedAnchorRef = m_call.anchorRef;

    // The error mark under it.
    if (m_call.errorMark)
        DrawErrorMark(r.Left, right, r.Bottom);
    m_pass.currentX = right;
}

void TRenderer::DrawErrorMark(int left, int right, int bottom)
{
    // A zigzag 2 pixels per step, high where x is a multiple of 4. Only the
    // part over the text area is drawn.
    int x = left - left % 2;
    const int firstVisible = m_p.Bounds.Left - 4;
    if (x < firstVisible)
        x += (firstVisible - x) / 4 * 4;
    right = std::min(right, m_p.Bounds.Right + 4);
    if (x >= right)
        return;
    const TColor pen = m_canvas.PenColor();
    const TPenStyle style = m_canvas.PenStyle();
    const int width = m_canvas.PenWidth();
    m_canvas.SetPenColor(clRed);
    m_canvas.SetPenStyle(TPenStyle::psSolid);
    m_canvas.SetPenWidth(1);
    auto yAt = [bottom](int px) { return px % 4 == 0 ? bottom + 1 : bottom - 1; };
    m_canvas.MoveTo(x, yAt(x));
    while (x < right) {
        x += 2;
        m_canvas.LineTo(x, yAt(x));
    }
    m_canvas.SetPenColor(pen);
    m_canvas.SetPenStyle(style);
    m_canvas.SetPenWidth(width);
}

void TRenderer::CloseFocusPiece(int bottom, bool startNext)
{
    TRect& f = m_call.focusRect;
    f.Right = m_pass.currentX;
    f.Bottom = bottom;
    f.Left -= 1;
    f.Right += 1;
    if (Drawing())
        m_canvas.DrawFocusRect(f);
    if (startNext) {
        f.Left = m_line.rect.Left + 1;
        f.Top = f.Bottom;
    }
}

} // namespace minihtml
