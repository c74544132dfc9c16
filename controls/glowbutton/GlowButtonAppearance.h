#pragma once
// The colour set of a glow button: border, face and mirror colours for the
// normal, hot, down, checked and disabled looks, the gradient kind of each
// half, and whether captions with their own font use the system face. The
// gradient roles are those of every two-half face (controls/paint/GlowFace.h).
#include "controls/paint/Color.h"
#include "controls/paint/GlowFace.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <cstdint>
#include <functional>

class TGlowButtonAppearance : public QObject {
    Q_OBJECT
public:
    explicit TGlowButtonAppearance(QObject* parent = nullptr);

    // Every setter ignores an unchanged value and otherwise raises OnChange.
    LUMORA_PROPERTY(TColor, BorderColor, m_normal.Border, Changed())
    LUMORA_PROPERTY(TColor, BorderColorHot, m_hot.Border, Changed())
    LUMORA_PROPERTY(TColor, BorderColorDown, m_down.Border, Changed())
    LUMORA_PROPERTY(TColor, BorderColorChecked, m_checked.Border, Changed())
    LUMORA_PROPERTY(TColor, BorderColorDisabled, m_disabled.Border, Changed())
    LUMORA_PROPERTY(TColor, Color, m_normal.Color, Changed())
    LUMORA_PROPERTY(TColor, ColorTo, m_normal.ColorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorChecked, m_checked.Color, Changed())
    LUMORA_PROPERTY(TColor, ColorCheckedTo, m_checked.ColorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorDisabled, m_disabled.Color, Changed())
    LUMORA_PROPERTY(TColor, ColorDisabledTo, m_disabled.ColorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorDown, m_down.Color, Changed())
    LUMORA_PROPERTY(TColor, ColorDownTo, m_down.ColorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorHot, m_hot.Color, Changed())
    LUMORA_PROPERTY(TColor, ColorHotTo, m_hot.ColorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirror, m_normal.ColorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorTo, m_normal.ColorMirrorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorHot, m_hot.ColorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorHotTo, m_hot.ColorMirrorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorDown, m_down.ColorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorDownTo, m_down.ColorMirrorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorChecked, m_checked.ColorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorCheckedTo, m_checked.ColorMirrorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorDisabled, m_disabled.ColorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorDisabledTo, m_disabled.ColorMirrorTo, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, Gradient, m_normal.Gradient, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientMirror, m_normal.GradientMirror, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientHot, m_hot.Gradient, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientMirrorHot, m_hot.GradientMirror, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientDown, m_down.Gradient, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientMirrorDown, m_down.GradientMirror, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientChecked, m_checked.Gradient, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientMirrorChecked, m_checked.GradientMirror, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientDisabled, m_disabled.Gradient, Changed())
    LUMORA_PROPERTY(GDIPGradientIF::TGDIPGradient, GradientMirrorDisabled, m_disabled.GradientMirror, Changed())
    LUMORA_PROPERTY(bool, SystemFont, m_systemFont, Changed())
    // The four colours, the border and the two gradient kinds of each look.
    enum class TLook { Normal, Hot, Down, Checked, Disabled };
    const TFaceColors& Normal() const { return m_normal; }
    const TFaceColors& Hot() const { return m_hot; }
    const TFaceColors& Down() const { return m_down; }
    const TFaceColors& Checked() const { return m_checked; }
    const TFaceColors& Disabled() const { return m_disabled; }
    // Writes one whole look; raises OnChange once when anything differed.
    void SetLook(TLook look, const TFaceColors& v);

    // Raised after every change of a value.
    std::function<void()> OnChange;

private:
    void Changed();

    TFaceColors m_normal, m_hot, m_down, m_checked, m_disabled;
    bool m_systemFont = true;
};
