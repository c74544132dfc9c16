#pragma once
// The status strip along the bottom of a styled panel: a flat or gradient
// strip with an optional border, a sunken frame and a marked-up text.
// Every change is reported through OnChange.
#include "controls/paint/ChangeBatch.h"
#include "controls/paint/Color.h"
#include "controls/paint/Font.h"
#include "controls/panel/PanelTypes.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <QString>
#include <functional>

class TPanelStatusBar : public QObject {
    Q_OBJECT
public:
    explicit TPanelStatusBar(QObject* parent = nullptr);

    LUMORA_PROPERTY(bool, BevelInner, m_bevelInner, false, Changed())
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, clBlack, Changed())
    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, PanelTypes::bsNone, Changed())
    LUMORA_PROPERTY(TColor, Color, m_color, clBtnFace, Changed())
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, clNone, Changed())
    Q_PROPERTY(TFont* Font READ Font)
    LUMORA_PROPERTY(PanelTypes::TGradientDirection, GradientDirection, m_gradientDirection, gdHorizontal, Changed())
    LUMORA_PROPERTY(int, Height, m_height, 18, Changed())
    LUMORA_PROPERTY(int, ImageIndex, m_imageIndex, -1, Changed())
    LUMORA_PROPERTY(QString, Text, m_text, {}, Changed())
    LUMORA_PROPERTY(bool, Visible, m_visible, false, Changed())

    TFont* Font() const { return m_font; }

    // Copies Color, ColorTo, GradientDirection, BorderStyle, BorderColor and
    // Font; reports one change when anything differed.
    void Assign(const TPanelStatusBar& source);

    // Raised after every change, including changes of Font.
    std::function<void()> OnChange;

private:
    void Changed();

    TFont* m_font;
    TChangeBatch m_batch;
};
