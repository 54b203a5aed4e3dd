#include "editors/win32/theme_editor_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <span>

#include "editors/file_filters.h"
#include "platform/win32/ui/list_strings.h"
#include "editors/win32/theme_editor_controls.h"
#include "platform/win32/ui/message_box.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_text.h"
#include "platform/win32/ui/open_file_dialog.h"
#include "themes/win32/gdi_util.h"
#include "themes/win32/layout_painter.h"

namespace vtx {
namespace {

using namespace theme_editor_controls;

const HexField* HexOf(int id) {
    for (const HexField& h : kHexFields)
        if (h.hex == id || h.swatch == id) return &h;
    return nullptr;
}

int CALLBACK CollectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    // Vertical fonts ("@Name") are not for the launcher's horizontal text.
    if (font->lfFaceName[0] != L'@')
        reinterpret_cast<std::set<std::string>*>(names)->insert(win32::WideToUtf8(font->lfFaceName));
    return 1;
}

// The picked entry's text, or what the edit field shows when none is picked.
std::string ComboText(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return win32::WindowText(combo);
    return ui::ItemText(combo, static_cast<int>(index), CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

// Picks the entry with exactly this text, or shows the text when the list has none.
void ShowInCombo(HWND combo, const std::string& text) {
    const LRESULT index = ui::SendText(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text);
    SendMessageW(combo, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index), 0);
    if (index == CB_ERR) SetWindowTextW(combo, win32::Utf8ToWide(text).c_str());
}

}  // namespace

bool ThemeEditorDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm6", "Theme Editor", {617, 449}, false, kTabs}, kTable)) return false;
    for (const char* o : kNormalObjects) ui::SendText(Item(kNObjects), LB_ADDSTRING, 0, o);
    for (const char* o : kCoolObjects) ui::SendText(Item(kCObjects), LB_ADDSTRING, 0, o);
    auto sizes = [this](int id, std::span<const int> entries) {
        for (int s : entries) ui::SendText(Item(id), CB_ADDSTRING, 0, std::to_string(s));
        SetWindowTextW(Item(id), L"8");
    };
    sizes(kNSize, kNormalSizes);
    sizes(kCSize, kCoolSizes);
    // Both font lists hold every installed font, the first one picked.
    std::set<std::string> fonts;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &all, CollectFont, reinterpret_cast<LPARAM>(&fonts), 0);
    ReleaseDC(nullptr, screen);
    rules_.SetInstalledFonts({fonts.begin(), fonts.end()});
    for (int id : {kNFont, kCFont}) {
        for (const std::string& f : rules_.installed_fonts()) ui::SendText(Item(id), CB_ADDSTRING, 0, f);
        SendMessageW(Item(id), CB_SETCURSEL, 0, 0);
    }
    for (int id : {kCTopSpin, kCLeftSpin, kCHeightSpin, kCWidthSpin})
        SendMessageW(Item(id), UDM_SETRANGE32, 0, kMaxEditorPosition);
    previews_.TrackPointer(Item(kNPreview), controls_);
    // Hints of the colour fields and their swatches.
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(),
                               nullptr, instance, nullptr);
    for (const HexField& h : kHexFields) {
        for (auto [id, text] :
             {std::pair{h.hex, L"Type a HEX value."}, std::pair{h.swatch, L"Click to change color."}}) {
            TTTOOLINFOW info{};
            info.cbSize = sizeof info;
            info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            info.hwnd = hwnd();
            info.uId = reinterpret_cast<UINT_PTR>(Item(id));
            info.lpszText = const_cast<wchar_t*>(text);
            SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    HICON warning = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING));
    SendMessageW(Item(kWarnIcon), STM_SETICON, reinterpret_cast<WPARAM>(warning), 0);
    for (int id : {kWarnIcon, kWarnText, kNBorders, kCDescription}) controls_.SetShown(id, false);
    for (int id : {kNSwatch, kNFontSwatch, kCSwatch, kCFontSwatch}) SetSwatch(id, kWhite);
    SetSwatch(kCSeeSwatch, kMagenta);
    // Until an object is picked no group can be used.
    ShowNormal({});
    ShowCool({});
    rules_.FormCreate();
    SetText(kCBack, rules_.look().cool_back_image);
    RefreshPreviews();
    return true;
}

