#include "platform/win32/win32_misc.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/windows_version.h"
#include "platform/command_line.h"
#include "platform/win32/ui/message_box.h"
#include "platform/win32/wide.h"

namespace vtx::win32 {
namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 20;

// GlobalLock for a scope.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h) noexcept : h_(h), p_(h ? GlobalLock(h) : nullptr) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    ~GlobalLockGuard() { if (p_) GlobalUnlock(h_); }
    [[nodiscard]] wchar_t* get() const noexcept { return static_cast<wchar_t*>(p_); }
private:
    HGLOBAL h_;
    void* p_;
};

// CloseClipboard for a scope that opened it.
struct ClipboardCloser {
    ClipboardCloser() = default;
    ClipboardCloser(const ClipboardCloser&) = delete;
    ClipboardCloser& operator=(const ClipboardCloser&) = delete;
    ~ClipboardCloser() { CloseClipboard(); }
};

}  // namespace

// ---------------------------------------------------------------- clipboard

Win32Clipboard::~Win32Clipboard() {
    if (own_window_) DestroyWindow(own_window_);
}

bool Win32Clipboard::Open() {
    HWND owner = owner_;
    if (!owner) {
        // Text set while no window owns the clipboard may be dropped; give it an owner.
        if (!own_window_)
            own_window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
        owner = own_window_;
    }
    // Another program may hold the clipboard for a moment.
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner)) return true;
        if (attempt == kOpenAttempts) return false;
        Sleep(kOpenRetryMs);
    }
}

bool Win32Clipboard::SetText(const std::string& text) {
    if (!Open()) return false;
    ClipboardCloser closer;
    if (!EmptyClipboard()) return false;
    const std::wstring wide = Utf8ToWide(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory) return false;
    {
        GlobalLockGuard lock(memory);
        if (!lock.get()) {
            GlobalFree(memory);
            return false;
        }
        std::memcpy(lock.get(), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    }
    if (!SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

std::string Win32Clipboard::GetText() {
    // Windows offers text put there in any format as CF_UNICODETEXT too.
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !Open()) return {};
    ClipboardCloser closer;
    HGLOBAL data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    GlobalLockGuard lock(data);
    if (!lock.get()) return {};
    const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
    return WideToUtf8(std::wstring_view(lock.get(), wcsnlen(lock.get(), limit)));
}

// ---------------------------------------------------------------- prompts

void Win32Prompts::Message(const std::string& text) { (void)ui::ShowMessage(ui::MessageOwner(owner_), text, kTitle, MB_OK); }

bool Win32Prompts::AskYesNo(const std::string& text) { return AskYesNoCaptioned(kTitle, text); }

bool Win32Prompts::AskYesNoCaptioned(const std::string& caption, const std::string& text) {
    return ui::ShowMessage(ui::MessageOwner(owner_), text, caption, MB_YESNO) == IDYES;
}

// ---------------------------------------------------------------- system

std::string ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return WideToUtf8(std::wstring_view(buffer.data(), n));
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);  // the name was cut off
    }
}

std::string Win32System::ProgramFolder() {
    const std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string Win32System::ExecutablePath() { return win32::ExecutablePath(); }

std::string Win32System::SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return WideToUtf8(std::wstring_view(path, n));
}

std::string Win32System::SpecialFolder(int csidl) {
    PIDLIST_ABSOLUTE pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return {};
    wchar_t path[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListW(pidl, path) != 0;
    CoTaskMemFree(pidl);
    if (!ok) return {};
    std::string out = WideToUtf8(path);
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

int Win32System::WindowsVersionCode() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
    return vtx::WindowsVersionCode(static_cast<int>(info.dwPlatformId), info.dwMajorVersion, info.dwMinorVersion,
                                   info.dwBuildNumber, WideToUtf8(info.szCSDVersion));
}

Size Win32System::WorkArea() {
    RECT r{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return {r.right - r.left, r.bottom - r.top};
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// An old start-with-Windows entry named the program without quotes; its "ns" still counts.
std::string Win32System::FirstParameter() { return FirstParameterAfterProgram(WideToUtf8(GetCommandLineW()), ExecutablePath()); }

std::string Win32System::ExpandEnvironment(const std::string& text) {
    if (text.find('%') == std::string::npos) return text;
    const std::wstring wide = Utf8ToWide(text);
    std::wstring out(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD n = ExpandEnvironmentStringsW(wide.c_str(), out.data(), static_cast<DWORD>(out.size()));
        if (n == 0) return text;  // nothing could be expanded: the text as written
        if (n <= out.size()) {
            out.resize(n - 1);  // n counts the terminating zero
            return WideToUtf8(out);
        }
        out.assign(n, L'\0');
    }
    return text;
}

FileVersion Win32System::FileVersionOf(const std::string& path) {
    DWORD ignored = 0;
    const std::wstring wide = Utf8ToWide(path);
    const DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(wide.c_str(), 0, size, block.data())) return {};
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &value, &length) || !value || length < sizeof(VS_FIXEDFILEINFO))
        return {};
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    if (fixed.dwSignature != 0xFEEF04BD) return {};
    return {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS), HIWORD(fixed.dwFileVersionLS),
            LOWORD(fixed.dwFileVersionLS)};
}

}  // namespace vtx::win32
