// What a surface (a form, a Frame or a Host) shows of its own: its background,
// a frame's group-box border and caption, and its graphical controls (labels,
// images, shapes, lines) in z-order, later ones on top. Windowed controls
// paint themselves above all of it.
#pragma once

#include <windows.h>

#include "forms/forms.h"
#include "forms/win32/win32_resources.h"

namespace lumo::win32 {

// `surface` is the Frame or Host, or null for the form's own client area.
// `focused`, when it is this surface or one of its graphical controls, gets
// the system's focus rectangle.
void paintSurface(HDC dc, const RECT& client, const forms::Form& form, const forms::Control* surface,
                  const forms::Control* focused, Resources& resources);

}  // namespace lumo::win32
