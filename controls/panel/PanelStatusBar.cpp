#include "controls/panel/PanelStatusBar.h"

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
