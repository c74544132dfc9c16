#include "controls/accessibility/AccessibleButtons.h"

#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/minihtml/MiniHtmlText.h"

// ---- Glow button -----------------------------------------------------------

TAccessibleGlowButton::TAccessibleGlowButton(TCustomGlowButton* button)
    : TAccessibleControl(button, QAccessible::Button)
{
}

TCustomGlowButton* TAccessibleGlowButton::Button() const
{
    return static_cast<TCustomGlowButton*>(widget());
}

bool TAccessibleGlowButton::IsToggle() const
{
    return Button()->GroupIndex() != 0 || Button()->Style() == TCustomGlowButton::bsCheck;
}

QString TAccessibleGlowButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return NameOr(WithoutAccelerator(Button()->Caption()));
    return TAccessibleControl::text(t);
}

QAccessible::State TAccessibleGlowButton::state() const
{
    QAccessible::State s = TAccessibleControl::state();
    const TCustomGlowButton* b = Button();
    if (IsToggle()) {
        s.checkable = true;
        s.checked = b->Down();
    }
    s.pressed = b->Down() || b->DrawState() == TCustomGlowButton::TDrawState::Pressed;
    return s;
}

void TAccessibleGlowButton::PerformMainAction()
{
    Button()->PerformClick();
}

// ---- Office check box -----------------------------------------------------

TAccessibleCheckBox::TAccessibleCheckBox(TCustomOfficeCheckBox* box)
    : TAccessibleControl(box, QAccessible::CheckBox)
{
}

TCustomOfficeCheckBox* TAccessibleCheckBox::Box() const
{
    return static_cast<TCustomOfficeCheckBox*>(widget());
}

QString TAccessibleCheckBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return NameOr(minihtml::PlainText(Box()->Caption()));
    return TAccessibleControl::text(t);
}

QAccessible::State TAccessibleCheckBox::state() const
{
    QAccessible::State s = TAccessibleControl::state();
    const TCustomOfficeCheckBox* box = Box();
    s.checkable = true;
    s.checked = box->State() == TCustomOfficeCheckBox::cbChecked;
    s.checkStateMixed = box->State() == TCustomOfficeCheckBox::cbGrayed;
    s.readOnly = box->ReadOnly();
    s.pressed = box->IsDown();
    return s;
}

void TAccessibleCheckBox::PerformMainAction()
{
    Box()->UserToggle();
}
