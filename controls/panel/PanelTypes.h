#pragma once
// The enumerations of the styled panel, its caption bar, its status strip
// and its styler. They live in one namespace so that the form reader finds
// their value names ("gdVertical", "psOffice2007Obsidian") through Qt's
// meta-object system. The bevel cut and the border style are the ones all
// controls share (controls/core/ControlTypes.h); the border style stays
// qualified here (PanelTypes::bsSingle), the rest is exported below.
#include "controls/core/ControlTypes.h"

#include <QObject>
#include <cstdint>

namespace PanelTypes {
Q_NAMESPACE

enum TGradientDirection { gdVertical, gdHorizontal };
Q_ENUM_NS(TGradientDirection)

enum TTextVAlignment { tvaTop, tvaCenter, tvaBottom };
Q_ENUM_NS(TTextVAlignment)

// Shared with other controls (controls/core/ControlTypes.h).
using ControlTypes::TBevelCut;
using ControlTypes::TBorderStyle;
using enum ControlTypes::TBorderStyle;

// How the caption bar is filled. Only stNormal (flat or a band gradient) is
// drawn; the shaded kinds are kept for form files and styles and are drawn
// as stNormal.
enum TShadeType {
    stNormal, stNoise, stDiagShade, stHShade, stVShade, stHBump, stVBump, stSoftBump, stHardBump,
    stLMetal, stRMetal, stIRadial, stORadial, stHShadeInv, stVShadeInv, stXPCaption, stBitmap,
    stBitmapRStretch, stBitmapLStretch
};
Q_ENUM_NS(TShadeType)

enum TCaptionShape { csRectangle, csRounded, csSemiRounded };
Q_ENUM_NS(TCaptionShape)

enum TCaptionPosition { cpTop, cpLeft };
Q_ENUM_NS(TCaptionPosition)

enum TCaptionButtonPosition { cbpRight, cbpLeft };
Q_ENUM_NS(TCaptionButtonPosition)

// The styler's style; ordinals 0 to 13 (psCustom stands at 12).
enum TPanelStyle : std::uint8_t {
    psXP, psFlat, psMetal, psClassic, psOffice2003Blue, psOffice2003Olive, psOffice2003Silver,
    psOffice2003Classic, psOffice2007Luna, psOffice2007Obsidian, psWhidbey, psWindowsXP, psCustom,
    psOffice2007Silver
};
Q_ENUM_NS(TPanelStyle)

} // namespace PanelTypes

using PanelTypes::TGradientDirection;
using enum PanelTypes::TGradientDirection;
using PanelTypes::TTextVAlignment;
using enum PanelTypes::TTextVAlignment;
using PanelTypes::TShadeType;
using enum PanelTypes::TShadeType;
using PanelTypes::TCaptionShape;
using enum PanelTypes::TCaptionShape;
using PanelTypes::TCaptionPosition;
using enum PanelTypes::TCaptionPosition;
using PanelTypes::TCaptionButtonPosition;
using enum PanelTypes::TCaptionButtonPosition;
using PanelTypes::TPanelStyle;
using enum PanelTypes::TPanelStyle;
