#include "controls/panel/PanelStatusBar.h"

TPanelStatusBar::TPanelStatusBar(QObject* parent)
    : QObject(parent)
    , m_font(new TFont(this))
{
    m_font->SetName(QStringLiteral("Tahoma"));
    m_font->OnChange = [this](TFont*) { Changed(); };
}

template <class T>
void TPanelStatusBar::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Changed();
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

void TPanelStatusBar::SetVisible(bool v) { Store(m_visible, v); }
void TPanelStatusBar::SetHeight(int v) { Store(m_height, v); }
void TPanelStatusBar::SetColor(TColor v) { Store(m_color, v); }
void TPanelStatusBar::SetColorTo(TColor v) { Store(m_colorTo, v); }
void TPanelStatusBar::SetGradientDirection(TGradientDirection v) { Store(m_gradientDirection, v); }
void TPanelStatusBar::SetBorderStyle(PanelTypes::TBorderStyle v) { Store(m_borderStyle, v); }
void TPanelStatusBar::SetBorderColor(TColor v) { Store(m_borderColor, v); }
void TPanelStatusBar::SetBevelInner(bool v) { Store(m_bevelInner, v); }
void TPanelStatusBar::SetText(const QString& v) { Store(m_text, v); }
void TPanelStatusBar::SetImageIndex(int v) { Store(m_imageIndex, v); }

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
