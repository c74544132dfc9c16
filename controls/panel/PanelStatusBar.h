#pragma once
// The status strip along the bottom of a styled panel: a flat or gradient
// strip with an optional border, a sunken frame and a marked-up text.
// Every change is reported through OnChange.
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

    LUMORA_PROPERTY_OWN_SETTER(bool, BevelInner, m_bevelInner)
    LUMORA_PROPERTY_OWN_SETTER(TColor, BorderColor, m_borderColor)
    LUMORA_PROPERTY_OWN_SETTER(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle)
    LUMORA_PROPERTY_OWN_SETTER(TColor, Color, m_color)
    LUMORA_PROPERTY_OWN_SETTER(TColor, ColorTo, m_colorTo)
    Q_PROPERTY(TFont* Font READ Font)
    LUMORA_PROPERTY_OWN_SETTER(PanelTypes::TGradientDirection, GradientDirection, m_gradientDirection)
    LUMORA_PROPERTY_OWN_SETTER(int, Height, m_height)
    LUMORA_PROPERTY_OWN_SETTER(int, ImageIndex, m_imageIndex)
    LUMORA_PROPERTY_OWN_SETTER(QString, Text, m_text)
    LUMORA_PROPERTY_OWN_SETTER(bool, Visible, m_visible)

    TFont* Font() const { return m_font; }

    // Copies Color, ColorTo, GradientDirection, BorderStyle, BorderColor and
    // Font; reports one change when anything differed.
    void Assign(const TPanelStatusBar& source);

    // Raised after every change, including changes of Font.
    std::function<void()> OnChange;

private:
    void Changed();

    bool m_visible = false;
    int m_height = 18;
    TColor m_color = clBtnFace;
    TColor m_colorTo = clNone;
    TGradientDirection m_gradientDirection = gdHorizontal;
    PanelTypes::TBorderStyle m_borderStyle = PanelTypes::bsNone;
    TColor m_borderColor = clBlack;
    bool m_bevelInner = false;
    TFont* m_font;
    QString m_text;
    int m_imageIndex = -1;
    bool m_assigning = false;
    bool m_changedWhileAssigning = false;
};
