#pragma once
// The caption bar of a styled panel: a band across the panel's top with a
// flat or gradient fill and a marked-up caption text. A panel and a panel
// styler's settings each own one; every change is reported through OnChange
// (the panel repaints, the settings pass it on to their panels).
//
// The caption buttons, the shaded fills, the left-edge placement and the
// bar picture are kept as values (form files and styles set them) but are
// not drawn.
#include "controls/paint/Color.h"
#include "controls/paint/Font.h"
#include "controls/panel/PanelTypes.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class TPanelCaption : public QObject {
    Q_OBJECT
    Q_PROPERTY(PanelTypes::TCaptionButtonPosition ButtonPosition READ ButtonPosition WRITE SetButtonPosition)
    Q_PROPERTY(bool CloseButton READ CloseButton WRITE SetCloseButton)
    Q_PROPERTY(TColor CloseButtonColor READ CloseButtonColor WRITE SetCloseButtonColor)
    Q_PROPERTY(TColor CloseButtonHoverColor READ CloseButtonHoverColor WRITE SetCloseButtonHoverColor)
    Q_PROPERTY(TColor CloseColor READ CloseColor WRITE SetCloseColor)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(PanelTypes::TGradientDirection GradientDirection READ GradientDirection WRITE SetGradientDirection)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
    Q_PROPERTY(bool MinMaxButton READ MinMaxButton WRITE SetMinMaxButton)
    Q_PROPERTY(TColor MinMaxButtonColor READ MinMaxButtonColor WRITE SetMinMaxButtonColor)
    Q_PROPERTY(TColor MinMaxButtonHoverColor READ MinMaxButtonHoverColor WRITE SetMinMaxButtonHoverColor)
    Q_PROPERTY(bool MinMaxCaption READ MinMaxCaption WRITE SetMinMaxCaption)
    Q_PROPERTY(PanelTypes::TCaptionPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(int ShadeGrain READ ShadeGrain WRITE SetShadeGrain)
    Q_PROPERTY(int ShadeLight READ ShadeLight WRITE SetShadeLight)
    Q_PROPERTY(PanelTypes::TShadeType ShadeType READ ShadeType WRITE SetShadeType)
    Q_PROPERTY(PanelTypes::TCaptionShape Shape READ Shape WRITE SetShape)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int TopIndent READ TopIndent WRITE SetTopIndent)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TPanelCaption(QObject* parent = nullptr);

    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    const QString& Text() const { return m_text; }
    void SetText(const QString& v);
    int Height() const { return m_height; }
    void SetHeight(int v);
    TColor Color() const { return m_color; }
    void SetColor(TColor v);
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor v);
    TGradientDirection GradientDirection() const { return m_gradientDirection; }
    void SetGradientDirection(TGradientDirection v);
    TFont* Font() const { return m_font; }
    int Indent() const { return m_indent; }
    void SetIndent(int v);
    int TopIndent() const { return m_topIndent; }
    void SetTopIndent(int v);
    TShadeType ShadeType() const { return m_shadeType; }
    void SetShadeType(TShadeType v);
    int ShadeLight() const { return m_shadeLight; }
    // Values below 200 are stored as 200.
    void SetShadeLight(int v);
    int ShadeGrain() const { return m_shadeGrain; }
    void SetShadeGrain(int v);
    TCaptionShape Shape() const { return m_shape; }
    void SetShape(TCaptionShape v);
    bool Flat() const { return m_flat; }
    void SetFlat(bool v);
    TCaptionPosition Position() const { return m_position; }
    void SetPosition(TCaptionPosition v);
    TCaptionButtonPosition ButtonPosition() const { return m_buttonPosition; }
    void SetButtonPosition(TCaptionButtonPosition v);
    bool CloseButton() const { return m_closeButton; }
    void SetCloseButton(bool v);
    bool MinMaxButton() const { return m_minMaxButton; }
    void SetMinMaxButton(bool v);
    TColor CloseButtonColor() const { return m_closeButtonColor; }
    void SetCloseButtonColor(TColor v);
    TColor CloseButtonHoverColor() const { return m_closeButtonHoverColor; }
    void SetCloseButtonHoverColor(TColor v);
    TColor MinMaxButtonColor() const { return m_minMaxButtonColor; }
    void SetMinMaxButtonColor(TColor v);
    TColor MinMaxButtonHoverColor() const { return m_minMaxButtonHoverColor; }
    void SetMinMaxButtonHoverColor(TColor v);
    TColor CloseColor() const { return m_closeColor; }
    void SetCloseColor(TColor v);
    bool MinMaxCaption() const { return m_minMaxCaption; }
    void SetMinMaxCaption(bool v);

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

    bool m_visible = false;
    QString m_text;
    int m_height = 20;
    TColor m_color = clHighlight;
    TColor m_colorTo = clNone;
    TGradientDirection m_gradientDirection = gdHorizontal;
    TFont* m_font;
    int m_indent = 0;
    int m_topIndent = 0;
    TShadeType m_shadeType = stNormal;
    int m_shadeLight = 200;
    int m_shadeGrain = 32;
    TCaptionShape m_shape = csRectangle;
    bool m_flat = false;
    TCaptionPosition m_position = cpTop;
    TCaptionButtonPosition m_buttonPosition = cbpRight;
    bool m_closeButton = false;
    bool m_minMaxButton = false;
    TColor m_closeButtonColor = clWhite;
    TColor m_closeButtonHoverColor = clWhite;
    TColor m_minMaxButtonColor = clWhite;
    TColor m_minMaxButtonHoverColor = clWhite;
    TColor m_closeColor = clBtnFace;
    bool m_minMaxCaption = false;
    QImage m_background;
    QImage m_closeMinGlyph;
    QImage m_closeMaxGlyph;
    QImage m_minGlyph;
    QImage m_maxGlyph;
    bool m_assigning = false;
    bool m_changedWhileAssigning = false;
};
