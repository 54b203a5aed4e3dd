#include "platform/win32/ui/subclass.h"

#include <commctrl.h>

namespace vtx::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x5654;

LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) noexcept {
    auto* handler = reinterpret_cast<SubclassHandler*>(data);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(w, Proc, kSubclassId);
        delete handler;
        return DefSubclassProc(w, msg, wp, lp);
    }
    try {
        if (auto result = (*handler)(msg, wp, lp)) return *result;
    } catch (...) {
    }
    return DefSubclassProc(w, msg, wp, lp);
}

}  // namespace

void Subclass(HWND control, SubclassHandler handler) {
    auto* owned = new SubclassHandler(std::move(handler));
    if (!SetWindowSubclass(control, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(owned))) delete owned;
}

}  // namespace vtx::ui
