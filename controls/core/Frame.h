#pragma once
// A frame: a control that owns the components placed in it (in the form
// file, the objects nested in a frame's block are owned by the frame, not by
// the form). A form styler does not descend into the frames of its form; a
// frame styled through ApplyStyleToFrame passes the style on to its own
// frames, depth first.
#include "controls/core/Control.h"

class TFrame : public TCustomControl {
    Q_OBJECT
public:
    explicit TFrame(TComponent* owner = nullptr, QWidget* parent = nullptr);
};
