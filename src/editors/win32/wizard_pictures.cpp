#include "editors/win32/wizard_pictures.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/ui/controls.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_text.h"
#include "platform/win32/ui/subclass.h"
#include "platform/win32/win32_icons.h"

namespace vtx {
namespace {

// A picture from the shell: its stock icon, else the icon of that resource in shell32.dll
// (shells without stock icons, such as Wine's, still number these the same).
struct ShellIcon {
    int stock, resource;
};
constexpr std::pair<int, ShellIcon> kKindIcons[] = {
    {kKindProgram, {SIID_APPLICATION, 3}},   {kKindFile, {SIID_DOCNOASSOC, 2}},
    {kKindFolder, {SIID_FOLDER, 4}},         {kKindURL, {SIID_WORLD, 14}},
    {kKindControlPanel, {SIID_SETTINGS, 22}}, {kKindMultiShortcut, {SIID_STACK, 40}},
    {kKindOther, {SIID_FIND, 23}},
};
// The pictures of the Control Panel page, in the order of the default applet list: the
// applet file's own icon, or a shell icon near its meaning where the system lacks the file.
constexpr std::pair<const char*, ShellIcon> kAppletIcons[] = {
    {"desk.cpl", {SIID_DESKTOPPC, 16}}, {"appwiz.cpl", {SIID_SOFTWARE, 3}}, {"timedate.cpl", {SIID_SETTINGS, 21}},
    {"access.cpl", {SIID_USERS, 22}},
};
static_assert(std::size(kAppletIcons) == kAppletDescriptions.size());

constexpr COLORREF kNavy = RGB(0, 0, 128), kBlue = RGB(0, 0, 255);

std::string SystemFile(const char* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    return n > 0 && n < MAX_PATH ? win32::WideToUtf8(folder) + "\\" + name : std::string();
}

// Never a hole where a picture belongs: the system's application icon stands in last.
win32::UniqueIcon LoadShellIcon(ShellIcon which) {
    if (auto icon = win32::StockIcon(which.stock)) return icon;
    if (auto icon = win32::ExtractLargeIcon(SystemFile("shell32.dll"), -which.resource)) return icon;
    return win32::UniqueIcon(CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
}

}  // namespace

void WizardPictures::Load() {
    static_assert(std::size(kKindIcons) == std::tuple_size_v<decltype(kinds_)>);
    if (kinds_[0]) return;
    for (std::size_t i = 0; i < kinds_.size(); ++i) kinds_[i] = LoadShellIcon(kKindIcons[i].second);
    for (std::size_t i = 0; i < applets_.size(); ++i) {
        const auto& [file, shell_icon] = kAppletIcons[i];
        win32::UniqueIcon icon = win32::ExtractLargeIcon(SystemFile(file), 0);
        applets_[i] = icon ? std::move(icon) : LoadShellIcon(shell_icon);
    }
}

HICON WizardPictures::OfKind(int kind) const {
    for (std::size_t i = 0; i < kinds_.size(); ++i)
        if (kKindIcons[i].first == kind) return kinds_[i].get();
    return nullptr;
}

HICON WizardPictures::OfApplet(int row) const {
    const bool shown = row >= 0 && row < static_cast<int>(applets_.size());
    return shown ? applets_[static_cast<std::size_t>(row)].get() : nullptr;
}

void WizardPictures::MakeLink(HWND dialog, int id, HWND link) {
    ui::Subclass(link, [this, dialog, id, link](UINT msg, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
        // Enter follows the link with the keyboard, as Space does; an owner-drawn button
        // would otherwise hand Enter to the default button.
        if (msg == WM_GETDLGCODE) {
            const auto* m = reinterpret_cast<const MSG*>(lp);
            if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) return DLGC_WANTMESSAGE | DLGC_BUTTON;
            return std::nullopt;
        }
        if (msg == WM_KEYDOWN && wp == VK_RETURN) {
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(link));
            return 0;
        }
        if (msg == WM_CHAR && wp == '\r') return 0;
        if (msg == WM_MOUSEMOVE && hot_link_ != id) {
            hot_link_ = id;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, link, 0};
            TrackMouseEvent(&track);
            InvalidateRect(link, nullptr, FALSE);
        } else if (msg == WM_MOUSELEAVE && hot_link_ == id) {
            hot_link_ = 0;
            InvalidateRect(link, nullptr, FALSE);
        }
        return std::nullopt;
    });
}

void WizardPictures::DrawLink(const DRAWITEMSTRUCT& item, UINT dpi) const {
    const bool hot = hot_link_ == static_cast<int>(item.CtlID);
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, ui::UiFontStyled(dpi, true, hot));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hot ? kBlue : kNavy);
    const std::wstring text = win32::Utf8ToWide(win32::WindowText(item.hwndItem));
    RECT r = item.rcItem;
    DrawTextW(dc, text.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
    RECT shown = item.rcItem;
    DrawTextW(dc, text.c_str(), -1, &shown, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        r.top = item.rcItem.top;
        r.bottom = item.rcItem.bottom;
        DrawFocusRect(dc, &r);
    }
    SelectObject(dc, old);
}

void WizardPictures::DrawPicture(const DRAWITEMSTRUCT& item, HICON icon) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!icon) return;
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon, item.rcItem.right - item.rcItem.left,
               item.rcItem.bottom - item.rcItem.top, 0, nullptr, DI_NORMAL);
}

}  // namespace vtx
