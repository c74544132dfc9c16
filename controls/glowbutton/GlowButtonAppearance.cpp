#include "controls/glowbutton/GlowButtonAppearance.h"

TGlowButtonAppearance::TGlowButtonAppearance(QObject* parent)
    : QObject(parent)
{
    m_borderColor = 0xC0C0C0;
    m_borderColorHot = 0xFF0000;
    m_borderColorDown = 0x800000;
    m_borderColorChecked = 0xFF0000;
    m_borderColorDisabled = 0x808080;

    m_normal = {0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, clNone, ggVertical, ggVertical};
    m_hot = {0xF5F0E1, 0xF9D2B2, 0xF5C8AD, 0xFFF8F4, clNone, ggRadial, ggRadial};

    // Down and checked start as the hot colours darkened on red and green,
    // disabled as the normal colours darkened a little on every channel.
    auto darker = [](const TFaceColors& from, int r, int g, int b, TGDIPGradient upper, TGDIPGradient lower) {
        return TFaceColors{DarkenColor(from.Color, r, g, b), DarkenColor(from.ColorTo, r, g, b),
                             DarkenColor(from.ColorMirror, r, g, b), DarkenColor(from.ColorMirrorTo, r, g, b),
                             clNone, upper, lower};
    };
    m_down = darker(m_hot, -10, -10, 0, ggRadial, ggRadial);
    m_checked = darker(m_hot, -10, -10, 0, ggRadial, ggVertical);
    m_disabled = darker(m_normal, -5, -5, -5, ggRadial, ggRadial);
}

void TGlowButtonAppearance::Changed()
{
    if (OnChange)
        OnChange();
}
