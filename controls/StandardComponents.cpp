// The one list of the program's component classes, read by the form reader's
// registry on first use. Each helper adds its classes in its own section:
// include the header above, add one RegisterComponentClass line below (see
// controls/ComponentRegistry.h). Keep the sections; add new ones at the end.
#include "controls/ComponentRegistry.h"

// --- framework: stylers, forms
#include "controls/AppStyler.h"
#include "controls/FormStyler.h"
#include "controls/Frame.h"
// --- glow button
#include "controls/GlowButton.h"
// --- panel, panel styler
#include "controls/PanelStyler.h"
#include "controls/StyledPanel.h"
// --- smooth label, plain label
#include "controls/SmoothLabel.h"
// --- check box
#include "controls/OfficeCheckBox.h"
// --- selector, edit box
#include "controls/OfficeSelector.h"
#include "controls/StyledEdit.h"
// --- string grids
#include "controls/StringGrid.h"
#include "controls/StyledStringGrid.h"
// --- plain label and panel
#include "controls/Label.h"
#include "controls/Panel.h"

void RegisterStandardComponents()
{
    // --- framework: stylers, forms
    RegisterComponentClass<TAppStyler>(u"TAppStyler");
    RegisterComponentClass<TFormStyler>(u"TFormStyler");
    RegisterComponentClass<TFrame>(u"TFrame");

    // --- glow button
    RegisterComponentClass<TGlowButton>(u"TGlowButton");

    // --- panel, panel styler
    RegisterComponentClass<TStyledPanel>(u"TStyledPanel");
    RegisterComponentClass<TPanelStyler>(u"TPanelStyler");

    // --- smooth label, plain label
    RegisterComponentClass<TSmoothLabel>(u"TSmoothLabel");

    // --- check box
    RegisterComponentClass<TOfficeCheckBox>(u"TOfficeCheckBox");

    // --- selector, edit box
    RegisterComponentClass<TOfficeSelector>(u"TOfficeSelector");
    RegisterComponentClass<TStyledEdit>(u"TStyledEdit");

    // --- string grids
    RegisterComponentClass<TStringGrid>(u"TStringGrid");
    RegisterComponentClass<TStyledStringGrid>(u"TStyledStringGrid");

    // --- plain label and panel
    RegisterComponentClass<TLabel>(u"TLabel");
    RegisterComponentClass<TPanel>(u"TPanel");
}
