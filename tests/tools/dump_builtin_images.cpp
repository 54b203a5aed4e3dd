// Writes the built-in bitmaps into a folder so they can be looked at (not part of the build):
//   g++ -std=c++20 -Isrc tests/tools/dump_builtin_images.cpp src/themes/builtin_images.cpp -o /tmp/dump_images
//   /tmp/dump_images /tmp/images && convert /tmp/images/back1.bmp -scale 400% /tmp/images/back1.png
#include <cstdio>
#include <fstream>
#include <string>

#include "themes/builtin_images.h"

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    for (vtx::BuiltinImage image : vtx::kBuiltinImages) {
        const std::string path = folder + "/" + vtx::BuiltinImageFileName(image);
        std::ofstream(path, std::ios::binary) << vtx::BuiltinBitmapFile(image);
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
