#include "controls/accessibility/AccessibleViews.h"

#include "controls/minihtml/MiniHtmlText.h"
#include "controls/panel/StyledPanel.h"
#include "controls/plain/Label.h"
#include "controls/plain/Panel.h"
#include "controls/selector/OfficeSelector.h"
#include "controls/smoothlabel/SmoothLabel.h"

// ---- Selector ---------------------------------------------------------------

TAccessibleSelector::TAccessibleSelector(TCustomOfficeComboBox* selector)
    : TAccessibleControlOf(selector, QAccessible::ComboBox)
{
}

QString TAccessibleSelector::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return NameOr(Control()->Text());
    case QAccessible::Value:
        return Control()->Text();
    default:
        return TAccessibleControl::text(t);
    }
}

QAccessible::State TAccessibleSelector::state() const
{
    QAccessible::State s = TAccessibleControl::state();
    const TCustomOfficeComboBox* c = Control();
    s.expandable = true;
    s.expanded = c->Dropped();
    s.collapsed = !c->Dropped();
    s.editable = c->Style() == TCustomOfficeComboBox::csDropDown;
    s.focused = s.focused || c->Editor()->hasFocus();
    return s;
}

QList<QWidget*> TAccessibleSelector::PresentedChildren() const
{
    return {Control()->DropDownWindow(), Control()->Editor()};
}

void TAccessibleSelector::PerformMainAction()
{
    TCustomOfficeComboBox* c = Control();
    if (c->Dropped())
        c->CloseUp();
    else
        c->DropDown();
}

// ---- Labels and panels -----------------------------------------------------

TAccessibleCaptioned::TAccessibleCaptioned(QWidget* widget, QAccessible::Role role, TCaptionOf caption)
    : TAccessibleControl(widget, role)
    , m_caption(caption)
{
}

QString TAccessibleCaptioned::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return NameOr(m_caption(widget()));
    return TAccessibleControl::text(t);
}

QString SmoothLabelCaption(const QWidget* label)
{
    return static_cast<const TSmoothLabel*>(label)->Caption()->Text();
}

QString LabelCaption(const QWidget* label)
{
    return static_cast<const TLabel*>(label)->Caption();
}

QString StyledPanelCaption(const QWidget* panel)
{
    const TPanelCaption* caption = static_cast<const TCustomStyledPanel*>(panel)->Caption();
    return caption->Visible() ? minihtml::PlainText(caption->Text()) : QString();
}

QString PanelCaption(const QWidget* panel)
{
    return static_cast<const TPanel*>(panel)->Caption();
}
