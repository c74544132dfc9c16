#pragma once
// The look of the highlighted row of the selector's list: a two-half face
// with its own colours and gradient kinds, an outline colour, the text
// colour and whether the outline has rounded corners. Writing a different
// value raises OnChange.
#include "controls/paint/Color.h"
#include "controls/selector/ComboBtn.h"
#include "controls/paint/GlowFace.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <functional>

class TSelectionAppearance : public QObject {
    Q_OBJECT
public:
    explicit TSelectionAppearance(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    LUMORA_PROPERTY(TColor, BorderColor, m_border, 0xC0C0C0, Changed())
    LUMORA_FACE_COLORS(, m_face)
    LUMORA_FACE_MIRROR_COLORS(, m_face)
    LUMORA_FACE_GRADIENTS(, m_face)
    LUMORA_PROPERTY(TColor, TextColor, m_textColor, clHighlightText, Changed())
    LUMORA_PROPERTY(bool, Rounded, m_rounded, false, Changed())
    // The face colours and gradient kinds as one value.
    const TFaceColors& Face() const { return m_face; }
    // Writes the four colours of v; the gradient kinds stay. Raises
    // OnChange once when a colour differed.
    void SetFaceColors(const TFaceColors& v)
    {
        TFaceColors face = m_face;
        face.Color = v.Color;
        face.ColorTo = v.ColorTo;
        face.ColorMirror = v.ColorMirror;
        face.ColorMirrorTo = v.ColorMirrorTo;
        if (SetIfChanged(m_face, face))
            Changed();
    }

    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }

    TFaceColors m_face{0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, clNone, ggVertical, ggVertical};
};
