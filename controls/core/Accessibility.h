#pragma once
// What assistive technology (a screen reader on the desktop's accessibility
// bus) is told about the controls. The accessible interfaces themselves live
// in controls/accessibility; the controls only announce their changes here.
//
// A control is presented when the user can see it: it and every parent up
// to its window are shown, and each lies at least partly inside its parent.
// The window keeps its data (the word store, the answers) in controls placed
// left of its edge and hides its overlays the same way: such controls are
// not presented, are left out of the accessible tree and announce nothing,
// so a screen reader can never read what the screen does not show.
//
// The window announces nothing before it is first shown.
#include <QAccessible>
#include <QVariant>

class QObject;
class QWidget;

namespace accessibility {

bool IsPresented(const QWidget* widget);
// Whether the control's own place lies at least partly inside its parent
// (a window always does); its parents are not looked at.
bool IsPlacedInside(const QWidget* widget);

// The name (caption, text) of a presented control changed.
void AnnounceNameChange(QObject* control);
// Its value (the text of a field) changed to value.
void AnnounceValueChange(QObject* control, const QVariant& value);
// The states of `changed` (checked, pressed, ...) changed.
void AnnounceStateChange(QObject* control, QAccessible::State changed);
// The name of one of its accessible children (a grid's cell) changed.
void AnnounceChildNameChange(QObject* control, int child);
// The keyboard focus moved onto one of its accessible children.
void AnnounceChildFocus(QObject* control, int child);
// A table's cells were reset (rows or columns came or went).
void AnnounceTableReset(QObject* control);
// The control came into view (moved inside its parent) or left it.
void AnnouncePlacement(QWidget* control, bool shown);

// Every announcement also goes to the tap, if one is set (tests listen
// here: on a platform without an accessibility bridge Qt delivers nothing).
using TAnnouncementTap = void (*)(QAccessibleEvent* event);
void SetAnnouncementTap(TAnnouncementTap tap);

} // namespace accessibility
