#pragma once
// The window base of every form: one window procedure for all of them, which stores the
// object at WM_NCCREATE, clears it at WM_NCDESTROY and forwards everything in between to
// Handle. Nothing thrown by a handler leaves the procedure.

#include "platform/win32/windows_api.h"

namespace vtx::ui {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    [[nodiscard]] HWND hwnd() const noexcept { return hwnd_; }

    // Registers a form's window class (once per process) on this kit's procedure; names and
    // captions are UTF-8, the windows Unicode ones.
    static bool RegisterFormClass(HINSTANCE instance, const char* class_name, UINT style = CS_DBLCLKS,
                                  HICON icon = nullptr, HBRUSH background = nullptr);

protected:
    // Creates the window; its messages reach Handle from WM_NCCREATE on.
    bool CreateForm(HINSTANCE instance, const char* class_name, const char* caption, DWORD style, DWORD ex_style,
                    RECT screen_rect, HWND owner);
    virtual LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    [[nodiscard]] LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) const { return DefWindowProcW(hwnd_, msg, wp, lp); }

private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    HWND hwnd_ = nullptr;
};

}  // namespace vtx::ui
