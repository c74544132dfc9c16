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
    if (!m_batch.Holds() && OnChange)
        OnChange();
}

void TPanelStatusBar::Assign(const TPanelStatusBar& s)
{
    if (&s == this)
        return;
    m_batch.Run(
        [&] {
            SetColor(s.m_color);
            SetColorTo(s.m_colorTo);
            SetGradientDirection(s.m_gradientDirection);
            SetBorderStyle(s.m_borderStyle);
            SetBorderColor(s.m_borderColor);
            m_font->Assign(*s.m_font);
        },
        [this] { Changed(); });
}
