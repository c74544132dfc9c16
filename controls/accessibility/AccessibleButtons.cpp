#include "controls/accessibility/AccessibleButtons.h"

#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/minihtml/MiniHtmlText.h"

// ---- Glow button -----------------------------------------------------------

TAccessibleGlowButton::TAccessibleGlowButton(TCustomGlowButton* button)
    : TAccessibleControlOf(button, QAccessible::Button)
{
}

bool TAccessibleGlowButton::IsToggle() const
{
    return Control()->GroupIndex() != 0 || Control()->Style() == TCustomGlowButton::bsCheck;
}

QString TAccessibleGlowButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return NameOr(WithoutAccelerator(Control()->Caption()));
    return TAccessibleControl::text(t);
}

QAccessible::State TAccessibleGlowButton::state() const
{
    QAccessible::State s = TAccessibleControl::state();
    const TCustomGlowButton* b = Control();
    if (IsToggle()) {
        s.checkable = true;
        s.checked = b->Down();
    }
    s.pressed = b->Down() || b->DrawState() == TCustomGlowButton::TDrawState::Pressed;
    return s;
}

void TAccessibleGlowButton::PerformMainAction()
{
    Control()->PerformClick();
}

// ---- Office check box -----------------------------------------------------

TAccessibleCheckBox::TAccessibleCheckBox(TCustomOfficeCheckBox* box)
    : TAccessibleControlOf(box, QAccessible::CheckBox)
{
}

QString TAccessibleCheckBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return NameOr(minihtml::PlainText(Control()->Caption()));
    return TAccessibleControl::text(t);
}

QAccessible::State TAccessibleCheckBox::state() const
{
    QAccessible::State s = TAccessibleControl::state();
    const TCustomOfficeCheckBox* box = Control();
    s.checkable = true;
    s.checked = box->State() == TCustomOfficeCheckBox::cbChecked;
    s.checkStateMixed = box->State() == TCustomOfficeCheckBox::cbGrayed;
    s.readOnly = box->ReadOnly();
    s.pressed = box->IsDown();
    return s;
}

void TAccessibleCheckBox::PerformMainAction()
{
    Control()->UserToggle();
}
