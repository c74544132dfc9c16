#include "controls/core/Frame.h"

TFrame::TFrame(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
{
    SetTabStop(false);
}
