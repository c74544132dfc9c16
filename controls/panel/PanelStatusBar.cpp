#include "controls/panel/PanelStatusBar.h"
#include "controls/paint/Property.h"

TPanelStatusBar::TPanelStatusBar(QObject* parent)
    : QObject(parent)
    , m_font(new TFont(this))
{
    m_font->SetName(QStringLiteral("Tahoma"));
    m_font->OnChange = [this](TFont*) { Changed(); };
}

void TPanelStatusBar::Changed()
{
    if (m_assigning) {
        m_changedWhileAssigning = true;
        return;
    }
    if (OnChange)
        OnChange();
}

void TPanelStatusBar::SetVisible(bool v) { if (SetIfChanged(m_visible, v)) Changed(); }
void TPanelStatusBar::SetHeight(int v) { if (SetIfChanged(m_height, v)) Changed(); }
void TPanelStatusBar::SetColor(TColor v) { if (SetIfChanged(m_color, v)) Changed(); }
void TPanelStatusBar::SetColorTo(TColor v) { if (SetIfChanged(m_colorTo, v)) Changed(); }
void TPanelStatusBar::SetGradientDirection(TGradientDirection v) { if (SetIfChanged(m_gradientDirection, v)) Changed(); }
void TPanelStatusBar::SetBorderStyle(PanelTypes::TBorderStyle v) { if (SetIfChanged(m_borderStyle, v)) Changed(); }
void TPanelStatusBar::SetBorderColor(TColor v) { if (SetIfChanged(m_borderColor, v)) Changed(); }
void TPanelStatusBar::SetBevelInner(bool v) { if (SetIfChanged(m_bevelInner, v)) Changed(); }
void TPanelStatusBar::SetText(const QString& v) { if (SetIfChanged(m_text, v)) Changed(); }
void TPanelStatusBar::SetImageIndex(int v) { if (SetIfChanged(m_imageIndex, v)) Changed(); }

void TPanelStatusBar::Assign(const TPanelStatusBar& s)
{
    if (&s == this)
        return;
    m_assigning = true;
    m_changedWhileAssigning = false;
    SetColor(s.m_color);
    SetColorTo(s.m_colorTo);
    SetGradientDirection(s.m_gradientDirection);
    SetBorderStyle(s.m_borderStyle);
    SetBorderColor(s.m_borderColor);
    m_font->Assign(*s.m_font);
    m_assigning = false;
    if (m_changedWhileAssigning) {
        m_changedWhileAssigning = false;
        Changed();
    }
}
