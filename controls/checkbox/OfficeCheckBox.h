#pragma once
// The office check box: a box image chosen by state (unchecked or checked)
// and mouse state (normal, hot, down), and a caption drawn as mini-HTML,
// both over the parent's own painting (the control has no background).
// Its look is the same under every visual style.
//
// Any mouse button toggles it: the release must come inside the control
// (edges included), on a focused control that was pressed here. Space and
// the caption's accelerator toggle it too. Setting Checked or State from
// the program fires nothing.
#include "controls/checkbox/CheckBoxImages.h"
#include "controls/core/Control.h"
#include "controls/paint/Property.h"

#include <QCursor>
#include <QRect>
#include <QString>
#include <functional>

class TCanvas;
struct TMiniHtmlParams;

class TCustomOfficeCheckBox : public TCustomControl {
    Q_OBJECT
public:
    enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
    Q_ENUM(TCheckBoxState)
    // The side of the box: left with the caption right of it, or right.
    enum TLeftRight { taLeftJustify, taRightJustify };
    Q_ENUM(TLeftRight)
    enum TTextLayout { tlTop, tlCenter, tlBottom };
    Q_ENUM(TTextLayout)

public:
    explicit TCustomOfficeCheckBox(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TCustomOfficeCheckBox() override;

    LUMORA_PROPERTY(TLeftRight, Alignment, m_alignment, taLeftJustify, update())
    LUMORA_PROPERTY(TTextLayout, ButtonVertAlign, m_buttonVertAlign, tlTop, update())
    LUMORA_PROPERTY_OWN_SETTER(QString, Caption, m_caption, {})
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    LUMORA_PROPERTY(TColor, DisabledFontColor, m_disabledFontColor, 0x808080, update())
    LUMORA_PROPERTY(bool, Ellipsis, m_ellipsis, false, update())
    LUMORA_PROPERTY(bool, ReadOnly, m_readOnly, false, )
    LUMORA_PROPERTY(bool, ReturnIsTab, m_returnIsTab, false, )
    LUMORA_PROPERTY(TColor, ShadowColor, m_shadowColor, 0x808080, update())
    LUMORA_PROPERTY(int, ShadowOffset, m_shadowOffset, 1, update())
    // A different value repaints the box area.
    LUMORA_PROPERTY_OWN_SETTER(TCheckBoxState, State, m_state, cbUnchecked)
    // There are no system themes to draw with here: the images are used.
    LUMORA_PROPERTY(bool, Themed, m_themed, false, )
    LUMORA_PROPERTY(TColor, URLColor, m_urlColor, 0xFF0000, update())
    LUMORA_EVENT(TAnchorClick, OnAnchorClick)
    LUMORA_EVENT(TAnchorClick, OnAnchorEnter)
    LUMORA_EVENT(TAnchorClick, OnAnchorExit)
    // True exactly when State is cbChecked. Setting repaints, even to the
    // same value, and fires nothing.
    bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool v);

    // The user's toggle: nothing when ReadOnly; else Checked := not Checked,
    // so a grayed box becomes checked.
    virtual void Toggle();
    // The toggle of a click, Space or a screen reader: Toggle, then OnClick.
    void UserToggle();

    // Runtime state.
    bool IsDown() const { return m_down; }
    bool IsHot() const { return m_hot; }

    // Geometry shared by painting and hit-testing: where the box image goes,
    // the area the caption is drawn in, and the strip of the box side that
    // a change of state repaints.
    QPoint BoxOrigin() const;
    QRect CaptionArea() const;
    QRect BoxArea() const;
    // The image the box shows now.
    bool ShowsCheckedImage() const { return m_state == cbChecked; }
    TBoxMouseState BoxMouseState() const;

    // The anchor reference under a point of the caption, or empty.
    QString AnchorAt(QPoint p);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The caption as the renderer takes it, the same for painting and for
    // the anchor hit test.
    TMiniHtmlParams CaptionParams(TCanvas& canvas) const;
    void PaintCaption(TCanvas& canvas);
    void PaintFocusFrame(QPainter& painter, const QRect& frame, TColor color);
    void RepaintBoxArea();
    bool InsideEdgesIncluded(QPoint p) const;
    void UpdateHoveredAnchor(QPoint p);
    void UpdateAccelerator();
    // Every change of State goes through here (and is announced).
    void StoreState(TCheckBoxState v);
    void RestoreCursor();

    bool m_down = false;
    bool m_hot = false;
    bool m_pressedHere = false;
    bool m_captured = false;
    bool m_spaceHeld = false;
    bool m_focusedByThisPress = false; // Qt gave the focus for the press being handled
    QString m_hoveredAnchor;
    QCursor m_cursorBeforeAnchor;
    bool m_cursorSaved = false;
    int m_acceleratorId = 0;
};

class TOfficeCheckBox : public TCustomOfficeCheckBox {
    Q_OBJECT
public:
    explicit TOfficeCheckBox(TComponent* owner = nullptr, QWidget* parent = nullptr);
};
