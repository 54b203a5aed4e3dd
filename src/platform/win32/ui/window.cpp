#include "platform/win32/ui/window.h"

#include "platform/win32/wide.h"

namespace vtx::ui {

Window::~Window() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Window::RegisterFormClass(HINSTANCE instance, const char* class_name, UINT style, HICON icon, HBRUSH background) {
    const std::wstring name = win32::Utf8ToWide(class_name);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name.c_str(), &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    wc.hbrBackground = background;
    wc.lpszClassName = name.c_str();
    // A wide class: typed text of any keyboard layout reaches the form whole.
    return RegisterClassExW(&wc) != 0;
}

bool Window::CreateForm(HINSTANCE instance, const char* class_name, const char* caption, DWORD style, DWORD ex_style,
                        RECT r, HWND owner) {
    CreateWindowExW(ex_style, win32::Utf8ToWide(class_name).c_str(), win32::Utf8ToWide(caption).c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top, owner,
                    nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT Window::Handle(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = w;
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (!self) return DefWindowProcW(w, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(w, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(w, msg, wp, lp);
    }
    try {
        return self->Handle(msg, wp, lp);
    } catch (...) {
        // Nothing may leave a window procedure; the event is dropped.
        return DefWindowProcW(w, msg, wp, lp);
    }
}

}  // namespace vtx::ui
