#include "controls/paint/Font.h"

#include "platform/Fonts.h"

#include <cmath>
#include <cstdlib>

TFont::TFont(QObject* parent)
    : QObject(parent)
{
}

int TFont::Size() const
{
    return int(std::lround(-m_height * 72.0 / 96.0));
}

void TFont::SetSize(int points)
{
    SetHeight(-int(std::lround(points * 96.0 / 72.0)));
}

bool TFont::SameAs(const TFont& o) const
{
    return m_color == o.m_color && m_height == o.m_height && m_name == o.m_name && m_style == o.m_style
        && m_charset == o.m_charset;
}

void TFont::Assign(const TFont& other)
{
    if (SameAs(other))
        return;
    m_charset = other.m_charset;
    m_color = other.m_color;
    m_height = other.m_height;
    m_name = other.m_name;
    m_style = other.m_style;
    Changed();
}

QFont TFont::ToQFont(double ratio) const
{
    // A negative height is the character (em) height in pixels; a positive
    // one the cell height, of which the em takes about seven eighths.
    const int pixels = m_height < 0 ? -m_height : std::max(1, int(std::lround(m_height * 0.875)));
    const bool bold = m_style.testFlag(fsBold);
    const bool italic = m_style.testFlag(fsItalic);
    // The embedded faces answer for names the system lacks.
    QFont f(platform::DrawingFamily(m_name, std::max(1, pixels), bold, italic, ratio));
    f.setPixelSize(std::max(1, pixels));
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(m_style.testFlag(fsUnderline));
    f.setStrikeOut(m_style.testFlag(fsStrikeOut));
    return f;
}

void TFont::Changed()
{
    if (OnChange)
        OnChange(this);
}
