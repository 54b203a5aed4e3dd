#pragma once
// The file types the editors' "Browse..." and "from File..." offer, shared by the manager and
// the wizard. Each name and pattern ends with '\0', as the open dialog reads them.

#include <string_view>

namespace vtx {

using namespace std::string_view_literals;

inline constexpr std::string_view kProgramFileFilter = "Program File (.exe)\0*.exe\0"sv;
inline constexpr std::string_view kAnyFileFilters =
    "All Files\0*.*\0"
    "Image Files\0*.bmp;*.jpg;*.jpeg;*.png;*.gif;*.tga;*.tif;*.raw;*.ico;*.jp2;*.jpm;*.ecw;*.emf;*.wmf;*.fsh;*.ldf;"
    "*.lwf;*.pcx;*.pbm;*.pgm;*.ppm\0"
    "Documents\0*.doc;*.xls;*.ppt;*.rtf;*.txt;*.pdf\0"
    "Sound Files\0*.wav;*.ogg;*.mp3\0"
    "Video Files\0*.avi;*.mov;*.mpg;*.mpeg;*.divx\0"sv;
inline constexpr std::string_view kBitmapFilter = "Bitmap (*.bmp)\0*.bmp\0"sv;

}  // namespace vtx
