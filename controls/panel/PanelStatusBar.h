#pragma once
// The status strip along the bottom of a styled panel: a flat or gradient
// strip with an optional border, a sunken frame and a marked-up text.
// Every change is reported through OnChange.
#include "controls/paint/Color.h"
#include "controls/paint/Font.h"
#include "controls/panel/PanelTypes.h"

#include <QObject>
#include <QString>
#include <functional>

class TPanelStatusBar : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(ControlTypes::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(PanelTypes::TGradientDirection GradientDirection READ GradientDirection WRITE SetGradientDirection)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    explicit TPanelStatusBar(QObject* parent = nullptr);

    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    int Height() const { return m_height; }
    void SetHeight(int v);
    TColor Color() const { return m_color; }
    void SetColor(TColor v);
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor v);
    TGradientDirection GradientDirection() const { return m_gradientDirection; }
    void SetGradientDirection(TGradientDirection v);
    PanelTypes::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(PanelTypes::TBorderStyle v);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor v);
    bool BevelInner() const { return m_bevelInner; }
    void SetBevelInner(bool v);
    TFont* Font() const { return m_font; }
    const QString& Text() const { return m_text; }
    void SetText(const QString& v);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int v);

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
