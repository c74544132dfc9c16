#include "controls/selector/SelectionAppearance.h"
