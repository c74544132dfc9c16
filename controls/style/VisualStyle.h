#pragma once
// The visual styles of the application and the style interface through which
// a control accepts one.
#include "controls/core/Events.h"

#include <QObject>
#include <cstdint>

class TComponent;

namespace VisualStyleIF {
Q_NAMESPACE

// The ordinals matter: tsCustom stands at 8, between tsWhidbey and
// tsOffice2007Silver, and means "keep the colours you have".
enum TVisualStyle : std::uint8_t {
    tsOffice2003Blue = 0,
    tsOffice2003Silver = 1,
    tsOffice2003Olive = 2,
    tsOffice2003Classic = 3,
    tsOffice2007Luna = 4,
    tsOffice2007Obsidian = 5,
    tsWindowsXP = 6,
    tsWhidbey = 7,
    tsCustom = 8,
    tsOffice2007Silver = 9,
    tsWindowsVista = 10,
    tsWindows7 = 11,
    tsTerminal = 12,
};
Q_ENUM_NS(TVisualStyle)

} // namespace VisualStyleIF

using VisualStyleIF::TVisualStyle;
using enum VisualStyleIF::TVisualStyle;

// Implemented by every component that takes its colours from a style. The
// stylers find it with a type test (dynamic_cast) and never pass tsCustom.
class IStyledComponent {
public:
    virtual ~IStyledComponent() = default;
    virtual void ApplyComponentStyle(TVisualStyle style) = 0;
};

// Asked by a form styler before it styles each component: Sender is the form
// styler, AComponent the component about to be styled; clearing Allow skips
// that component.
using TApplyStyleEvent = TEvent<void(QObject* Sender, TComponent* AComponent, bool& Allow)>;
