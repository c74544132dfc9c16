#pragma once
// The colour set of a glow button: border, face and mirror colours for the
// normal, hot, down, checked and disabled looks, the gradient kind of each
// half, and whether captions with their own font use the system face. The
// gradient roles are those of every two-half face (controls/paint/GlowFace.h).
#include "controls/paint/Color.h"
#include "controls/paint/GlowFace.h"

#include <QObject>
#include <cstdint>
#include <functional>

class TGlowButtonAppearance : public QObject {
    Q_OBJECT
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TColor BorderColorHot READ BorderColorHot WRITE SetBorderColorHot)
    Q_PROPERTY(TColor BorderColorDown READ BorderColorDown WRITE SetBorderColorDown)
    Q_PROPERTY(TColor BorderColorChecked READ BorderColorChecked WRITE SetBorderColorChecked)
    Q_PROPERTY(TColor BorderColorDisabled READ BorderColorDisabled WRITE SetBorderColorDisabled)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TColor ColorChecked READ ColorChecked WRITE SetColorChecked)
    Q_PROPERTY(TColor ColorCheckedTo READ ColorCheckedTo WRITE SetColorCheckedTo)
    Q_PROPERTY(TColor ColorDisabled READ ColorDisabled WRITE SetColorDisabled)
    Q_PROPERTY(TColor ColorDisabledTo READ ColorDisabledTo WRITE SetColorDisabledTo)
    Q_PROPERTY(TColor ColorDown READ ColorDown WRITE SetColorDown)
    Q_PROPERTY(TColor ColorDownTo READ ColorDownTo WRITE SetColorDownTo)
    Q_PROPERTY(TColor ColorHot READ ColorHot WRITE SetColorHot)
    Q_PROPERTY(TColor ColorHotTo READ ColorHotTo WRITE SetColorHotTo)
    Q_PROPERTY(TColor ColorMirror READ ColorMirror WRITE SetColorMirror)
    Q_PROPERTY(TColor ColorMirrorTo READ ColorMirrorTo WRITE SetColorMirrorTo)
    Q_PROPERTY(TColor ColorMirrorHot READ ColorMirrorHot WRITE SetColorMirrorHot)
    Q_PROPERTY(TColor ColorMirrorHotTo READ ColorMirrorHotTo WRITE SetColorMirrorHotTo)
    Q_PROPERTY(TColor ColorMirrorDown READ ColorMirrorDown WRITE SetColorMirrorDown)
    Q_PROPERTY(TColor ColorMirrorDownTo READ ColorMirrorDownTo WRITE SetColorMirrorDownTo)
    Q_PROPERTY(TColor ColorMirrorChecked READ ColorMirrorChecked WRITE SetColorMirrorChecked)
    Q_PROPERTY(TColor ColorMirrorCheckedTo READ ColorMirrorCheckedTo WRITE SetColorMirrorCheckedTo)
    Q_PROPERTY(TColor ColorMirrorDisabled READ ColorMirrorDisabled WRITE SetColorMirrorDisabled)
    Q_PROPERTY(TColor ColorMirrorDisabledTo READ ColorMirrorDisabledTo WRITE SetColorMirrorDisabledTo)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient Gradient READ Gradient WRITE SetGradient)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirror READ GradientMirror WRITE SetGradientMirror)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientHot READ GradientHot WRITE SetGradientHot)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirrorHot READ GradientMirrorHot WRITE SetGradientMirrorHot)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientDown READ GradientDown WRITE SetGradientDown)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirrorDown READ GradientMirrorDown WRITE SetGradientMirrorDown)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientChecked READ GradientChecked WRITE SetGradientChecked)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirrorChecked READ GradientMirrorChecked WRITE SetGradientMirrorChecked)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientDisabled READ GradientDisabled WRITE SetGradientDisabled)
    Q_PROPERTY(GDIPGradientIF::TGDIPGradient GradientMirrorDisabled READ GradientMirrorDisabled WRITE SetGradientMirrorDisabled)
    Q_PROPERTY(bool SystemFont READ SystemFont WRITE SetSystemFont)
public:
    explicit TGlowButtonAppearance(QObject* parent = nullptr);

