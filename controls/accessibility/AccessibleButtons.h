#pragma once
// Screen-reader interfaces of the glow button and the office check box.
//
// A glow button is a button named by its caption (or by the design's
// AccessibleName where it shows only a picture); a button of a group or a
// bsCheck button is a toggle button: checkable, checked while Down. Its
// press action does what a click does.
//
// An office check box is a check box named by the words of its caption,
// checked, or mixed while grayed; its toggle action is the user's toggle.
#include "controls/accessibility/AccessibleControl.h"

class TCustomGlowButton;
class TCustomOfficeCheckBox;

class TAccessibleGlowButton : public TAccessibleControlOf<TCustomGlowButton> {
public:
    explicit TAccessibleGlowButton(TCustomGlowButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

protected:
    QString MainAction() const override { return pressAction(); }
    void PerformMainAction() override;

private:
    bool IsToggle() const;
};

class TAccessibleCheckBox : public TAccessibleControlOf<TCustomOfficeCheckBox> {
public:
    explicit TAccessibleCheckBox(TCustomOfficeCheckBox* box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

protected:
    QString MainAction() const override { return toggleAction(); }
    void PerformMainAction() override;
};
