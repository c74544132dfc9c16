#pragma once
// The glow button: a custom-drawn push or toggle button whose face is split
// into an upper half and a lower mirror half, each with its own gradient,
// framed by a rounded outline, with a caption and an optional picture. It
// fades into its hot look under the pointer and into its down look when
// pressed (five steps of 30 ms each); a button of a group can stay down.
//
// TCustomGlowButton holds the state machine (draw state, hot tracking,
// press, fades, Down and groups); the face is drawn by TGlowButtonPainter.
#include "controls/core/Control.h"
#include "controls/core/ControlTypes.h"
#include "controls/glowbutton/FadeTimer.h"
#include "controls/paint/GDIPPicture.h"
#include "controls/glowbutton/GlowButtonAppearance.h"
#include "controls/glowbutton/GlowButtonPainter.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <memory>

class QPainter;

class TCustomGlowButton : public TCustomControl, public IStyledComponent {
    Q_OBJECT
public:
    enum TGlowButtonStyle { bsButton, bsCheck };
    Q_ENUM(TGlowButtonStyle)
    using TBorderStyle = ControlTypes::TBorderStyle;
    using enum ControlTypes::TBorderStyle;
    enum TButtonLayout {
        blGlyphLeft,
        blGlyphTop,
        blGlyphRight,
        blGlyphBottom,
        blGlyphLeftAdjusted,
        blGlyphRightAdjusted,
        blGlyphTopAdjusted,
        blGlyphBottomAdjusted,
    };
    Q_ENUM(TButtonLayout)
    using TAntiAlias = ControlTypes::TAntiAlias;
    using enum ControlTypes::TAntiAlias;
    enum TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
    Q_ENUM(TFocusType)
    // The state OnDrawButton reports.
    enum TGlowButtonState { gsNormal, gsHot, gsDown };
    Q_ENUM(TGlowButtonState)

    // Called after the face is drawn, with the canvas, the client rectangle
    // and the button's state.
    using TGlowButtonDrawEvent =
        TEvent<void(QObject* Sender, QPainter* Canvas, QRect Rect, TGlowButtonState State)>;

    // The draw state: how the face is chosen.
    enum class TDrawState { Up, Disabled, Pressed, Checked };
    // What the fade timer advances.
    enum class TFadeMode { Idle, Hover, Press };

