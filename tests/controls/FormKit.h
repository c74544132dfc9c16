#pragma once
// A control of a test form in one line: owned by the form, shown on it, at
// the given bounds.
#include "controls/core/Form.h"

template <class T>
T* Place(TForm& form, int left, int top, int width, int height)
{
    auto* control = new T(&form, &form);
    control->SetBounds(left, top, width, height);
    return control;
}
