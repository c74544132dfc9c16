#pragma once
// The caption bar of a styled panel: a band across the panel's top with a
// flat or gradient fill and a marked-up caption text. A panel and a panel
// styler's settings each own one; every change is reported through OnChange
// (the panel repaints, the settings pass it on to their panels).
//
// The caption buttons, the shaded fills, the left-edge placement and the
// bar picture are kept as values (form files and styles set them) but are
// not drawn.
#include "controls/paint/ChangeBatch.h"
#include "controls/paint/Color.h"
#include "controls/paint/Font.h"
#include "controls/panel/PanelTypes.h"
#include "controls/paint/Property.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class TPanelCaption : public QObject {
    Q_OBJECT
public:
    explicit TPanelCaption(QObject* parent = nullptr);

    LUMORA_PROPERTY(PanelTypes::TCaptionButtonPosition, ButtonPosition, m_buttonPosition, cbpRight, Changed())
    LUMORA_PROPERTY(bool, CloseButton, m_closeButton, false, Changed())
    LUMORA_PROPERTY(TColor, CloseButtonColor, m_closeButtonColor, clWhite, Changed())
    LUMORA_PROPERTY(TColor, CloseButtonHoverColor, m_closeButtonHoverColor, clWhite, Changed())
    LUMORA_PROPERTY(TColor, CloseColor, m_closeColor, clBtnFace, Changed())
    LUMORA_PROPERTY(TColor, Color, m_color, clHighlight, Changed())
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, clNone, Changed())
    LUMORA_PROPERTY(bool, Flat, m_flat, false, Changed())
    Q_PROPERTY(TFont* Font READ Font)
    LUMORA_PROPERTY(PanelTypes::TGradientDirection, GradientDirection, m_gradientDirection, gdHorizontal, Changed())
    LUMORA_PROPERTY(int, Height, m_height, 20, Changed())
    LUMORA_PROPERTY(int, Indent, m_indent, 0, Changed())
    LUMORA_PROPERTY(bool, MinMaxButton, m_minMaxButton, false, Changed())
    LUMORA_PROPERTY(TColor, MinMaxButtonColor, m_minMaxButtonColor, clWhite, Changed())
    LUMORA_PROPERTY(TColor, MinMaxButtonHoverColor, m_minMaxButtonHoverColor, clWhite, Changed())
    LUMORA_PROPERTY(bool, MinMaxCaption, m_minMaxCaption, false, Changed())
    LUMORA_PROPERTY(PanelTypes::TCaptionPosition, Position, m_position, cpTop, Changed())
    LUMORA_PROPERTY(int, ShadeGrain, m_shadeGrain, 32, Changed())
    // Values below 200 are stored as 200.
    LUMORA_PROPERTY_OWN_SETTER(int, ShadeLight, m_shadeLight, 200)
    LUMORA_PROPERTY(PanelTypes::TShadeType, ShadeType, m_shadeType, stNormal, Changed())
    LUMORA_PROPERTY(PanelTypes::TCaptionShape, Shape, m_shape, csRectangle, Changed())
    LUMORA_PROPERTY(QString, Text, m_text, {}, Changed())
    LUMORA_PROPERTY(int, TopIndent, m_topIndent, 0, Changed())
    LUMORA_PROPERTY(bool, Visible, m_visible, false, Changed())

    TFont* Font() const { return m_font; }

    // Pictures of the bar and its buttons (not drawn; copied by Assign).
    const QImage& Background() const { return m_background; }
    void SetBackground(const QImage& v);
    const QImage& CloseMinGlyph() const { return m_closeMinGlyph; }
    void SetCloseMinGlyph(const QImage& v);
    const QImage& CloseMaxGlyph() const { return m_closeMaxGlyph; }
    void SetCloseMaxGlyph(const QImage& v);
    const QImage& MinGlyph() const { return m_minGlyph; }
    void SetMinGlyph(const QImage& v);
    const QImage& MaxGlyph() const { return m_maxGlyph; }
    void SetMaxGlyph(const QImage& v);

    // Copies the look of the bar, never what belongs to one panel: Text,
    // Visible, TopIndent, Position and MinMaxCaption stay. Reports one change
    // when anything differed.
    void Assign(const TPanelCaption& source);

    // Raised after every change, including changes of Font.
    std::function<void()> OnChange;

private:
    void Changed();

    TFont* m_font;
    QImage m_background;
    QImage m_closeMinGlyph;
    QImage m_closeMaxGlyph;
    QImage m_minGlyph;
    QImage m_maxGlyph;
    TChangeBatch m_batch;
};
