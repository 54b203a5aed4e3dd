// Writes the default theme's files into a folder, through the program's own start-up check, so the
// packages ship exactly what vantrix.exe puts in place at its first start:
//   vtx_default_theme OUT   writes OUT/themes/Default Theme.th2, OUT/themes/<bitmap>.bmp and
//                           OUT/themes/Default Theme/<bitmap>.bmp
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "themes/theme_file.h"

namespace {

constexpr char kProgram[] = "P:\\";  // the Program folder, in memory

// Just what the theme check asks of the files.
class MemoryFiles : public vtx::Files {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;

    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }
    vtx::FileRead ReadFile(const std::string& path) override {
        vtx::FileRead r;
        if (auto it = files.find(path); it != files.end()) r = {vtx::ReadStatus::Ok, it->second};
        return r;
    }
    bool WriteFileAtomic(const std::string& path, std::string_view bytes) override {
        files[path] = std::string(bytes);
        return true;
    }
    bool CreateFolder(const std::string& path) override {
        folders.insert(path);
        return true;
    }
    bool DeleteFile(const std::string& path) override { return files.erase(path) != 0; }
    bool CopyFile(const std::string&, const std::string&) override { return false; }
    std::vector<vtx::FolderEntry> ListFolder(const std::string&) override { return {}; }
    // The shipped themes are plain ASCII.
    std::string AnsiToUtf8(std::string_view bytes) override { return std::string(bytes); }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    MemoryFiles files;
    const std::string program = kProgram;
    // Start-up steps 5 and 6 (MainRules::FormCreate): the two folders, then the check.
    files.CreateFolder(program + "themes");
    files.CreateFolder(program + "themes\\Default Theme");
    if (!vtx::CheckDefaultThemeFiles(files, program)) return 1;

    for (const auto& [path, bytes] : files.files) {
        std::string relative = path.substr(program.size());
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const std::filesystem::path out = std::filesystem::path(argv[1]) / relative;
        std::filesystem::create_directories(out.parent_path());
        std::ofstream file(out, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", out.c_str());
            return 1;
        }
    }
    return 0;
}
