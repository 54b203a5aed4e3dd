#pragma once
// A window's place in the top-most band, switched without moving, sizing or activating it.

#include <windows.h>

namespace vtx::ui {

void SetTopMost(HWND window, bool on);

}  // namespace vtx::ui
