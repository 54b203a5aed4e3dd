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

}  // namespace vtx
