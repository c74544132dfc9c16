#include "controls/panel/PanelCaption.h"

#include <algorithm>

TPanelCaption::TPanelCaption(QObject* parent)
    : QObject(parent)
    , m_font(new TFont(this))
{
    m_font->SetColor(clHighlightText);
    m_font->OnChange = [this](TFont*) { Changed(); };
}

template <class T>
void TPanelCaption::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Changed();
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

void TPanelCaption::SetVisible(bool v) { Store(m_visible, v); }
void TPanelCaption::SetText(const QString& v) { Store(m_text, v); }
void TPanelCaption::SetHeight(int v) { Store(m_height, v); }
void TPanelCaption::SetColor(TColor v) { Store(m_color, v); }
void TPanelCaption::SetColorTo(TColor v) { Store(m_colorTo, v); }
void TPanelCaption::SetGradientDirection(TGradientDirection v) { Store(m_gradientDirection, v); }
void TPanelCaption::SetIndent(int v) { Store(m_indent, v); }
void TPanelCaption::SetTopIndent(int v) { Store(m_topIndent, v); }
void TPanelCaption::SetShadeType(TShadeType v) { Store(m_shadeType, v); }
void TPanelCaption::SetShadeLight(int v) { Store(m_shadeLight, std::max(200, v)); }
void TPanelCaption::SetShadeGrain(int v) { Store(m_shadeGrain, v); }
void TPanelCaption::SetShape(TCaptionShape v) { Store(m_shape, v); }
void TPanelCaption::SetFlat(bool v) { Store(m_flat, v); }
void TPanelCaption::SetPosition(TCaptionPosition v) { Store(m_position, v); }
void TPanelCaption::SetButtonPosition(TCaptionButtonPosition v) { Store(m_buttonPosition, v); }
void TPanelCaption::SetCloseButton(bool v) { Store(m_closeButton, v); }
void TPanelCaption::SetMinMaxButton(bool v) { Store(m_minMaxButton, v); }
void TPanelCaption::SetCloseButtonColor(TColor v) { Store(m_closeButtonColor, v); }
void TPanelCaption::SetCloseButtonHoverColor(TColor v) { Store(m_closeButtonHoverColor, v); }
void TPanelCaption::SetMinMaxButtonColor(TColor v) { Store(m_minMaxButtonColor, v); }
void TPanelCaption::SetMinMaxButtonHoverColor(TColor v) { Store(m_minMaxButtonHoverColor, v); }
void TPanelCaption::SetCloseColor(TColor v) { Store(m_closeColor, v); }
void TPanelCaption::SetMinMaxCaption(bool v) { Store(m_minMaxCaption, v); }
void TPanelCaption::SetBackground(const QImage& v) { Store(m_background, v); }
void TPanelCaption::SetCloseMinGlyph(const QImage& v) { Store(m_closeMinGlyph, v); }
void TPanelCaption::SetCloseMaxGlyph(const QImage& v) { Store(m_closeMaxGlyph, v); }
void TPanelCaption::SetMinGlyph(const QImage& v) { Store(m_minGlyph, v); }
void TPanelCaption::SetMaxGlyph(const QImage& v) { Store(m_maxGlyph, v); }

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
