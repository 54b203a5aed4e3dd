#pragma once
// RAII owners for Win32 handles. Move-only: copying an owner does not compile.

#include <windows.h>

#include <utility>

namespace vtx::win32 {

template <typename T, typename Deleter, T Invalid = T{}>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(T h) noexcept : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Invalid));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    [[nodiscard]] T get() const noexcept { return h_; }
    [[nodiscard]] explicit operator bool() const noexcept { return h_ != Invalid; }
    T release() noexcept { return std::exchange(h_, Invalid); }
    void reset(T h = Invalid) noexcept {
        if (h_ != Invalid) Deleter{}(h_);
        h_ = h;
    }

private:
    T h_ = Invalid;
};

struct CloseHandleDeleter { void operator()(HANDLE h) const noexcept { CloseHandle(h); } };
struct RegKeyDeleter { void operator()(HKEY h) const noexcept { RegCloseKey(h); } };
struct GdiDeleter { void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); } };
struct IconDeleter { void operator()(HICON h) const noexcept { DestroyIcon(h); } };
struct MenuDeleter { void operator()(HMENU h) const noexcept { DestroyMenu(h); } };
struct ViewDeleter { void operator()(void* p) const noexcept { UnmapViewOfFile(p); } };
struct RegionDeleter { void operator()(HRGN h) const noexcept { DeleteObject(h); } };
struct WindowDeleter { void operator()(HWND h) const noexcept { if (IsWindow(h)) DestroyWindow(h); } };

using UniqueHandleH = UniqueHandle<HANDLE, CloseHandleDeleter>;  // null means none
inline HANDLE const kInvalidFile = INVALID_HANDLE_VALUE;
struct FileDeleter { void operator()(HANDLE h) const noexcept { if (h != INVALID_HANDLE_VALUE) CloseHandle(h); } };
class UniqueFile : public UniqueHandle<HANDLE, FileDeleter> {
public:
    using UniqueHandle::UniqueHandle;
    [[nodiscard]] bool valid() const noexcept { return get() != nullptr && get() != INVALID_HANDLE_VALUE; }
};
using UniqueKey = UniqueHandle<HKEY, RegKeyDeleter>;
using UniqueFont = UniqueHandle<HFONT, GdiDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiDeleter>;
using UniqueRegion = UniqueHandle<HRGN, RegionDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;
using UniqueView = UniqueHandle<void*, ViewDeleter>;
using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;

// GetDC / ReleaseDC for the lifetime of a scope.
class ScopedDC {
public:
    explicit ScopedDC(HWND w) noexcept : w_(w), dc_(GetDC(w)) {}
    ScopedDC(const ScopedDC&) = delete;
    ScopedDC& operator=(const ScopedDC&) = delete;
    ~ScopedDC() { if (dc_) ReleaseDC(w_, dc_); }
    [[nodiscard]] HDC get() const noexcept { return dc_; }
private:
    HWND w_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
public:
    explicit ScopedPaint(HWND w) noexcept : w_(w) { dc_ = BeginPaint(w, &ps_); }
    ScopedPaint(const ScopedPaint&) = delete;
    ScopedPaint& operator=(const ScopedPaint&) = delete;
    ~ScopedPaint() { EndPaint(w_, &ps_); }
    [[nodiscard]] HDC get() const noexcept { return dc_; }
    [[nodiscard]] const PAINTSTRUCT& ps() const noexcept { return ps_; }
private:
    HWND w_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject, restored when the scope ends.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(SelectObject(dc, obj)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, old_); }
private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace vtx::win32
