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
    LUMORA_PROPERTY_OF(TColor, BorderColor, m_normal.Border, Changed())
    LUMORA_PROPERTY_OF(TColor, BorderColorHot, m_hot.Border, Changed())
    LUMORA_PROPERTY_OF(TColor, BorderColorDown, m_down.Border, Changed())
    LUMORA_PROPERTY_OF(TColor, BorderColorChecked, m_checked.Border, Changed())
    LUMORA_PROPERTY_OF(TColor, BorderColorDisabled, m_disabled.Border, Changed())
    LUMORA_FACE_COLORS(, m_normal)
    LUMORA_FACE_COLORS(Checked, m_checked)
    LUMORA_FACE_COLORS(Disabled, m_disabled)
    LUMORA_FACE_COLORS(Down, m_down)
    LUMORA_FACE_COLORS(Hot, m_hot)
    LUMORA_FACE_MIRROR_COLORS(, m_normal)
    LUMORA_FACE_MIRROR_COLORS(Hot, m_hot)
    LUMORA_FACE_MIRROR_COLORS(Down, m_down)
    LUMORA_FACE_MIRROR_COLORS(Checked, m_checked)
    LUMORA_FACE_MIRROR_COLORS(Disabled, m_disabled)
    LUMORA_FACE_GRADIENTS(, m_normal)
    LUMORA_FACE_GRADIENTS(Hot, m_hot)
    LUMORA_FACE_GRADIENTS(Down, m_down)
    LUMORA_FACE_GRADIENTS(Checked, m_checked)
    LUMORA_FACE_GRADIENTS(Disabled, m_disabled)
    LUMORA_PROPERTY(bool, SystemFont, m_systemFont, true, Changed())
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
};
