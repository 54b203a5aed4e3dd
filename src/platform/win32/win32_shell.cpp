#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <utility>

#include "platform/trace.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

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

// An optional text as UTF-16; absent stays absent (a null pointer for the shell).
std::optional<std::wstring> Wide(const std::optional<std::string>& s) {
    return s ? std::optional<std::wstring>(Utf8ToWide(*s)) : std::nullopt;
}
const wchar_t* OrNull(const std::optional<std::wstring>& s) noexcept { return s ? s->c_str() : nullptr; }

// The text as UTF-16; empty when it does not fit in MAX_PATH.
std::wstring WidePath(const std::string& text) {
    std::wstring wide = Utf8ToWide(text);
    return wide.size() < MAX_PATH ? wide : std::wstring();
}

// path with the extension of its file name (from its last ".") replaced by extension.
std::wstring WithExtension(const std::wstring& path, const wchar_t* extension) {
    const auto slash = path.find_last_of(L"\\/");
    const auto dot = path.rfind(L'.');
    const bool has_dot = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
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
    const auto operation = Wide(request.operation), parameters = Wide(request.parameters),
               directory = Wide(request.directory);
    ShellExecuteW(nullptr, OrNull(operation), Utf8ToWide(request.file).c_str(), OrNull(parameters), OrNull(directory),
                  request.show);
}

void Win32Shell::RunAsAdministrator(const ShellRequest& request) {
    Trace("Shell.Execute(operation:runas; file:" + request.file + "; parameters:" + request.parameters.value_or("") +
              ")",
          0);
    const std::wstring file = Utf8ToWide(request.file);
    const auto parameters = Wide(request.parameters), directory = Wide(request.directory);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The shell's own error boxes are off: a declined elevation prompt is the user's answer, not an error.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.lpParameters = OrNull(parameters);
    info.lpDirectory = OrNull(directory);
    info.nShow = request.show;
    if (ShellExecuteExW(&info)) return;
    const DWORD error = GetLastError();
    if (error == ERROR_CANCELLED) {
        Trace("Shell.Execute: the elevation was declined", 0);
        return;
    }
    // Any other failure is told as the shell would have told it.
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const std::wstring message = file + L"\n\n" + (text ? text : L"The program could not be started.");
    if (text) LocalFree(text);
    MessageBoxW(nullptr, message.c_str(), L"Vantrix", MB_OK | MB_ICONERROR);
}

void Win32Shell::WinExec(const std::string& command_line, int show) {
    // What WinExec did, through the wide function: the first word of the line names the program.
    std::wstring line = Utf8ToWide(command_line);
    if (line.empty()) return;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::string NormaliseShellPath(const std::string& text) {
    const std::wstring wide = WidePath(text);
    if (wide.empty()) return text;
    EnsureComInitialised();
    ItemIdList pidl;
    if (FAILED(SHParseDisplayName(wide.c_str(), nullptr, pidl.put(), 0, nullptr)) || !pidl.get()) return text;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(pidl.get(), path) || path[0] == L'\0') return text;
    return WideToUtf8(path);
}

std::string Win32Shell::DefaultBrowserPath() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, folder);
    if (n == 0 || n > MAX_PATH) return {};
    wchar_t temp_name[MAX_PATH] = {};
    if (GetTempFileNameW(folder, L"TMP", 0, temp_name) == 0) return {};  // creates temp_name empty

    const std::wstring page = WithExtension(temp_name, L".htm");
    std::string browser;
    const HANDLE file = CreateFileW(page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        EnsureComInitialised();
        wchar_t exe[MAX_PATH] = {};
        const auto found = reinterpret_cast<INT_PTR>(FindExecutableW(page.c_str(), nullptr, exe));
        if (found > 32 && exe[0] != L'\0') browser = NormaliseShellPath(WideToUtf8(exe));
        DeleteFileW(page.c_str());
    }
    DeleteFileW(temp_name);
    return browser;
}

std::string Win32Shell::ResolveLink(const std::string& path) {
    const std::wstring wide = WidePath(path);
    if (wide.empty()) return {};
    EnsureComInitialised();
    // One shell-link object serves every link of this thread: a scan reads thousands. A
    // failed load returns at once, so no earlier link's target is ever reported.
    thread_local ComRef<IShellLinkW> link;
    thread_local ComRef<IPersistFile> file;
    if (!file) {
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(link.put()))))
            return {};
        if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put())))) return {};
    }
    if (FAILED(file->Load(wide.c_str(), STGM_READ))) return {};
    wchar_t target[MAX_PATH] = {};
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) return {};
    // No file name holds a "?": the link kept its path only in an ANSI form (Wine's do). Its
    // item list names the target whole.
    if (std::wstring_view(target).find(L'?') != std::wstring_view::npos) {
        ItemIdList pidl;
        wchar_t whole[MAX_PATH] = {};
        if (SUCCEEDED(link->GetIDList(pidl.put())) && pidl.get() && SHGetPathFromIDListW(pidl.get(), whole) &&
            whole[0] != L'\0')
            return WideToUtf8(whole);
    }
    return WideToUtf8(target);
}

}  // namespace vtx::win32
