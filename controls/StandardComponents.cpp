// The one list of the program's component classes. It sits above every
// control family and hands itself to the form reader's class registry while
// the program starts; the registry runs it on first use. A new class is one
// include and one RegisterComponentClass line here. The classes'
// screen-reader interfaces are put in at the same start, so that every
// control of every program that has the controls (with or without a form)
// answers a screen reader through its own interface.
#include "controls/accessibility/AccessibleInterfaces.h"
#include "controls/core/ComponentRegistry.h"

// --- framework: stylers, forms
#include "controls/style/AppStyler.h"
#include "controls/style/FormStyler.h"
#include "controls/core/Frame.h"
// --- glow button
#include "controls/glowbutton/GlowButton.h"
// --- panel, panel styler
#include "controls/panel/PanelStyler.h"
#include "controls/panel/StyledPanel.h"
// --- smooth label, plain label
#include "controls/smoothlabel/SmoothLabel.h"
// --- check box
#include "controls/checkbox/OfficeCheckBox.h"
// --- selector, edit box
#include "controls/selector/OfficeSelector.h"
#include "controls/plain/StyledEdit.h"
// --- string grids
#include "controls/grid/StringGrid.h"
#include "controls/grid/StyledStringGrid.h"
// --- plain label and panel
#include "controls/plain/Label.h"
#include "controls/plain/Panel.h"

namespace {

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

// Always linked (controls/CMakeLists.txt), so this runs in every program
// that has the controls.
const bool g_handedIn = (SetStandardComponents(&RegisterStandardComponents), InstallAccessibleInterfaces(), true);

} // namespace
