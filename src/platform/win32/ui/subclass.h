#pragma once
// Controls that need their own keys or mouse: a handler sees each message first and
// returns a result to consume it, or nothing to let the control handle it.

#include "platform/win32/windows_api.h"

#include <functional>
#include <optional>

namespace vtx::ui {

using SubclassHandler = std::function<std::optional<LRESULT>(UINT msg, WPARAM wp, LPARAM lp)>;

// The handler lives as long as the control; exceptions it throws are dropped.
void Subclass(HWND control, SubclassHandler handler);

}  // namespace vtx::ui
