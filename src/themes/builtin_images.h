#pragma once
// The five bitmaps of the launcher window's design: on the window until a theme replaces
// them, and written out as the default theme's bitmap files. They are drawn in code and
// encoded as Windows .bmp files (bottom-up, uncompressed).

#include <array>
#include <string>

namespace vtx {

enum class BuiltinImage { Back, Menu, MenuHot, Close, CloseHot };

// In the order the default files are written.
inline constexpr std::array<BuiltinImage, 5> kBuiltinImages{
    BuiltinImage::Back, BuiltinImage::Menu, BuiltinImage::MenuHot, BuiltinImage::Close, BuiltinImage::CloseHot};

// "back1.bmp", "menu1.bmp", "menu2.bmp", "close1.bmp", "close2.bmp".
[[nodiscard]] const char* BuiltinImageFileName(BuiltinImage image) noexcept;

// The whole .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, the palette of a 4-bit image,
// then the rows bottom-up, each padded to a multiple of 4 bytes.
//   Back              300 x 60, 24 bits: the Cool mode background; magenta (FF00FF, the
//                     default theme's see-through colour) outside its rounded corners.
//   Menu, MenuHot     14 x 14, 24 bits: the menu button glyph on the button grey 646464.
//   Close, CloseHot   14 x 14, 4 bits, 16-colour palette: the hide button glyph.
[[nodiscard]] std::string BuiltinBitmapFile(BuiltinImage image);

}  // namespace vtx
