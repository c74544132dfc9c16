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

    // Every setter ignores an unchanged value and otherwise raises OnChange.
    LUMORA_PROPERTY(TColor, BorderColor, m_normal.Border)
    LUMORA_PROPERTY(TColor, BorderColorHot, m_hot.Border)
    LUMORA_PROPERTY(TColor, BorderColorDown, m_down.Border)
    LUMORA_PROPERTY(TColor, BorderColorChecked, m_checked.Border)
    LUMORA_PROPERTY(TColor, BorderColorDisabled, m_disabled.Border)
    LUMORA_FACE_ACCESSORS(, m_normal)
    LUMORA_FACE_ACCESSORS(Hot, m_hot)
    LUMORA_FACE_ACCESSORS(Down, m_down)
    LUMORA_FACE_ACCESSORS(Checked, m_checked)
    LUMORA_FACE_ACCESSORS(Disabled, m_disabled)
    LUMORA_PROPERTY(bool, SystemFont, m_systemFont)

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
