#include "controls/SelectionAppearance.h"
