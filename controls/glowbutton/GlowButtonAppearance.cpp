#include "controls/glowbutton/GlowButtonAppearance.h"

TGlowButtonAppearance::TGlowButtonAppearance(QObject* parent)
    : QObject(parent)
{
    m_normal = {0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0xC0C0C0, ggVertical, ggVertical};
    m_hot = {0xF5F0E1, 0xF9D2B2, 0xF5C8AD, 0xFFF8F4, 0xFF0000, ggRadial, ggRadial};

    // Down and checked start as the hot colours darkened on red and green,
    // disabled as the normal colours darkened a little on every channel.
    auto darker = [](const TFaceColors& from, int r, int g, int b, TColor border, TGDIPGradient upper,
                     TGDIPGradient lower) {
        return TFaceColors{DarkenColor(from.Color, r, g, b), DarkenColor(from.ColorTo, r, g, b),
                             DarkenColor(from.ColorMirror, r, g, b), DarkenColor(from.ColorMirrorTo, r, g, b),
                             border, upper, lower};
    };
    m_down = darker(m_hot, -10, -10, 0, 0x800000, ggRadial, ggRadial);
    m_checked = darker(m_hot, -10, -10, 0, 0xFF0000, ggRadial, ggVertical);
    m_disabled = darker(m_normal, -5, -5, -5, 0x808080, ggRadial, ggRadial);
}

void TGlowButtonAppearance::SetLook(TLook look, const TFaceColors& v)
{
    TFaceColors* const looks[] = {&m_normal, &m_hot, &m_down, &m_checked, &m_disabled};
    if (SetIfChanged(*looks[int(look)], v))
        Changed();
}

void TGlowButtonAppearance::Changed()
{
    if (OnChange)
        OnChange();
}