void ThemeEditorDialog::LoadThemeIntoEditor(const std::string& theme_file) {
    rules_.LoadThemeIntoEditor(theme_file);
    FillGeneral();
    SetText(kCSee, rules_.see_through_text());
    // Objects picked before show the loaded values.
    if (rules_.normal_object() != NormalObject::None) ShowNormal(rules_.PickNormal(rules_.normal_object()));
    if (rules_.cool_object() != CoolObject::None) ShowCool(rules_.PickCool(rules_.cool_object()));
    RefreshPreviews();
}

void ThemeEditorDialog::FillGeneral() {
    filling_ = true;
    const GeneralFields g = rules_.general();
    SetText(kTitle, g.title);
    SetText(kAuthor, g.author);
    SetText(kNotes, g.notes);
    filling_ = false;
    OnCommand(kTitle, EN_CHANGE, Item(kTitle));  // the title check
}

void ThemeEditorDialog::OnShowing() {
    if (editor_open_) editor_open_(true);
    rules_.FormShow();
    FillGeneral();
    SelectPage(0);
}

void ThemeEditorDialog::CloseEditor() {
    rules_.FormClose();
    FillGeneral();
    Close();
    if (editor_open_) editor_open_(false);
}

void ThemeEditorDialog::OnCancel() {
    if (ui::ShowMessage(hwnd(), std::string(kCancelQuestion), "Quit?", MB_YESNO | MB_ICONQUESTION) == IDYES)
        CloseEditor();
}

void ThemeEditorDialog::ShowFont(int name_id, int size_id, int hex_id, const FontFields& f) {
    const std::string hex = f.color_hex;
    if (ui::SendText(Item(name_id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), f.name) != CB_ERR)
        ShowInCombo(Item(name_id), f.name);
    ShowInCombo(Item(size_id), std::to_string(f.size));
    SetText(hex_id, hex);
    SetSwatch(HexOf(hex_id)->swatch, f.color);
}

void ThemeEditorDialog::Enable(std::span<const int> ids, bool on) {
    for (int id : ids) EnableWindow(Item(id), on ? TRUE : FALSE);
}

void ThemeEditorDialog::ShowNormal(const NormalFields& f) {
    filling_ = true;
    Enable(kNGeneral, f.general);
    Enable(kNFontControls, f.font);
    Enable(kNImages, f.images);
    controls_.SetShown(kNBorders, f.borders_visible);
    SetChecked(kNBorders, f.borders);
    if (f.color_hex) {
        SetText(kNColor, *f.color_hex);
        SetSwatch(kNSwatch, f.color);
    }
    if (f.font_fields) ShowFont(kNFont, kNSize, kNFontColor, *f.font_fields);
    if (f.image) SetText(kNImage, *f.image);
    if (f.image_hot) SetText(kNHot, *f.image_hot);
    filling_ = false;
}

void ThemeEditorDialog::ShowCool(const CoolFields& f) {
    filling_ = true;
    Enable(kCGeneral, f.general);
    Enable(kCFontControls, f.font);
    Enable(kCPosition, f.position);
    SetText(kCDescription, f.description);
    controls_.SetShown(kCDescription, !f.description.empty());
    if (f.color_hex) {
        SetText(kCColor, *f.color_hex);
        SetSwatch(kCSwatch, f.color);
    }
    if (f.see_through_hex) {
        SetText(kCSee, *f.see_through_hex);
        SetSwatch(kCSeeSwatch, f.see_through);
    }
    if (f.back_image) SetText(kCBack, *f.back_image);
    if (f.font_fields) ShowFont(kCFont, kCSize, kCFontColor, *f.font_fields);
    if (f.align) SetAlign(*f.align);
    if (f.position) {
        const int values[] = {f.top, f.left, f.height, f.width};
        for (std::size_t i = 0; i < 4; ++i) SetText(kPositionFields[i], std::to_string(values[i]));
    }
    filling_ = false;
}

