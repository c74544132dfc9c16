#pragma once
// Installs the screen-reader interfaces of the library's controls with
// QAccessible::installFactory (once; later calls change nothing). Qt asks
// the factory for each class of a control from the most derived one up, so
// a control of a class without an interface of its own gets the one of the
// nearest base that has one; every TControl at least gets a pane whose
// children are only its presented controls.
void InstallAccessibleInterfaces();
