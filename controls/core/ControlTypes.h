#pragma once
// The enumerations that several controls publish, declared once. They live
// in one namespace so that the form reader finds their value names
// ("bsSingle", "aaClearType", "bvRaised") through Qt's meta-object system;
// each control takes them into its own scope (TCustomGlowButton::bsNone).
#include <QObject>

namespace ControlTypes {
Q_NAMESPACE

// A frame of one pixel around the control, or none.
enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

// How text is smoothed.
enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };
Q_ENUM_NS(TAntiAlias)

// The cut of a bevel: none, sunk in, raised, or a blank band.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

} // namespace ControlTypes

using ControlTypes::TBevelCut;
using enum ControlTypes::TBevelCut;