void ThemeEditorDialog::SetAlign(Align a) {
    SetChecked(kCLeft, a == Align::Left);
    SetChecked(kCCenter, a == Align::Center);
    SetChecked(kCRight, a == Align::Right);
}

void ThemeEditorDialog::SetSwatch(int id, std::uint32_t color) {
    const auto i = static_cast<std::size_t>(std::find(std::begin(kSwatches), std::end(kSwatches), id) - kSwatches);
    if (i >= std::size(kSwatches)) return;
    swatch_colors_[i] = color;
    swatch_brushes_[i].reset(CreateSolidBrush(win32::ThemeColour(color)));
    InvalidateRect(Item(id), nullptr, TRUE);
}

void ThemeEditorDialog::HexEnter(int hex_id) {
    const HexField* h = HexOf(hex_id);
    const ColorEntry e = rules_.ColorEntered(h->field, Text(h->hex));
    if (!e.ok) return;  // reported; nothing changes
    SetSwatch(h->swatch, e.color);
    RefreshPreviews();
}

void ThemeEditorDialog::PickColor(int swatch_id) {
    const HexField* h = HexOf(swatch_id);
    if (!IsWindowEnabled(Item(h->swatch))) return;
    static COLORREF custom[16]{};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = hwnd();
    cc.rgbResult = win32::ThemeColour(HexToColor(Text(h->hex)).value_or(kWhite));
    cc.lpCustColors = custom;
    cc.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorW(&cc)) return;
    SetText(h->hex, ColorToHex(cc.rgbResult));
    HexEnter(h->hex);
}

void ThemeEditorDialog::PickImage(ImageSlot slot, int field_id) {
    const std::string path = ui::ChooseOpenFile(hwnd(), kBitmapFilter);
    if (path.empty()) return;
    if (!rules_.ImagePicked(slot, path)) {
        (void)ui::ShowMessage(hwnd(), path + "\r\nis not a bitmap that can be used.", "Theme Editor",
                              MB_OK | MB_ICONWARNING);
        return;
    }
    SetText(field_id, path);
    RefreshPreviews();
}

void ThemeEditorDialog::OnCommand(int id, int code, HWND) {
    // A swatch's STN_CLICKED has the value of BN_CLICKED, and a list's LBN_SELCHANGE that of
    // CBN_SELCHANGE: the order of these tests tells them apart.
    if (code == BN_CLICKED) {
        OnClick(id);
    } else if (code == LBN_SELCHANGE && (id == kNObjects || id == kCObjects)) {
        const auto index = static_cast<int>(SendMessageW(Item(id), LB_GETCURSEL, 0, 0));
        if (id == kNObjects) ShowNormal(rules_.PickNormal(static_cast<NormalObject>(index)));
        else ShowCool(rules_.PickCool(static_cast<CoolObject>(index)));
    } else if (code == CBN_SELCHANGE) {
        const std::string text = ComboText(Item(id));
        if (id == kNFont || id == kCFont) rules_.FontNamePicked(FontPage(id), text);
        if (id == kNSize || id == kCSize) rules_.FontSizePicked(FontPage(id), std::atoi(text.c_str()));
        RefreshPreviews();
    } else if (!filling_) {
        OnTyped(id, code);
    }
}

EditorPage ThemeEditorDialog::FontPage(int id) {
    return id == kNFont || id == kNSize ? EditorPage::Normal : EditorPage::Cool;
}

