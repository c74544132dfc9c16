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
    if (m_assigning) {
        m_changedWhileAssigning = true;
        return;
    }
    if (OnChange)
        OnChange();
}

void TPanelCaption::SetVisible(bool v) { if (SetIfChanged(m_visible, v)) Changed(); }
void TPanelCaption::SetText(const QString& v) { if (SetIfChanged(m_text, v)) Changed(); }
void TPanelCaption::SetHeight(int v) { if (SetIfChanged(m_height, v)) Changed(); }
void TPanelCaption::SetColor(TColor v) { if (SetIfChanged(m_color, v)) Changed(); }
void TPanelCaption::SetColorTo(TColor v) { if (SetIfChanged(m_colorTo, v)) Changed(); }
void TPanelCaption::SetGradientDirection(TGradientDirection v) { if (SetIfChanged(m_gradientDirection, v)) Changed(); }
void TPanelCaption::SetIndent(int v) { if (SetIfChanged(m_indent, v)) Changed(); }
void TPanelCaption::SetTopIndent(int v) { if (SetIfChanged(m_topIndent, v)) Changed(); }
void TPanelCaption::SetShadeType(TShadeType v) { if (SetIfChanged(m_shadeType, v)) Changed(); }
void TPanelCaption::SetShadeLight(int v) { if (SetIfChanged(m_shadeLight, std::max(200, v))) Changed(); }
void TPanelCaption::SetShadeGrain(int v) { if (SetIfChanged(m_shadeGrain, v)) Changed(); }
void TPanelCaption::SetShape(TCaptionShape v) { if (SetIfChanged(m_shape, v)) Changed(); }
void TPanelCaption::SetFlat(bool v) { if (SetIfChanged(m_flat, v)) Changed(); }
void TPanelCaption::SetPosition(TCaptionPosition v) { if (SetIfChanged(m_position, v)) Changed(); }
void TPanelCaption::SetButtonPosition(TCaptionButtonPosition v) { if (SetIfChanged(m_buttonPosition, v)) Changed(); }
void TPanelCaption::SetCloseButton(bool v) { if (SetIfChanged(m_closeButton, v)) Changed(); }
void TPanelCaption::SetMinMaxButton(bool v) { if (SetIfChanged(m_minMaxButton, v)) Changed(); }
void TPanelCaption::SetCloseButtonColor(TColor v) { if (SetIfChanged(m_closeButtonColor, v)) Changed(); }
void TPanelCaption::SetCloseButtonHoverColor(TColor v) { if (SetIfChanged(m_closeButtonHoverColor, v)) Changed(); }
void TPanelCaption::SetMinMaxButtonColor(TColor v) { if (SetIfChanged(m_minMaxButtonColor, v)) Changed(); }
void TPanelCaption::SetMinMaxButtonHoverColor(TColor v) { if (SetIfChanged(m_minMaxButtonHoverColor, v)) Changed(); }
void TPanelCaption::SetCloseColor(TColor v) { if (SetIfChanged(m_closeColor, v)) Changed(); }
void TPanelCaption::SetMinMaxCaption(bool v) { if (SetIfChanged(m_minMaxCaption, v)) Changed(); }
void TPanelCaption::SetBackground(const QImage& v) { if (SetIfChanged(m_background, v)) Changed(); }
void TPanelCaption::SetCloseMinGlyph(const QImage& v) { if (SetIfChanged(m_closeMinGlyph, v)) Changed(); }
void TPanelCaption::SetCloseMaxGlyph(const QImage& v) { if (SetIfChanged(m_closeMaxGlyph, v)) Changed(); }
void TPanelCaption::SetMinGlyph(const QImage& v) { if (SetIfChanged(m_minGlyph, v)) Changed(); }
void TPanelCaption::SetMaxGlyph(const QImage& v) { if (SetIfChanged(m_maxGlyph, v)) Changed(); }

void TPanelCaption::Assign(const TPanelCaption& s)
{
    if (&s == this)
        return;
    m_assigning = true;
    m_changedWhileAssigning = false;
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
    m_assigning = false;
    if (m_changedWhileAssigning) {
        m_changedWhileAssigning = false;
        Changed();
    }
}
