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
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TColor ColorHot READ ColorHot WRITE SetColorHot)
    Q_PROPERTY(TColor ColorHotTo READ ColorHotTo WRITE SetColorHotTo)
    Q_PROPERTY(TColor ColorDown READ ColorDown WRITE SetColorDown)
    Q_PROPERTY(TColor ColorDownTo READ ColorDownTo WRITE SetColorDownTo)
    Q_PROPERTY(TColor ColorMirror READ ColorMirror WRITE SetColorMirror)
    Q_PROPERTY(TColor ColorMirrorTo READ ColorMirrorTo WRITE SetColorMirrorTo)
    Q_PROPERTY(TColor ColorMirrorHot READ ColorMirrorHot WRITE SetColorMirrorHot)
    Q_PROPERTY(TColor ColorMirrorHotTo READ ColorMirrorHotTo WRITE SetColorMirrorHotTo)
    Q_PROPERTY(TColor ColorMirrorDown READ ColorMirrorDown WRITE SetColorMirrorDown)
    Q_PROPERTY(TColor ColorMirrorDownTo READ ColorMirrorDownTo WRITE SetColorMirrorDownTo)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirror READ GradientMirror WRITE SetGradientMirror)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientHot READ GradientHot WRITE SetGradientHot)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirrorHot READ GradientMirrorHot WRITE SetGradientMirrorHot)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientDown READ GradientDown WRITE SetGradientDown)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirrorDown READ GradientMirrorDown WRITE SetGradientMirrorDown)
    Q_PROPERTY(TGDIPPicture* Glyph READ Glyph)
    Q_PROPERTY(TGDIPPicture* GlyphHot READ GlyphHot)
    Q_PROPERTY(TGDIPPicture* GlyphDown READ GlyphDown)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
public:
    explicit TComboBtn(QObject* parent = nullptr);

    LUMORA_FACE_ACCESSORS(, m_normal)
    LUMORA_FACE_ACCESSORS(Hot, m_hot)
    LUMORA_FACE_ACCESSORS(Down, m_down)

    TGDIPPicture* Glyph() const { return m_glyph; }
    TGDIPPicture* GlyphHot() const { return m_glyphHot; }
    TGDIPPicture* GlyphDown() const { return m_glyphDown; }

    int Width() const { return m_width; }
    // Negative widths are refused (the value stays).
    void SetWidth(int v);

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
    int m_width = 12;
    TColor m_arrow = 0x000000;
    TColor m_arrowHot = 0x000000;
    TColor m_arrowDown = 0xFFFFFF;
};