void ThemeEditorDialog::OnClick(int id) {
    if (HexOf(id) && HexOf(id)->swatch == id) return PickColor(id);
    const EditorPage normal = EditorPage::Normal, cool = EditorPage::Cool;
    switch (id) {
        case kSave: {
            rules_.general() = {Text(kTitle), Text(kAuthor), Text(kNotes)};
            const bool saved = rules_.SaveThemeBTNClick();
            SetText(kTitle, rules_.general().title);  // cleaned, and checked again
            if (saved) CloseEditor();
            return;
        }
        case kNBorders: SetChecked(kNBorders, rules_.ShowBordersClicked()); break;
        case kNBold: rules_.StyleClicked(normal, FontStyle::Bold); break;
        case kNItalic: rules_.StyleClicked(normal, FontStyle::Italic); break;
        case kNUnderline: rules_.StyleClicked(normal, FontStyle::Underline); break;
        case kCBold: rules_.StyleClicked(cool, FontStyle::Bold); break;
        case kCItalic: rules_.StyleClicked(cool, FontStyle::Italic); break;
        case kCUnderline: rules_.StyleClicked(cool, FontStyle::Underline); break;
        case kCLeft: case kCCenter: case kCRight: {
            const Align a = id == kCLeft ? Align::Left : id == kCCenter ? Align::Center : Align::Right;
            rules_.AlignClicked(a);
            SetAlign(a);
            break;
        }
        case kNImageBtn: return PickImage(ImageSlot::Normal, kNImage);
        case kNHotBtn: return PickImage(ImageSlot::MouseOver, kNHot);
        case kCBackBtn: return PickImage(ImageSlot::Background, kCBack);
        default: return;
    }
    RefreshPreviews();
}

void ThemeEditorDialog::OnTyped(int id, int code) {
    if (code == CBN_EDITCHANGE) {
        // Typed rather than picked: the rules say when a size or a font name applies.
        const std::string text = Text(id);
        const bool size = id == kNSize || id == kCSize, font = id == kNFont || id == kCFont;
        if ((size && rules_.FontSizeTyped(FontPage(id), text)) || (font && rules_.FontNameTyped(FontPage(id), text)))
            RefreshPreviews();
        return;
    }
    if (const auto* at = std::find(std::begin(kPositionFields), std::end(kPositionFields), id);
        at != std::end(kPositionFields)) {
        if (code == EN_CHANGE) {
            const std::string text = Text(id);
            const auto value = rules_.PositionTyped(static_cast<PositionField>(at - kPositionFields), text);
            if (!value) return;
            if (std::to_string(*value) != text) SetText(id, std::to_string(*value));
        } else if (code == EN_SETFOCUS || code == EN_KILLFOCUS) {
            rules_.PositionFocus(code == EN_SETFOCUS);
        } else {
            return;
        }
        RefreshPreviews();
        return;
    }
    if (code != EN_CHANGE) return;
    if (id == kTitle) {
        const TitleCheck check = rules_.TitleChanged(Text(kTitle));
        title_warning_ = check.warning;
        SetText(kWarnText, check.warning_text);
        controls_.SetShown(kWarnIcon, check.warning);
        controls_.SetShown(kWarnText, check.warning);
        InvalidateRect(Item(kTitle), nullptr, TRUE);
    } else if (id == kAuthor) {
        rules_.general().author = Text(kAuthor);
    } else if (id == kNotes) {
        rules_.general().notes = Text(kNotes);
    }
}

bool ThemeEditorDialog::KeyPreview(const MSG& msg) {
    // Enter in a hex field applies its colour.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        for (const HexField& h : kHexFields) {
            if (msg.hwnd == Item(h.hex)) {
                HexEnter(h.hex);
                return true;
            }
        }
    }
    return false;
}

bool ThemeEditorDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_CLOSE:  // the close button closes without asking
            CloseEditor();
            result = 0;
            return true;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (static_cast<int>(item.CtlID) == kNPreview) previews_.DrawNormal(item, rules_.look(), controls_.dpi());
            else if (static_cast<int>(item.CtlID) == kCPreview) previews_.DrawCool(item, rules_, controls_.dpi());
            else return false;
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lp);
            for (std::size_t i = 0; i < std::size(kSwatches); ++i) {
                if (control == Item(kSwatches[i]) && swatch_brushes_[i]) {
                    result = reinterpret_cast<LRESULT>(swatch_brushes_[i].get());
                    return true;
                }
            }
            return false;
        }
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lp) == Item(kTitle) && title_warning_) {
                if (!title_brush_) title_brush_.reset(CreateSolidBrush(RGB(255, 125, 125)));
                SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 125, 125));
                result = reinterpret_cast<LRESULT>(title_brush_.get());
                return true;
            }
            return false;
        default:
            return false;
    }
}

void ThemeEditorDialog::RefreshPreviews() { previews_.Refresh(rules_.look(), Item(kNPreview), Item(kCPreview)); }

}  // namespace vtx
