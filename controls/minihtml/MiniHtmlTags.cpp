// The tags of the mini-HTML renderer: what each opening and closing tag
// does to the call's state, the font, the line and the canvas.
#include "controls/paint/BandGradient.h"
#include "controls/minihtml/MiniHtmlRenderer.h"
#include "controls/minihtml/MiniHtmlText.h"

#include <algorithm>
#include <cmath>

namespace minihtml {

namespace {

QChar Upper(QChar c)
{
    return c.toUpper();
}

// The value between the quotes after the first letter `letter` (either case).
QString LetterValue(QStringView attrs, QChar letter)
{
    const qsizetype at = attrs.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    return QuotedAfter(attrs, at + 1);
}

int RoundScaled(int v, double scale)
{
    const double s = std::isfinite(scale) ? std::clamp(scale, 0.0, 100.0) : 1.0;
    return int(std::lround(std::clamp(v * s, -double(kNumberLimit), double(kNumberLimit))));
}

} // namespace

void TRenderer::Tag(qsizetype end)
{
    const QStringView tag = QStringView(m_text).mid(m_pos, end - m_pos);
    bool keep = false;
    if (tag.startsWith(QLatin1String("</")) && tag.size() > 3)
        ClosingTag(tag, Upper(tag[2]), Upper(tag[3]));
    else
        OpeningTag(tag, Upper(tag[1]), Upper(tag[2]), keep);
    if (keep)
        return;
    const qsizetype close = tag.indexOf(QLatin1Char('>'));
    m_pos = close < 0 ? end : m_pos + close + 1;
}

void TRenderer::OpeningTag(QStringView tag, QChar group, QChar next, bool& keep)
{
    TCanvasFont font = m_canvas.Font();
    switch (group.unicode()) {
    case u'A':
        AnchorStart(tag);
        break;
    case u'B':
        if (next == QLatin1Char('>')) {
            font.Style |= fsBold;
            m_canvas.SetFont(font);
        } else if (next == QLatin1Char('L')) {
            if (!m_p.BlinkPhase)
                m_canvas.SetFontColor(m_call.canvasBackground);
        } else if (next == QLatin1Char('O')) {
            Body(tag);
        } else if (next == QLatin1Char('R')) {
            m_pass.lineDone = true;
        }
        break;
    case u'E':
        if (Drawing())
            m_call.errorMark = true;
        break;
    case u'F':
        if (tag.contains(QLatin1Char('>')))
            FontTag(tag);
        break;
    case u'H':
        if (next == QLatin1Char('I')) {
            if (Drawing()) {
                m_call.hiColorSlot = m_canvas.Font().Color;
                m_call.hiBgSlot = TextBackground();
                SetTextBackground(clHighlight);
                m_canvas.SetFontColor(clHighlightText);
            }
        } else if (next == QLatin1Char('R')) {
            m_pass.lineDone = true;
            if (Drawing()) {
                const TColor pen = m_canvas.PenColor();
                const TPenStyle style = m_canvas.PenStyle();
                m_canvas.SetPenColor(clBlack);
                m_canvas.SetPenStyle(TPenStyle::psSolid);
                m_canvas.MoveTo(m_line.rect.Left, m_pass.textBottom + 1);
                m_canvas.LineTo(m_line.rect.Right, m_pass.textBottom + 1);
                m_canvas.SetPenColor(pen);
                m_canvas.SetPenStyle(style);
            }
        }
        break;
    case u'I':
        if (next == QLatin1Char('>')) {
            font.Style |= fsItalic;
            m_canvas.SetFont(font);
        } else if (next == QLatin1Char('N')) {
            Indent(tag);
        } else if (next == QLatin1Char('M')) {
            Image(tag, keep);
        }
        break;
    case u'L':
        ListItem(keep);
        break;
    case u'O':
        if (next == QLatin1Char('F'))
            Offset(tag);
        break;
    case u'P':
        if (tag.contains(QLatin1Char('>')))
            ParagraphTag(tag);
        break;
    case u'R':
        Rotate(tag);
        break;
    case u'S':
        if (next == QLatin1Char('>')) {
            font.Style |= fsStrikeOut;
            m_canvas.SetFont(font);
        } else if (next == QLatin1Char('H')) {
            m_call.shadow = true;
        } else if (tag.startsWith(QLatin1String("<SUB>"), Qt::CaseInsensitive)) {
            m_call.subscript = true;
        } else if (tag.startsWith(QLatin1String("<SUP>"), Qt::CaseInsensitive)) {
            m_call.superscript = true;
        }
        break;
    case u'U':
        if (next == QLatin1Char('>')) {
            font.Style |= fsUnderline;
            m_canvas.SetFont(font);
        } else {
            ++m_call.listLevel;
            m_pass.lineDone = true;
        }
        break;
    case u'Z':
        m_call.hidden = true;
        break;
    default:
        break; // BIG, H1, OL, SPAN and the like do nothing
    }
}

void TRenderer::ClosingTag(QStringView, QChar group, QChar next)
{
    TCanvasFont font = m_canvas.Font();
    switch (group.unicode()) {
    case u'A':
        AnchorEnd();
        break;
    case u'B':
        if (next == QLatin1Char('>')) {
            font.Style &= ~TFontStyles(fsBold);
            m_canvas.SetFont(font);
        } else {
            m_canvas.SetFontColor(m_call.baseFont.Color);
        }
        break;
    case u'E':
        if (Drawing())
            m_call.errorMark = false;
        break;
    case u'F':
        font.Name = m_call.baseFont.Name;
        font.Height = m_call.baseFont.Height;
        if (Drawing() && !m_p.InSelection) {
            font.Color = m_call.baseFont.Color;
            m_canvas.SetFont(font);
            SetTextBackground(m_call.fontBgSlot);
        } else {
            m_canvas.SetFont(font);
        }
        break;
    case u'H':
        if (Drawing()) {
            m_canvas.SetFontColor(m_call.hiColorSlot.value_or(m_call.baseFont.Color));
            SetTextBackground(m_call.hiBgSlot);
        }
        break;
    case u'I':
        font.Style &= ~TFontStyles(fsItalic);
        m_canvas.SetFont(font);
        break;
    case u'L':
        m_pass.lineDone = true;
        break;
    case u'O':
        m_call.offset = 0;
        break;
    case u'P':
        m_pass.lineDone = true;
        if (Drawing()) {
            SetTextBackground(m_call.pBgSlot);
            m_call.paraBackground = false;
        }
        break;
    case u'R': {
        std::optional<TCanvasFont>& saved = m_call.rotatedFrom[m_pass.firstPass ? 0 : 1];
        if (saved) {
            m_canvas.SetFont(*saved);
            saved.reset();
        }
        break;
    }
    case u'S':
        if (next == QLatin1Char('U')) {
            m_call.subscript = false;
            m_call.superscript = false;
        } else if (next == QLatin1Char('H')) {
            m_call.shadow = false;
        } else {
            font.Style &= ~TFontStyles(fsStrikeOut);
            m_canvas.SetFont(font);
        }
        break;
    case u'U':
        if (next == QLatin1Char('>') || m_call.listLevel <= 0) {
            font.Style &= ~TFontStyles(fsUnderline);
            m_canvas.SetFont(font);
        } else {
            --m_call.listLevel;
        }
        break;
    case u'Z':
        m_call.hidden = false;
        break;
    default:
        break;
    }
}

void TRenderer::FontTag(QStringView tag)
{
    const QStringView attrs = AttributeText(tag, 5, -1);
    const QString upper = UpperCaseAttributes(attrs);
    TCanvasFont font = m_canvas.Font();

    const QString face = AttributeValue(upper, u"FACE");
    if (!face.isEmpty())
        font.Name = face;
    if (!m_p.InSelection) {
        const QString colour = AttributeValue(upper, u" COLOR");
        if (!colour.isEmpty())
            font.Color = ColorValue(colour);
    }
    if (HasAttribute(upper, u"SIZE"))
        font.SetSize(FontSizePoints(ReadSizeValue(upper)));
    m_canvas.SetFont(font);

    if (Drawing() && !m_p.InSelection && HasAttribute(upper, u"BGCOLOR")) {
        m_call.fontBgSlot = TextBackground();
        const QString bg = AttributeValue(upper, u"BGCOLOR");
        if (!bg.isEmpty())
            SetTextBackground(ColorValue(bg));
    }
}

void TRenderer::ParagraphTag(QStringView tag)
{
    const QStringView attrs = AttributeText(tag, 2, 1);
    const QString upper = UpperCaseAttributes(attrs);

    // Alignment and indent hold for this line and all later ones.
    const QString align = AttributeValue(upper, u"ALIGN");
    if (align.contains(QLatin1String("RIGHT")))
        m_call.align = TParaAlign::Right;
    if (align.contains(QLatin1String("LEFT")))
        m_call.align = TParaAlign::Left;
    if (align.contains(QLatin1String("CENTER")))
        m_call.align = TParaAlign::Center;
    const QString indent = AttributeValue(upper, u"INDENT");
    if (!indent.isEmpty()) {
        m_call.indent = ReadNumber(indent);
        // The rest of the line is fitted into the new indented width.
        if (m_pass.firstPass)
            m_line.rect.Left = m_work.Left + m_call.indent;
    }

    // The paragraph's background band.
    if (!HasAttribute(upper, u"BGCOLOR") || !Drawing())
        return;
    const QString value = AttributeValue(upper, u"BGCOLOR");
    const TColor c = value.isEmpty() ? clNone : ColorValue(value);
    m_call.paraBackground = true;
    if (!HasAttribute(upper, u"BGCOLORTO")) {
        m_call.pBgSlot = TextBackground();
        SetTextBackground(c);
        m_canvas.SetPenColor(c);
        m_canvas.Rectangle(m_p.Bounds.Left, m_line.rect.Top, m_p.Bounds.Right, m_line.rect.Bottom);
        return;
    }
    const QString to = AttributeValue(upper, u"BGCOLORTO");
    const TColor c2 = to.isEmpty() ? clNone : ColorValue(to);
    m_canvas.SetPenColor(c);
    FillBandGradient(m_canvas, c, c2, true,
        TRect {m_p.Bounds.Left, m_line.rect.Top, m_p.Bounds.Right, m_line.rect.Bottom + 2}, 64);
    m_canvas.SetBrushStyle(TBrushStyle::bsClear);
}

void TRenderer::ListItem(bool& keep)
{
    m_pass.width += 12 * m_call.listLevel;
    if (m_pass.listItemOnLine) {
        m_pass.lineDone = true;
        keep = true;
        return;
    }
    m_pass.listItemOnLine = true;
    m_pass.currentX += 12 * (m_call.listLevel - 1);
    if (Drawing() && !m_call.hidden) {
        // The bullet: the Symbol face's filled bullet (0xB7) on odd levels,
        // an "o" on even ones.
        const TCanvasFont font = m_canvas.Font();
        TCanvasFont symbol = font;
        symbol.Name = QStringLiteral("Symbol");
        m_canvas.SetFont(symbol);
        TRect r {m_pass.currentX, m_line.rect.Top, m_line.rect.Right, m_line.rect.Bottom};
        const QString bullet = (m_call.listLevel % 2 != 0) ? QString(QChar(0xB7)) : QStringLiteral("o");
        m_canvas.DrawText(bullet, r, 0);
        m_canvas.SetFont(font);
    }
    m_pass.currentX += 12;
}

void TRenderer::AnchorStart(QStringView tag)
{
    if (Drawing() && m_p.FocusedAnchor >= 0 && m_p.FocusedAnchor == m_call.anchorCounter) {
        m_call.focusRect.Left = m_pass.currentX;
        m_call.focusRect.Top = m_line.rect.Top;
    }
    const int index = ++m_call.anchorCounter;

    // Styling: underline and the hover colours, then the link colour.
    if (AnchorStyled(index) && Drawing()) {
        TCanvasFont font = m_canvas.Font();
        font.Style |= fsUnderline;
        m_canvas.SetFont(font);
        if (m_p.HoverColor != clNone) {
            m_call.anchorBgSlot = TextBackground();
            SetTextBackground(m_p.HoverColor);
        }
        if (m_p.HoverFontColor != clNone) {
            m_call.anchorColorSlot = m_canvas.Font().Color;
            m_canvas.SetFontColor(m_p.HoverFontColor);
        }
    }
    const bool hoverColoured = m_p.HoverOnly && index == m_p.HoveredAnchor && m_p.HoverFontColor != clNone;
    if (!m_p.InSelection && !hoverColoured)
        m_canvas.SetFontColor(m_p.URLColor);

    m_call.anchorRef = QuotedAfter(AttributeText(tag, 2, 1), 0);
    m_call.inAnchor = true;
    m_pass.anchorStartWidth = m_pass.width;
    m_pass.anchorStartTop = m_line.rect.Top;
    m_pass.anchorStartedHere = true;
}

void TRenderer::AnchorEnd()
{
    const int index = m_call.anchorCounter;
    const bool wasOpen = m_call.inAnchor;
    if (AnchorStyled(index) && Drawing()) {
        TCanvasFont font = m_canvas.Font();
        font.Style &= ~TFontStyles(fsUnderline);
        m_canvas.SetFont(font);
        if (m_p.HoverColor != clNone)
            SetTextBackground(m_call.anchorBgSlot);
        if (m_p.HoverFontColor != clNone)
            m_canvas.SetFontColor(m_call.anchorColorSlot.value_or(m_call.baseFont.Color));
    }
    if (!m_p.InSelection)
        m_canvas.SetFontColor(m_call.baseFont.Color);
    m_call.inAnchor = false;

    // The rectangle of the anchor under the point.
    if (m_call.recordingAnchorRect) {
        const TRect& l = m_line.rect;
        if (m_pass.anchorStartedHere)
            m_call.anchorRectAtPoint = {l.Left + m_pass.anchorStartWidth, m_pass.anchorStartTop, l.Left + m_pass.width, l.Bottom};
        else
            m_call.anchorRectAtPoint = {l.Left, l.Top, l.Left + m_pass.width, l.Bottom};
        m_call.anchorIndexAtPoint = index;
        m_call.recordingAnchorRect = false;
    }

    // The last piece of the focus frame.
    if (wasOpen && m_p.FocusedAnchor >= 0 && m_p.FocusedAnchor == index - 1) {
        TRect& f = m_call.focusRect;
        f.Right = m_pass.currentX;
        f.Bottom = m_line.rect.Bottom - m_line.lift;
        f.Top = f.Bottom - m_line.gh;
        f.Left -= 1;
        f.Right += 1;
        if (Drawing())
            m_canvas.DrawFocusRect(f);
    }
}

TRenderer::ImageSource TRenderer::FindImageSource(const QString& source, bool)
{
    ImageSource s;
    const QString upper = source.toUpper();
    if (upper.startsWith(QLatin1String("IDX:"))) {
        const int n = ReadNumber(QStringView(upper).mid(4));
        if (m_p.Images && n >= 0 && n < m_p.Images->Count()) {
            s.kind = ImageSource::Kind::ListImage;
            s.index = n;
        }
        return s;
    }
    // Shell icons are not offered on this platform: they draw nothing.
    if (upper.startsWith(QLatin1String("SSYS:")) || upper.startsWith(QLatin1String("LSYS:")))
        return s;
    IHtmlPicture* picture = nullptr;
    if (!source.contains(QLatin1Char(':')) && m_p.PictureContainer) {
        picture = m_p.PictureContainer->FindPicture(source);
    } else if (source.contains(QLatin1String("://")) && m_p.PictureCache) {
        picture = m_p.PictureCache->FindPicture(source);
        if (!picture)
            picture = m_p.PictureCache->AddPicture(source);
    }
    if (picture && !picture->Empty()) {
        s.kind = ImageSource::Kind::Picture;
        s.picture = picture;
    }
    return s;
}

void TRenderer::Image(QStringView tag, bool& keep)
{
    const int number = ++m_call.imageCounter;
    const QStringView attrs = AttributeText(tag, 2, 1);
    const QString upper = UpperCaseAttributes(attrs);
    QString source = AttributeValue(upper, attrs, u"SRC");
    if (HasAttribute(upper, u"ALT") && number == m_call.imageUnderPoint)
        source = AttributeValue(upper, u"ALT");
    const int width = std::clamp(ReadNumber(AttributeValue(upper, u"WIDTH")), -kNumberLimit, kNumberLimit);
    const int height = std::clamp(ReadNumber(AttributeValue(upper, u"HEIGHT")), -kNumberLimit, kNumberLimit);

    // The box the image takes.
    const ImageSource src = FindImageSource(source, false);
    int w = 0, h = 0;
    if (src.kind == ImageSource::Kind::ListImage) {
        w = Scaled(m_p.Images->Width(), true);
        h = Scaled(m_p.Images->Height(), false);
    } else if (src.kind == ImageSource::Kind::Picture) {
        if (width > 0 && height > 0) {
            w = Scaled(width, true);
            h = Scaled(height, false);
        } else {
            w = Scaled(src.picture->Width(), true);
            h = Scaled(src.picture->Height(), false);
        }
    }

    // Hit test, in every pass.
    const int px = m_p.PointX - m_line.rect.Left;
    if (px > m_pass.width && px < m_pass.width + w && m_p.PointY > m_line.rect.Top
        && m_p.PointY < m_line.rect.Top + h && m_call.inAnchor) {
        m_pass.hitImage = true;
        m_call.anchorAtPoint = m_call.anchorRef;
        m_call.imageUnderPoint = number;
    }

    // Fit: an image that does not fit waits for the next line.
    const int lineWidth = m_line.rect.Right - m_line.rect.Left;
    if (m_pass.width + w > lineWidth && lineWidth > w) {
        m_pass.imageRefused = true;
        keep = true;
        --m_call.imageCounter;
        return;
    }
    const int x = m_pass.currentX;
    const int top = m_line.rect.Top;
    m_pass.width += w;
    m_pass.currentX += w;
    m_line.height = std::max(m_line.height, h);

    // Drawing.
    if (Drawing() && src.kind == ImageSource::Kind::ListImage) {
        if (m_p.ForPrinter) {
            const TRect r {x, top, x + RoundScaled(m_p.Images->Width(), m_p.PrintScale),
                top + RoundScaled(m_p.Images->Height(), m_p.PrintScale)};
            m_canvas.StretchDraw(r, m_p.Images->Bitmap(src.index));
        } else {
            m_p.Images->Draw(m_canvas, x, top, src.index);
        }
    } else if (Drawing() && src.kind == ImageSource::Kind::Picture) {
        if (width > 0 && height > 0)
            src.picture->StretchDraw(m_canvas, TRect {x, top, x + width, top + height});
        else
            src.picture->Draw(m_canvas, x + src.picture->FrameOffsetX(), top + src.picture->FrameOffsetY());
    }

    // Vertical placement of the line's text beside the image.
    if (HasAttribute(upper, u"ALIGN")) {
        if (upper.contains(QLatin1String("\"TOP")))
            m_line.lift = m_line.height - m_line.gh;
        else if (upper.contains(QLatin1String("\"MIDDLE")))
            m_line.lift = (m_line.height - m_line.gh) / 2;
    }
    if (upper.contains(QLatin1String("WRAP"))) {
        m_line.height = m_line.gh;
        m_line.lift = 0;
    }
}

void TRenderer::Body(QStringView tag)
{
    if (!Drawing() || m_p.InSelection)
        return;
    const QStringView attrs = AttributeText(tag, 5, 4);
    const QString upper = UpperCaseAttributes(attrs);
    const TRect& b = m_p.Bounds;
    const std::optional<TRect> clip = m_canvas.ClipRect();

    // Pictures and list images: tiled, top-left or top-right.
    auto drawSource = [&](const QString& name, int mode) {
        const ImageSource src = FindImageSource(name, true);
        if (src.kind == ImageSource::Kind::ListImage) {
            const int x = mode == 2 ? m_line.rect.Right - m_p.Images->Width() : m_pass.currentX;
            m_p.Images->Draw(m_canvas, x, m_line.rect.Top, src.index);
            return;
        }
        if (src.kind != ImageSource::Kind::Picture)
            return;
        const int pw = src.picture->Width();
        const int ph = src.picture->Height();
        if (pw <= 0 || ph <= 0)
            return;
        m_canvas.SetClipRect(b);
        if (mode == 0) {
            for (int j = 0; j * ph < b.Height(); ++j)
                for (int i = 0; i * pw < b.Width(); ++i)
                    src.picture->Draw(m_canvas, b.Left + i * pw, b.Top + j * ph);
        } else if (mode == 1) {
            src.picture->Draw(m_canvas, b.Left, b.Top);
        } else {
            src.picture->Draw(m_canvas, b.Right - pw, b.Top);
        }
        m_canvas.SetClipRect(clip);
    };
    if (HasAttribute(upper, u"BACKGROUND"))
        drawSource(AttributeValue(upper, u"BACKGROUND"), 0);
    if (HasAttribute(upper, u"BGTOPLEFT"))
        drawSource(AttributeValue(upper, u"BGTOPLEFT"), 1);
    if (HasAttribute(upper, u"BGTOPRIGHT"))
        drawSource(AttributeValue(upper, u"BGTOPRIGHT"), 2);

    // Colour or gradient under the whole text area.
    if (!HasAttribute(upper, u"BGCOLOR"))
        return;
    const QString value = AttributeValue(upper, u"BGCOLOR");
    const TColor c = value.isEmpty() ? clNone : ColorValue(value);
    if (!HasAttribute(upper, u"BGCOLORTO")) {
        m_call.fontBgSlot = TextBackground();
        SetTextBackground(c);
        const TColor pen = m_canvas.PenColor();
        m_canvas.SetPenColor(c);
        m_canvas.Rectangle(b.Left - 2, b.Top, b.Right, b.Bottom);
        m_canvas.SetPenColor(pen);
        return;
    }
    const QString to = AttributeValue(upper, u"BGCOLORTO");
    const TColor c2 = to.isEmpty() ? clNone : ColorValue(to);
    const QString dir = HasAttribute(upper, u"DIR") ? AttributeValue(upper, u"DIR") : QStringLiteral("H");
    FillBandGradient(m_canvas, c, c2, dir == QLatin1String("H"), b, 64);
    m_canvas.SetBrushStyle(TBrushStyle::bsClear);
}

void TRenderer::Indent(QStringView tag)
{
    const std::optional<int> n = ReadCleanNumber(LetterValue(AttributeText(tag, 2, 1), QLatin1Char('x')));
    if (n && m_pass.width < *n) {
        m_pass.width = *n;
        m_pass.currentX = m_p.Bounds.Left + *n;
    }
}

void TRenderer::Offset(QStringView tag)
{
    const int x = ReadNumber(LetterValue(AttributeText(tag, 2, 1), QLatin1Char('x')));
    m_call.offset = x;
    m_pass.currentX = x;
    m_pass.width = x;
}

void TRenderer::Rotate(QStringView tag)
{
    const int a = ReadNumber(LetterValue(AttributeText(tag, 2, 1), QLatin1Char('a')));
    TCanvasFont font = m_canvas.Font();
    m_call.rotatedFrom[m_pass.firstPass ? 0 : 1] = font;
    font.Orientation = (a % 360) * 10;
    m_canvas.SetFont(font);
}

} // namespace minihtml