// Accessor pair for one published value; the setter ignores an unchanged
// value and otherwise raises OnChange.
#define LUMORA_GLOW_VALUE(Type, Name, member)                                                      \
    Type Name() const { return member; }                                                           \
    void Set##Name(Type v) { Assign(member, v); }

    LUMORA_GLOW_VALUE(TColor, BorderColor, m_borderColor)
    LUMORA_GLOW_VALUE(TColor, BorderColorHot, m_borderColorHot)
    LUMORA_GLOW_VALUE(TColor, BorderColorDown, m_borderColorDown)
    LUMORA_GLOW_VALUE(TColor, BorderColorChecked, m_borderColorChecked)
    LUMORA_GLOW_VALUE(TColor, BorderColorDisabled, m_borderColorDisabled)
    LUMORA_GLOW_VALUE(TColor, Color, m_normal.Color)
    LUMORA_GLOW_VALUE(TColor, ColorTo, m_normal.ColorTo)
    LUMORA_GLOW_VALUE(TColor, ColorChecked, m_checked.Color)
    LUMORA_GLOW_VALUE(TColor, ColorCheckedTo, m_checked.ColorTo)
    LUMORA_GLOW_VALUE(TColor, ColorDisabled, m_disabled.Color)
    LUMORA_GLOW_VALUE(TColor, ColorDisabledTo, m_disabled.ColorTo)
    LUMORA_GLOW_VALUE(TColor, ColorDown, m_down.Color)
    LUMORA_GLOW_VALUE(TColor, ColorDownTo, m_down.ColorTo)
    LUMORA_GLOW_VALUE(TColor, ColorHot, m_hot.Color)
    LUMORA_GLOW_VALUE(TColor, ColorHotTo, m_hot.ColorTo)
    LUMORA_GLOW_VALUE(TColor, ColorMirror, m_normal.ColorMirror)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorTo, m_normal.ColorMirrorTo)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorHot, m_hot.ColorMirror)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorHotTo, m_hot.ColorMirrorTo)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorDown, m_down.ColorMirror)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorDownTo, m_down.ColorMirrorTo)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorChecked, m_checked.ColorMirror)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorCheckedTo, m_checked.ColorMirrorTo)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorDisabled, m_disabled.ColorMirror)
    LUMORA_GLOW_VALUE(TColor, ColorMirrorDisabledTo, m_disabled.ColorMirrorTo)
    LUMORA_GLOW_VALUE(TGDIPGradient, Gradient, m_normal.Gradient)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientMirror, m_normal.GradientMirror)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientHot, m_hot.Gradient)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientMirrorHot, m_hot.GradientMirror)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientDown, m_down.Gradient)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientMirrorDown, m_down.GradientMirror)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientChecked, m_checked.Gradient)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientMirrorChecked, m_checked.GradientMirror)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientDisabled, m_disabled.Gradient)
    LUMORA_GLOW_VALUE(TGDIPGradient, GradientMirrorDisabled, m_disabled.GradientMirror)
    LUMORA_GLOW_VALUE(bool, SystemFont, m_systemFont)
#undef LUMORA_GLOW_VALUE

    // The five colours and two gradient kinds of each look, with its border.
    TFaceColors Normal() const { return WithBorder(m_normal, m_borderColor); }
    TFaceColors Hot() const { return WithBorder(m_hot, m_borderColorHot); }
    TFaceColors Down() const { return WithBorder(m_down, m_borderColorDown); }
    TFaceColors Checked() const { return WithBorder(m_checked, m_borderColorChecked); }
    TFaceColors Disabled() const { return WithBorder(m_disabled, m_borderColorDisabled); }

    // Copies every value of another appearance; raises OnChange once when
    // anything differed.
    void AssignFrom(const TGlowButtonAppearance& other);

    // Raised after every change of a value.
    std::function<void()> OnChange;

private:
    static TFaceColors WithBorder(TFaceColors set, TColor border)
    {
        set.Border = border;
        return set;
    }
    template <class T>
    void Assign(T& member, T v)
    {
        if (member == v)
            return;
        member = v;
        Changed();
    }
    void Changed();

    // The face colours and gradient kinds of each look live in these sets;
    // their Border field stays unused (the border colours are kept apart).
    TFaceColors m_normal, m_hot, m_down, m_checked, m_disabled;
    TColor m_borderColor, m_borderColorHot, m_borderColorDown, m_borderColorChecked, m_borderColorDisabled;
    bool m_systemFont = true;
};
