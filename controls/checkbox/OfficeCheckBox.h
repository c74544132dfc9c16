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

#include <QCursor>
#include <QRect>
#include <QString>
#include <functional>

class TCanvas;


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

private:
    Q_PROPERTY(TLeftRight Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TTextLayout ButtonVertAlign READ ButtonVertAlign WRITE SetButtonVertAlign)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(TColor DisabledFontColor READ DisabledFontColor WRITE SetDisabledFontColor)
    Q_PROPERTY(bool Ellipsis READ Ellipsis WRITE SetEllipsis)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ReturnIsTab READ ReturnIsTab WRITE SetReturnIsTab)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(TCheckBoxState State READ State WRITE SetState)
    Q_PROPERTY(bool Themed READ Themed WRITE SetThemed)
    Q_PROPERTY(TColor URLColor READ URLColor WRITE SetURLColor)
    Q_PROPERTY(TAnchorClick OnAnchorClick MEMBER OnAnchorClick)
    Q_PROPERTY(TAnchorClick OnAnchorEnter MEMBER OnAnchorEnter)
    Q_PROPERTY(TAnchorClick OnAnchorExit MEMBER OnAnchorExit)

public:
    explicit TCustomOfficeCheckBox(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TCustomOfficeCheckBox() override;

    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight v);
    TTextLayout ButtonVertAlign() const { return m_buttonVertAlign; }
    void SetButtonVertAlign(TTextLayout v);
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& v);
    // True exactly when State is cbChecked. Setting repaints, even to the
    // same value, and fires nothing.
    bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool v);
    TColor DisabledFontColor() const { return m_disabledFontColor; }
    void SetDisabledFontColor(TColor v);
    bool Ellipsis() const { return m_ellipsis; }
    void SetEllipsis(bool v);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool v) { m_readOnly = v; }
    bool ReturnIsTab() const { return m_returnIsTab; }
    void SetReturnIsTab(bool v) { m_returnIsTab = v; }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor v);
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int v);
    TCheckBoxState State() const { return m_state; }
    // A different value repaints the box area.
    void SetState(TCheckBoxState v);
    // There are no system themes to draw with here: the images are used.
    bool Themed() const { return m_themed; }
    void SetThemed(bool v) { m_themed = v; }
    TColor URLColor() const { return m_urlColor; }
    void SetURLColor(TColor v);

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

    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;

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
    void PaintCaption(TCanvas& canvas);
    void PaintFocusFrame(QPainter& painter, const QRect& frame, TColor color);
    void RepaintBoxArea();
    bool InsideEdgesIncluded(QPoint p) const;
    void ClickAnchor(const QString& anchor);
    void UpdateHoveredAnchor(QPoint p);
    void UpdateAccelerator();
    // Every change of State goes through here (and is announced).
    void StoreState(TCheckBoxState v);
    void RestoreCursor();

    TLeftRight m_alignment = taLeftJustify;
    TTextLayout m_buttonVertAlign = tlTop;
    QString m_caption;
    TColor m_disabledFontColor = 0x808080;
    bool m_ellipsis = false;
    bool m_readOnly = false;
    bool m_returnIsTab = false;
    TColor m_shadowColor = 0x808080;
    int m_shadowOffset = 1;
    TCheckBoxState m_state = cbUnchecked;
    bool m_themed = false;
    TColor m_urlColor = 0xFF0000;

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
