#include "controls/accessibility/AccessibleInterfaces.h"

#include "controls/accessibility/AccessibleButtons.h"
#include "controls/accessibility/AccessibleGrid.h"
#include "controls/accessibility/AccessibleViews.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/core/Form.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/GridBase.h"
#include "controls/selector/DropDownWindow.h"
#include "controls/selector/OfficeSelector.h"

#include <QAccessible>

namespace {

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == u"TCustomGlowButton")
        return new TAccessibleGlowButton(static_cast<TCustomGlowButton*>(widget));
    if (className == u"TCustomOfficeCheckBox")
        return new TAccessibleCheckBox(static_cast<TCustomOfficeCheckBox*>(widget));
    if (className == u"TCustomOfficeComboBox")
        return new TAccessibleSelector(static_cast<TCustomOfficeComboBox*>(widget));
    if (className == u"TCustomGrid")
        return new TAccessibleGrid(static_cast<TCustomGrid*>(widget));
    if (className == u"TSmoothLabel")
        return new TAccessibleCaptioned(widget, QAccessible::StaticText, &SmoothLabelCaption);
    if (className == u"TLabel")
        return new TAccessibleCaptioned(widget, QAccessible::StaticText, &LabelCaption);
    if (className == u"TCustomStyledPanel")
        return new TAccessibleCaptioned(widget, QAccessible::Pane, &StyledPanelCaption);
    if (className == u"TPanel")
        return new TAccessibleCaptioned(widget, QAccessible::Pane, &PanelCaption);
    if (className == u"TForm")
        return new TAccessibleControl(widget, QAccessible::Window);
    // The selector's popup: a window that holds the list of items.
    if (className == u"TDropDownWindow")
        return new TAccessibleControl(widget, QAccessible::Window);
    if (className == u"TControl")
        return new TAccessibleControl(widget, QAccessible::Pane);
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    QAccessible::installFactory(&CreateInterface);
}
