#include "themes/win32/gdi_util.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/wide.h"

namespace vtx::win32 {

UniqueFont MakeFont(const FontSpec& font, unsigned dpi) {
    // Theme files may hold any size; the system only draws sensible ones.
    const int points = std::clamp(font.size, 1, 500);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    // A face name in any script; one longer than the field is cut between characters.
    std::wstring face = Utf8ToWide(font.name);
    if (face.size() >= LF_FACESIZE) {
        face.resize(LF_FACESIZE - 1);
        if (IS_HIGH_SURROGATE(face.back())) face.pop_back();
    }
    face.copy(lf.lfFaceName, face.size());
    return UniqueFont(CreateFontIndirectW(&lf));
}

UniqueBitmap BitmapFromFile(std::string_view bytes) {
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return {};
    BITMAPFILEHEADER fh{};
    std::memcpy(&fh, bytes.data(), sizeof fh);
    if (fh.bfType != 0x4D42 || fh.bfOffBits >= bytes.size()) return {};
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof fh);
    const void* bits = bytes.data() + fh.bfOffBits;
    ScopedDC screen(nullptr);
    return UniqueBitmap(CreateDIBitmap(screen.get(), &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS));
}

UniqueBitmap BitmapFromPath(const std::string& path) {
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
}

void LazyBitmap::SetBuiltin(BuiltinImage image) {
    builtin_ = image;
    files_.clear();
}

void LazyBitmap::SetFile(const std::string& path) {
    if (!path.empty()) files_.push_back(path);
}

HBITMAP LazyBitmap::get() {
    if (!builtin_ && files_.empty()) return bitmap_.get();
    // The newest file that loads wins; the older ones would only have been replaced.
    UniqueBitmap loaded;
    for (auto it = files_.rbegin(); it != files_.rend() && !loaded; ++it) loaded = BitmapFromPath(*it);
    if (!loaded && builtin_) loaded = BitmapFromFile(BuiltinBitmapFile(*builtin_));
    if (loaded) bitmap_ = std::move(loaded);
    builtin_.reset();
    files_.clear();
    return bitmap_.get();
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FillRoundRect(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    ScopedSelect b(dc, brush.get());
    ScopedSelect p(dc, GetStockObject(NULL_PEN));
    const int corner = std::min(width, height) / 4;
    RoundRect(dc, left, top, left + width + 1, top + height + 1, corner, corner);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, unsigned dpi) {
    if (!bitmap) return;
    BITMAP bm{};
    if (!GetObjectW(bitmap, sizeof bm, &bm)) return;
    HDC mem = CreateCompatibleDC(dc);
    {
        ScopedSelect s(mem, bitmap);
        if (dpi == 96) {
            BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
        } else {
            const int w = MulDiv(bm.bmWidth, static_cast<int>(dpi), 96);
            const int h = MulDiv(bm.bmHeight, static_cast<int>(dpi), 96);
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, x, y, w, h, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        }
    }
    DeleteDC(mem);
}

void DrawLabel(HDC dc, std::string_view text, HFONT font, COLORREF colour, Align align, const RECT& r) {
    if (text.empty()) return;
    ScopedSelect f(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_TOP;
    flags |= align == Align::Center ? DT_CENTER : align == Align::Right ? DT_RIGHT : DT_LEFT;
    RECT rect = r;
    const std::wstring wide = Utf8ToWide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, flags);
}

void SetBorder(HWND control, Border border) {
    const LONG was_style = GetWindowLongW(control, GWL_STYLE);
    const LONG was_ex = GetWindowLongW(control, GWL_EXSTYLE);
    LONG style = was_style & ~WS_BORDER;
    LONG ex = was_ex & ~WS_EX_CLIENTEDGE;
    if (border == Border::Single) style |= WS_BORDER;
    if (border == Border::Bevel) ex |= WS_EX_CLIENTEDGE;
    // A frame change costs a few milliseconds under Wine; each theme load asks again.
    if (style == was_style && ex == was_ex) return;
    SetWindowLongW(control, GWL_STYLE, style);
    SetWindowLongW(control, GWL_EXSTYLE, ex);
    SetWindowPos(control, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BufferedDC::BufferedDC(HDC target, const RECT& area) noexcept : target_(target), area_(area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    mem_ = CreateCompatibleDC(target);
    bitmap_ = CreateCompatibleBitmap(target, w, h);
    if (!mem_ || !bitmap_) {
        if (mem_) DeleteDC(mem_);
        if (bitmap_) DeleteObject(bitmap_);
        mem_ = nullptr;
        bitmap_ = nullptr;
        return;
    }
    old_ = SelectObject(mem_, bitmap_);
    SetWindowOrgEx(mem_, area.left, area.top, nullptr);
}

BufferedDC::~BufferedDC() {
    if (!mem_) return;
    SetWindowOrgEx(mem_, 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, mem_, 0, 0, SRCCOPY);
    SelectObject(mem_, old_);
    DeleteObject(bitmap_);
    DeleteDC(mem_);
}

}  // namespace vtx::win32
