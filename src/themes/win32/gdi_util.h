#pragma once
// Small GDI helpers for the windows: fonts from a theme's font description, bitmaps
// from .bmp bytes or files, solid fills, transparent labels and flicker-free painting.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/window_text.h"
#include "themes/builtin_images.h"
#include "themes/theme_apply.h"

namespace vtx::win32 {

// Sizes are in points, as the theme gives them, drawn at the window's DPI.
[[nodiscard]] UniqueFont MakeFont(const FontSpec& font, unsigned dpi = 96);

[[nodiscard]] UniqueBitmap BitmapFromFile(std::string_view bmp_file_bytes);
[[nodiscard]] UniqueBitmap BitmapFromPath(const std::string& path);

// A bitmap loaded when it is first drawn. A window is given its built-in image, then its theme's
// file, and draws neither before it is shown: each load costs about a millisecond under Wine.
// What is drawn is what loading them in the order given would have left: the last file given
// that loads, else the image before it.
class LazyBitmap {
public:
    void SetBuiltin(BuiltinImage image);
    void SetFile(const std::string& path);  // an empty path changes nothing
    [[nodiscard]] HBITMAP get();

private:
    UniqueBitmap bitmap_;
    std::optional<BuiltinImage> builtin_;  // given and not yet loaded
    std::vector<std::string> files_;       // given since, not yet loaded, oldest first
};

void FillSolid(HDC dc, const RECT& r, COLORREF colour);
void FillRoundRect(HDC dc, int left, int top, int width, int height, COLORREF colour);
// A bitmap of 96-DPI pixels, stretched to the window's DPI.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, unsigned dpi = 96);
// Text drawn transparently inside its rectangle, on one line, aligned as asked.
void DrawLabel(HDC dc, std::string_view text, HFONT font, COLORREF colour, Align align, const RECT& r);

enum class Border { None, Single, Bevel };
void SetBorder(HWND control, Border border);

// Paints into a memory bitmap and copies it to the target when the scope ends.
class BufferedDC {
public:
    BufferedDC(HDC target, const RECT& area) noexcept;
    BufferedDC(const BufferedDC&) = delete;
    BufferedDC& operator=(const BufferedDC&) = delete;
    ~BufferedDC();
    [[nodiscard]] HDC get() const noexcept { return mem_ ? mem_ : target_; }

private:
    HDC target_;
    RECT area_;
    HDC mem_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace vtx::win32
