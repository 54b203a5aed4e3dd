#include "platform/win32/ui/window.h"

namespace vtx::ui {

Window::~Window() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Window::RegisterFormClass(HINSTANCE instance, const char* class_name, UINT style, HICON icon, HBRUSH background) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, class_name, &existing)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    wc.hbrBackground = background;
    wc.lpszClassName = class_name;
    return RegisterClassExA(&wc) != 0;
}

bool Window::CreateForm(HINSTANCE instance, const char* class_name, const char* caption, DWORD style, DWORD ex_style,
                        RECT r, HWND owner) {
    CreateWindowExA(ex_style, class_name, caption, style, r.left, r.top, r.right - r.left, r.bottom - r.top, owner,
                    nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT Window::Handle(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = w;
        SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (!self) return DefWindowProcA(w, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(w, msg, wp, lp);
    }
    try {
        return self->Handle(msg, wp, lp);
    } catch (...) {
        // Nothing may leave a window procedure; the event is dropped.
        return DefWindowProcA(w, msg, wp, lp);
    }
}

}  // namespace vtx::ui