    explicit TCustomGlowButton(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TCustomGlowButton() override;

    LUMORA_PROPERTY_OWN_SETTER(QString, Caption, m_caption, {})
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TGDIPPicture* Picture READ Picture)
    Q_PROPERTY(TGDIPPicture* HotPicture READ HotPicture)
    Q_PROPERTY(TGDIPPicture* DisabledPicture READ DisabledPicture)
    Q_PROPERTY(TGlowButtonAppearance* Appearance READ Appearance)
    LUMORA_PROPERTY_OWN_SETTER(bool, Down, m_down, false)
    LUMORA_PROPERTY(int, GroupIndex, m_groupIndex, 0, AnnounceDown())
    LUMORA_PROPERTY(bool, AllowAllUp, m_allowAllUp, false, AnnounceDown())
    LUMORA_PROPERTY(TGlowButtonStyle, Style, m_style, bsButton, update())
    LUMORA_PROPERTY(bool, Rounded, m_rounded, true, update())
    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, bsSingle, update())
    LUMORA_PROPERTY(bool, ShowCaption, m_showCaption, true, update())
    LUMORA_PROPERTY(bool, ShowDisabled, m_showDisabled, true, update())
    LUMORA_PROPERTY(bool, WordWrap, m_wordWrap, true, update())
    LUMORA_PROPERTY(int, Spacing, m_spacing, 2, update())
    LUMORA_PROPERTY(TButtonLayout, Layout, m_layout, blGlyphLeft, update())
    LUMORA_PROPERTY(ControlTypes::TAntiAlias, AntiAlias, m_antiAlias, aaClearType, update())
    LUMORA_PROPERTY(TFocusType, FocusType, m_focusType, ftBorder, update())
    LUMORA_PROPERTY(bool, Transparent, m_transparent, false, update())
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    LUMORA_PROPERTY(int, ModalResult, m_modalResult, 0, )
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    // The default button takes Enter, the cancel button Escape, on its
    // top-level window when no focused control uses the key.
    LUMORA_PROPERTY_OWN_SETTER(bool, Default, m_default, false)
    LUMORA_PROPERTY_OWN_SETTER(bool, Cancel, m_cancel, false)
    LUMORA_EVENT(TGlowButtonDrawEvent, OnDrawButton)

    TGDIPPicture* Picture() const { return m_picture; }
    TGDIPPicture* HotPicture() const { return m_hotPicture; }
    TGDIPPicture* DisabledPicture() const { return m_disabledPicture; }
    TGlowButtonAppearance* Appearance() const { return m_appearance; }

    // Keyboard focus by Tab (and by a click); off by default.
    void SetTabStop(bool v);

    // IStyledComponent: the style's colours, then a repaint.
    void ApplyComponentStyle(TVisualStyle style) override;

    // The click: the modal result goes to the parent form, then OnClick.
    void Click() override;
    // Does what a completed left click with the mouse does, for a click made
    // by other means (a key of the window, a screen reader's press): a
    // toggle or grouped button flips Down by its setter, then the click. A
    // disabled button does nothing.
    void PerformClick();

    // Re-applies the Down value read from the form file, once GroupIndex
    // and AllowAllUp are known.
    void Loaded() override;

    // State, for the window's code and for tests.
    TDrawState DrawState() const { return m_drawState; }
    bool Hot() const { return m_hot; }
    bool PointerInside() const { return m_pointerInside; }
    bool PressedFlag() const { return m_pressed; }
    int HoverLevel() const { return m_hoverLevel; }
    int PressLevel() const { return m_pressLevel; }
    bool FadeTimerRunning() const { return m_fadeTimer != nullptr; }

    // The colours one paint uses (runs the draw-state steps of the choice).
    TFaceColors ChooseColors();
    // Draws the face as the screen shows it into image (client size).
    // Draws the face into image, made a buffer of the client size at the
    // given device pixel ratio.
    void PaintFace(QImage& image, qreal ratio = 1.0);

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
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class TGlowGroupNotice;

    // Pointer tracking. Crossing follows the real pointer (Qt's enter and
    // leave, and the moves of a held press); the handlers are the state
    // steps of entering and leaving.
    void PointerCrossed(bool over);
    void HandlePointerEnter();
    void HandlePointerLeave();
    void ResyncHot(QPoint local);
    bool IsUnderPointer(QPoint local) const;

    void LeftPressed(QPoint local);
    void LeftReleased(QPoint local);
    void EnsureFadeTimer();
    void FadeTick();

    // Every change of Down goes through here (and is announced).
    void StoreDown(bool v);
    void AnnounceDown();
    void GroupButtonDown(int groupIndex, TCustomGlowButton* sender);
    void DialogKey();
    // The state a key's release or a dialog key leaves: a down check
    // button stays pressed, a down grouped button checked, others up.
    TDrawState RestingDrawState() const;
    void WatchWindowKeys();
    void CopyModalResult();

    TGlowFace ComposeFace(const TFaceColors& colors, double ratio);
    const TGDIPPicture* PictureInUse() const;
    // The caption's font and whether it takes anti-aliased output, cached
    // for the font values it was derived from.
    struct TCaptionFont {
        QString name;
        int height = 0;
        int style = 0;
        bool systemFace = false;
        double ratio = 1.0;
        QFont font;
        bool scalable = false;
        bool valid = false;
    };
    // The caption's font for a surface of `ratio` device pixels per logical pixel.
    const TCaptionFont& CaptionFont(double ratio);
    TCaptionFont m_captionFont;

    TGlowButtonAppearance* m_appearance;
    TGDIPPicture* m_picture;
    TGDIPPicture* m_hotPicture;
    TGDIPPicture* m_disabledPicture;

    QPointer<QWidget> m_keyWindow;

    // Internal state.
    TDrawState m_drawState = TDrawState::Up;
    bool m_hot = false;
    bool m_pointerInside = false;
    bool m_pointerOver = false; // the real pointer's last crossing
    bool m_pressed = false;     // a press is in progress or fading out
    bool m_held = false;
    bool m_leftWhileHeld = false;
    bool m_dragging = false;
    bool m_clickArmed = false; // a plain left press began on the button
    int m_hoverLevel = 0;
    int m_pressLevel = 0;
    int m_fadeStep = 0;
    TFadeMode m_fadeMode = TFadeMode::Idle;
    std::unique_ptr<IFadeTimer> m_fadeTimer;
    bool m_loadedDownSet = false;
    bool m_loadedDown = false;
    bool m_painting = false;
};

class TGlowButton : public TCustomGlowButton {
    Q_OBJECT
public:
    explicit TGlowButton(TComponent* owner = nullptr, QWidget* parent = nullptr);
};
