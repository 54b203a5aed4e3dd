#pragma once
// Saves shell links (".lnk") for the tests through the shell-link object, as installers do.

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "platform/win32/wide.h"
#include "platform/win32/win32_shell.h"

namespace vtx::win32::test {

// Saves a shell link to target at link_path; false when the shell refuses.
inline bool MakeLink(const std::string& link_path, const std::string& target) {
    EnsureComInitialised();
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return false;
    bool saved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->SetPath(Utf8ToWide(target).c_str())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(Utf8ToWide(link_path).c_str(), TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

}  // namespace vtx::win32::test
