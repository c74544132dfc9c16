#include "controls/panel/PanelCaption.h"
#include "controls/paint/Property.h"

#include <algorithm>

TPanelCaption::TPanelCaption(QObject* parent)
    : QObject(parent)
    , m_font(new TFont(this))
{
    m_font->SetColor(clHighlightText);
    m_font->OnChange = [this](TFont*) { Changed(); };
}

void TPanelCaption::Changed()
{
    if (!m_batch.Holds() && OnChange)
        OnChange();
}

void TPanelCaption::SetShadeLight(int v) { if (SetIfChanged(m_shadeLight, std::max(200, v))) Changed(); }
void TPanelCaption::SetBackground(const QImage& v) { if (SetIfChanged(m_background, v)) Changed(); }
void TPanelCaption::SetCloseMinGlyph(const QImage& v) { if (SetIfChanged(m_closeMinGlyph, v)) Changed(); }
void TPanelCaption::SetCloseMaxGlyph(const QImage& v) { if (SetIfChanged(m_closeMaxGlyph, v)) Changed(); }
void TPanelCaption::SetMinGlyph(const QImage& v) { if (SetIfChanged(m_minGlyph, v)) Changed(); }
void TPanelCaption::SetMaxGlyph(const QImage& v) { if (SetIfChanged(m_maxGlyph, v)) Changed(); }

void TPanelCaption::Assign(const TPanelCaption& s)
{
    if (&s == this)
        return;
    m_batch.Run(
        [&] {
            SetBackground(s.m_background);
            SetButtonPosition(s.m_buttonPosition);
            SetColor(s.m_color);
            SetColorTo(s.m_colorTo);
            SetCloseColor(s.m_closeColor);
            SetCloseButton(s.m_closeButton);
            SetCloseButtonColor(s.m_closeButtonColor);
            SetCloseButtonHoverColor(s.m_closeButtonHoverColor);
            SetCloseMinGlyph(s.m_closeMinGlyph);
            SetCloseMaxGlyph(s.m_closeMaxGlyph);
            SetFlat(s.m_flat);
            m_font->Assign(*s.m_font);
            SetHeight(s.m_height);
            SetIndent(s.m_indent);
            SetMaxGlyph(s.m_maxGlyph);
            SetMinGlyph(s.m_minGlyph);
            SetMinMaxButton(s.m_minMaxButton);
            SetMinMaxButtonColor(s.m_minMaxButtonColor);
            SetMinMaxButtonHoverColor(s.m_minMaxButtonHoverColor);
            SetShadeLight(s.m_shadeLight);
            SetShadeGrain(s.m_shadeGrain);
            SetShadeType(s.m_shadeType);
            SetShape(s.m_shape);
            SetGradientDirection(s.m_gradientDirection);
        },
        [this] { Changed(); });
}
