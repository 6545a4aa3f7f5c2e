// A small retained forms runtime in the classic form-designer style.
//
// A Form owns its controls; geometry is in twips; controls raise the classic
// events (Click, DblClick, MouseDown/Move/Up, Change, KeyPress, Timer). The
// model is portable: a backend (win32 or sim) realises each loaded form through
// a FormPeer, which is told about every property change, and feeds user input
// back through the Form's input entry points.
#pragma once

#include "forms/backend.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/runtime.h"
