#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <utility>

#include "platform/trace.h"

namespace vtx::win32 {
namespace {

// Owns one reference to a COM interface.
template <typename T>
class ComRef {
public:
    ComRef() noexcept = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() { if (p_) p_->Release(); }
    T** put() noexcept { return &p_; }
    T* operator->() const noexcept { return p_; }
    [[nodiscard]] explicit operator bool() const noexcept { return p_ != nullptr; }
private:
    T* p_ = nullptr;
};

// An item id list from the shell, freed with CoTaskMemFree.
class ItemIdList {
public:
    ItemIdList() noexcept = default;
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;
    ~ItemIdList() { CoTaskMemFree(p_); }
    PIDLIST_ABSOLUTE* put() noexcept { return &p_; }
    [[nodiscard]] PIDLIST_ABSOLUTE get() const noexcept { return p_; }
private:
    PIDLIST_ABSOLUTE p_ = nullptr;
};

const char* OrNull(const std::optional<std::string>& s) noexcept { return s ? s->c_str() : nullptr; }

// ANSI text as UTF-16 through the ANSI code page; empty when it does not fit in MAX_PATH.
std::wstring WidePath(const std::string& text) {
    if (text.empty() || text.size() >= MAX_PATH) return {};
    wchar_t buffer[MAX_PATH] = {};
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, MAX_PATH);
    return n > 0 ? std::wstring(buffer) : std::wstring();
}

// path with the extension of its file name (from its last ".") replaced by extension.
std::string WithExtension(const std::string& path, const char* extension) {
    const auto slash = path.find_last_of("\\/");
    const auto dot = path.rfind('.');
    const bool has_dot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (has_dot ? path.substr(0, dot) : path) + extension;
}

}  // namespace

void EnsureComInitialised() noexcept {
    // S_OK and S_FALSE both take a reference that we keep for the thread's life;
    // RPC_E_CHANGED_MODE means the thread is already in a multi-threaded apartment, which
    // serves the shell-link object as well.
    thread_local const HRESULT done = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    (void)done;
}

void Win32Shell::Execute(const ShellRequest& request) {
    EnsureComInitialised();  // some shell extensions need it
    if (request.operation == "runas") {
        RunAsAdministrator(request);
        return;
    }
    ShellExecuteA(nullptr, OrNull(request.operation), request.file.c_str(), OrNull(request.parameters),
                  OrNull(request.directory), request.show);
}

void Win32Shell::RunAsAdministrator(const ShellRequest& request) {
    Trace("Shell.Execute(operation:runas; file:" + request.file + "; parameters:" + request.parameters.value_or("") +
              ")",
          0);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // The shell's own error boxes are off: a declined elevation prompt is the user's answer, not an error.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "runas";
    info.lpFile = request.file.c_str();
    info.lpParameters = OrNull(request.parameters);
    info.lpDirectory = OrNull(request.directory);
    info.nShow = request.show;
    if (ShellExecuteExA(&info)) return;
    const DWORD error = GetLastError();
    if (error == ERROR_CANCELLED) {
        Trace("Shell.Execute: the elevation was declined", 0);
        return;
    }
    // Any other failure is told as the shell would have told it.
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    const std::string message = request.file + "\n\n" + (text ? text : "The program could not be started.");
    if (text) LocalFree(text);
    MessageBoxA(nullptr, message.c_str(), "Vantrix", MB_OK | MB_ICONERROR);
}

void Win32Shell::WinExec(const std::string& command_line, int show) {
    ::WinExec(command_line.c_str(), static_cast<UINT>(show));
}

std::string NormaliseShellPath(const std::string& text) {
    const std::wstring wide = WidePath(text);
    if (wide.empty()) return text;
    EnsureComInitialised();
    ItemIdList pidl;
    if (FAILED(SHParseDisplayName(wide.c_str(), nullptr, pidl.put(), 0, nullptr)) || !pidl.get()) return text;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(pidl.get(), path) || path[0] == '\0') return text;
    return path;
}

std::string Win32Shell::DefaultBrowserPath() {
    char folder[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathA(sizeof folder, folder);
    if (n == 0 || n > MAX_PATH) return {};
    char temp_name[MAX_PATH] = {};
    if (GetTempFileNameA(folder, "TMP", 0, temp_name) == 0) return {};  // creates temp_name empty

    const std::string page = WithExtension(temp_name, ".htm");
    std::string browser;
    const HANDLE file = CreateFileA(page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        EnsureComInitialised();
        char exe[MAX_PATH] = {};
        const auto found = reinterpret_cast<INT_PTR>(FindExecutableA(page.c_str(), nullptr, exe));
        if (found > 32 && exe[0] != '\0') browser = NormaliseShellPath(exe);
        DeleteFileA(page.c_str());
    }
    DeleteFileA(temp_name);
    return browser;
}

std::string Win32Shell::ResolveLink(const std::string& path) {
    const std::wstring wide = WidePath(path);
    if (wide.empty()) return {};
    EnsureComInitialised();
    // One shell-link object serves every link of this thread: a scan reads thousands. A
    // failed load returns at once, so no earlier link's target is ever reported.
    thread_local ComRef<IShellLinkA> link;
    thread_local ComRef<IPersistFile> file;
    if (!file) {
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(link.put()))))
            return {};
        if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put())))) return {};
    }
    if (FAILED(file->Load(wide.c_str(), STGM_READ))) return {};
    char target[MAX_PATH] = {};
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) return {};
    return target;
}

}  // namespace vtx::win32
