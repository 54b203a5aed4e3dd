#include "app/folders.h"

namespace vtx {

Folders ResolveFolders(System& system) {
    Folders f;
    f.program = system.ProgramFolder();
    if (!f.program.empty() && f.program.back() != '\\') f.program += '\\';
    std::string appdata = system.SpecialFolder(26);  // CSIDL_APPDATA
    if (appdata.empty()) appdata = f.program.empty() ? std::string() : f.program.substr(0, f.program.size() - 1);
    f.appdata = appdata + "\\";
    f.data = appdata + "\\Orvane\\VTX\\";
    return f;
}

void CreateDataFolder(Files& files, const Folders& folders) {
    files.CreateFolder(folders.appdata + "Orvane");
    files.CreateFolder(folders.data.substr(0, folders.data.size() - 1));
}

}  // namespace vtx
