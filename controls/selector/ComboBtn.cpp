#include "controls/selector/ComboBtn.h"

TComboBtn::TComboBtn(QObject* parent)
    : QObject(parent)
    , m_glyph(new TGDIPPicture(this))
    , m_glyphHot(new TGDIPPicture(this))
    , m_glyphDown(new TGDIPPicture(this))
{
    // The upper halves of all three looks start in the button face colour;
    // the mirror halves of the hot and down looks are the glow button's hot
    // mirror colours and their darkened copies.
    const TFaceColors base{clBtnFace, clBtnFace, 0xC0C0C0, 0xFFFFFF, clNone, ggRadial, ggRadial};
    m_normal = base;
    m_hot = base;
    m_hot.ColorMirror = 0xF5C8AD;
    m_hot.ColorMirrorTo = 0xFFF8F4;
    m_down = base;
    m_down.ColorMirror = DarkenColor(m_hot.ColorMirror, -10, -10, 0);
    m_down.ColorMirrorTo = DarkenColor(m_hot.ColorMirrorTo, -10, -10, 0);

    for (TGDIPPicture* glyph : {m_glyph, m_glyphHot, m_glyphDown})
        glyph->OnChange = [this] {
            if (OnChange)
                OnChange();
        };
}

void TComboBtn::SetWidth(int v)
{
    if (v < 0 || !SetIfChanged(m_width, v))
        return;
    if (OnWidthChange)
        OnWidthChange();
}

void TComboBtn::SetLook(TLook look, TFaceColors v)
{
    TFaceColors* const looks[] = {&m_normal, &m_hot, &m_down};
    v.Border = clNone;
    if (SetIfChanged(*looks[int(look)], v))
        Changed();
}
