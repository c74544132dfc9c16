#pragma once
// The selector's drop button: its normal, hot and down colour sets (each
// with an upper and a mirror half and a gradient kind per half), optional
// glyphs for the three looks, the arrow colours and its width.
//
// Writing any published value repaints the owning selector through
// OnChange; writing Width also re-places the field's text rectangle
// (OnWidthChange runs instead of OnChange then).
#include "controls/paint/Color.h"
#include "controls/paint/GDIPPicture.h"
#include "controls/paint/GlowFace.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <functional>

class TComboBtn : public QObject {
    Q_OBJECT
public:
    explicit TComboBtn(QObject* parent = nullptr);

    LUMORA_FACE_COLORS(, m_normal)
    LUMORA_FACE_COLORS(Hot, m_hot)
    LUMORA_FACE_COLORS(Down, m_down)
    LUMORA_FACE_MIRROR_COLORS(, m_normal)
    LUMORA_FACE_MIRROR_COLORS(Hot, m_hot)
    LUMORA_FACE_MIRROR_COLORS(Down, m_down)
    LUMORA_FACE_GRADIENTS(, m_normal)
    LUMORA_FACE_GRADIENTS(Hot, m_hot)
    LUMORA_FACE_GRADIENTS(Down, m_down)
    Q_PROPERTY(TGDIPPicture* Glyph READ Glyph)
    Q_PROPERTY(TGDIPPicture* GlyphHot READ GlyphHot)
    Q_PROPERTY(TGDIPPicture* GlyphDown READ GlyphDown)
    // Negative widths are refused (the value stays).
    LUMORA_PROPERTY_OWN_SETTER(int, Width, m_width, 12)

    TGDIPPicture* Glyph() const { return m_glyph; }
    TGDIPPicture* GlyphHot() const { return m_glyphHot; }
    TGDIPPicture* GlyphDown() const { return m_glyphDown; }

    // The three looks as one value each (the button has no border: Border
    // stays clNone).
    enum class TLook { Normal, Hot, Down };
    const TFaceColors& Normal() const { return m_normal; }
    const TFaceColors& Hot() const { return m_hot; }
    const TFaceColors& Down() const { return m_down; }
    // Writes the colours and gradient kinds of one look; raises OnChange
    // once when anything differed.
    void SetLook(TLook look, TFaceColors v);

    // The arrow colours (not published).
    TColor ArrowColor() const { return m_arrow; }
    TColor ArrowHotColor() const { return m_arrowHot; }
    TColor ArrowDownColor() const { return m_arrowDown; }

    // Raised after a colour, gradient or glyph changed.
    std::function<void()> OnChange;
    // Raised after Width changed.
    std::function<void()> OnWidthChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }

    TFaceColors m_normal;
    TFaceColors m_hot;
    TFaceColors m_down;
    TGDIPPicture* m_glyph;
    TGDIPPicture* m_glyphHot;
    TGDIPPicture* m_glyphDown;
    TColor m_arrow = 0x000000;
    TColor m_arrowHot = 0x000000;
    TColor m_arrowDown = 0xFFFFFF;
};
