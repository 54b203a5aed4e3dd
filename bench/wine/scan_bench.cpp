// The installed-programs scan over a generated Start menu, under Wine (not run by CI):
//   vtx_scan_bench make FOLDER N   writes N shell links (every 10th an uninstaller, every 7th
//                                  to a document) in FOLDER, 50 links to a subfolder
//   vtx_scan_bench scan FOLDER     scans FOLDER as the user's Start menu three times and prints
//                                  the milliseconds of each scan, the programs found and the
//                                  longest gap between two message pumps
#include "platform/win32/win32_platform.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editors/installed_programs.h"
#include "platform/win32/win32_hotkeys.h"
#include "window_tools.h"

namespace {

using vtx::tools::Seconds;

bool SaveLink(IShellLinkA* link, IPersistFile* file, const std::string& path, const std::string& target) {
    if (FAILED(link->SetPath(target.c_str()))) return false;
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    return SUCCEEDED(file->Save(wide, TRUE));
}

int Make(const std::string& folder, int n) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        return 1;
    CreateDirectoryA(folder.c_str(), nullptr);
    int made = 0;
    for (int i = 0; i < n; ++i) {
        const std::string sub = folder + "\\Vendor " + std::to_string(i / 50);
        if (i % 50 == 0) CreateDirectoryA(sub.c_str(), nullptr);
        const std::string name = "Program " + std::to_string(i);
        std::string target = "C:\\Apps\\" + name + "\\prog" + std::to_string(i) + ".exe";
        if (i % 10 == 9) target = "C:\\Apps\\" + name + "\\unins000.exe";
        else if (i % 7 == 6) target = "C:\\Apps\\" + name + "\\manual.pdf";
        if (SaveLink(link, file, sub + "\\" + name + ".lnk", target)) ++made;
    }
    file->Release();
    link->Release();
    std::printf("%d links\n", made);
    return made == n ? 0 : 1;
}

// The real system, with the user's Start menu moved and the shared one left out.
class BenchMenus : public vtx::win32::Win32System {
public:
    std::string user;
    std::string SpecialFolder(int csidl) override { return csidl == vtx::kStartMenuFolder ? user : ""; }
};

int Scan(const std::string& folder) {
    vtx::win32::Win32Platform w;
    BenchMenus menus;
    menus.user = folder;
    vtx::win32::Win32Keys keys;
    vtx::Platform p{w.files, w.shell, w.registry, w.clipboard, w.prompts, w.text, keys, menus};
    for (int round = 0; round < 3; ++round) {
        vtx::InstalledPrograms programs;
        double last = Seconds(), longest = 0;
        const double t0 = last;
        int pumps = 0;
        vtx::ScanInstalledPrograms(p, programs, [&] {
            MSG msg{};
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            const double t = Seconds();
            longest = std::max(longest, t - last);
            last = t;
            ++pumps;
        });
        const double total = Seconds() - t0;
        std::printf("scan %d: %.0f ms, %zu links, %zu programs, %d pumps, longest gap %.1f ms\n", round + 1,
                    total * 1000, programs.found.size(), programs.names.size(), pumps,
                    std::max(longest, Seconds() - last) * 1000);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string cmd = argv[1];
    if (cmd == "make" && argc > 3) return Make(argv[2], std::atoi(argv[3]));
    if (cmd == "scan") return Scan(argv[2]);
    return 2;
}
