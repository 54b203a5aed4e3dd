#include "editors/win32/theme_editor_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <span>

#include "themes/win32/gdi_util.h"
#include "themes/win32/layout_painter.h"
#include "platform/win32/ui/dpi.h"
#include "platform/win32/ui/message_box.h"
#include "platform/win32/ui/subclass.h"
#include "themes/builtin_images.h"

namespace vtx {
namespace {

enum : int {
    kTabs = 100,
    // General
    kGeneralText, kInfoGroup, kTitleText, kTitle, kTitleNote, kWarnIcon, kWarnText, kAuthorText, kAuthor, kNotesText,
    kNotes,
    // Normal Mode
    kNText, kNObjectText, kNObjects, kNPreviewGroup, kNPreview, kNGeneralGroup, kNColorText, kNColor, kNSwatch,
    kNBorders, kNFontGroup, kNFontText, kNFont, kNSizeText, kNSize, kNFontColorText, kNFontColor, kNFontSwatch,
    kNBold, kNItalic, kNUnderline, kNImagesGroup, kNImageText, kNImage, kNImageBtn, kNHotText, kNHot, kNHotBtn,
    // Cool Mode
    kCText, kCObjectText, kCObjects, kCDescription, kCPreviewGroup, kCPreview, kCGeneralGroup, kCColorText, kCColor,
    kCSwatch, kCSeeText, kCSee, kCSeeSwatch, kCBackText, kCBack, kCBackBtn, kCFontGroup, kCFontText, kCFont,
    kCSizeText, kCSize, kCFontColorText, kCFontColor, kCFontSwatch, kCBold, kCItalic, kCUnderline, kCLeft, kCCenter,
    kCRight, kCPosGroup, kCTopText, kCTop, kCTopSpin, kCLeftText, kCLeftPos, kCLeftSpin, kCHeightText, kCHeight,
    kCHeightSpin, kCWidthText, kCWidth, kCWidthSpin,
    kSave,
};

using ui::Kind;
constexpr DWORD kSwatch = SS_NOTIFY | SS_SUNKEN;
constexpr DWORD kPush = BS_PUSHLIKE;

// In tab order: every field follows the text that labels it.
constexpr ui::Control kTable[] = {
    {kTabs, Kind::Tabs, "General|Normal Mode|Cool Mode", {8, 8, 601, 400}},
    // General
    {kGeneralText, Kind::Label, "You can change general settings of this skin here.", {20, 40, 560, 16}, 1},
    {kInfoGroup, Kind::Group, "Theme Info", {20, 64, 577, 196}, 1},
    {kTitleText, Kind::Label, "Title:", {34, 90, 60, 16}, 1},
    {kTitle, Kind::Edit, "", {100, 87, 200, 23}, 1},
    {kTitleNote, Kind::Label, "Please type a name for this skin. It will \nbe used for filenames.", {310, 84, 280, 32}, 1},
        {kAuthorText, Kind::Label, "Author:", {34, 126, 60, 16}, 1},
    {kAuthor, Kind::Edit, "", {100, 123, 200, 23}, 1},
    {kNotesText, Kind::Label, "Notes:", {34, 176, 60, 16}, 1},
    {kNotes, Kind::Edit, "", {100, 173, 480, 23}, 1},
    {kWarnIcon, Kind::Label, "", {100, 210, 32, 32}, 1, SS_ICON},
    {kWarnText, Kind::Label, "", {140, 210, 450, 36}, 1},
    // Normal Mode
    {kNText, Kind::Label, "You can change the appearance of the main window here.", {20, 40, 560, 16}, 2},
    {kNObjectText, Kind::Label, "Object:", {20, 62, 100, 16}, 2},
    {kNObjects, Kind::ListBox, "", {20, 80, 160, 112}, 2},
    {kNPreviewGroup, Kind::Group, "Preview", {188, 62, 165, 285}, 2},
    {kNPreview, Kind::Canvas, "", {200, 82, 141, 253}, 2, SS_NOTIFY},  // SS_NOTIFY: it sees the mouse
    {kNGeneralGroup, Kind::Group, "General", {360, 62, 237, 74}, 2},
    {kNColorText, Kind::Label, "Color:", {372, 84, 40, 16}, 2},
    {kNColor, Kind::Edit, "FFFFFF", {416, 81, 70, 23}, 2},
    {kNSwatch, Kind::Label, "", {492, 81, 40, 23}, 2, kSwatch},
    {kNBorders, Kind::Check, "Show borders", {372, 108, 150, 20}, 2},
    {kNFontGroup, Kind::Group, "Font", {360, 140, 237, 136}, 2},
    {kNFontText, Kind::Label, "Font Name:", {372, 162, 70, 16}, 2},
    {kNFont, Kind::Combo, "", {446, 159, 140, 200}, 2, CBS_SORT},
    {kNSizeText, Kind::Label, "Size:", {372, 190, 70, 16}, 2},
    {kNSize, Kind::Combo, "", {446, 187, 60, 200}, 2},
    {kNFontColorText, Kind::Label, "Color:", {372, 218, 70, 16}, 2},
    {kNFontColor, Kind::Edit, "FFFFFF", {446, 215, 70, 23}, 2},
    {kNFontSwatch, Kind::Label, "", {522, 215, 40, 23}, 2, kSwatch},
    {kNBold, Kind::Button, "B", {446, 244, 26, 24}, 2},
    {kNItalic, Kind::Button, "I", {474, 244, 26, 24}, 2},
    {kNUnderline, Kind::Button, "U", {502, 244, 26, 24}, 2},
    {kNImagesGroup, Kind::Group, "Images", {360, 280, 237, 116}, 2},
    {kNImageText, Kind::Label, "Normal State:", {372, 298, 200, 16}, 2},
    {kNImage, Kind::Edit, "", {372, 316, 180, 23}, 2},
    {kNImageBtn, Kind::Button, "...", {556, 315, 30, 25}, 2},
    {kNHotText, Kind::Label, "Mouse Over State:", {372, 344, 200, 16}, 2},
    {kNHot, Kind::Edit, "", {372, 362, 180, 23}, 2},
    {kNHotBtn, Kind::Button, "...", {556, 361, 30, 25}, 2},
    // Cool Mode
    {kCText, Kind::Label, "You can change the appearance of the cool mode here.", {20, 40, 560, 16}, 3},
    {kCObjectText, Kind::Label, "Object:", {20, 62, 100, 16}, 3},
    {kCObjects, Kind::ListBox, "", {20, 80, 150, 84}, 3},
    {kCDescription, Kind::Label, "", {20, 168, 150, 30}, 3},
    {kCPreviewGroup, Kind::Group, "Preview", {176, 56, 421, 136}, 3},
    {kCPreview, Kind::Canvas, "", {184, 74, 405, 112}, 3},
    {kCGeneralGroup, Kind::Group, "General", {20, 200, 190, 196}, 3},
    {kCColorText, Kind::Label, "Color:", {32, 218, 160, 16}, 3},
    {kCColor, Kind::Edit, "FFFFFF", {32, 236, 70, 23}, 3},
    {kCSwatch, Kind::Label, "", {108, 236, 40, 23}, 3, kSwatch},
    {kCSeeText, Kind::Label, "Transparent Color:", {32, 266, 160, 16}, 3},
    {kCSee, Kind::Edit, "FF00FF", {32, 284, 70, 23}, 3},
    {kCSeeSwatch, Kind::Label, "", {108, 284, 40, 23}, 3, kSwatch},
    {kCBackText, Kind::Label, "Background Image:", {32, 314, 160, 16}, 3},
    {kCBack, Kind::Edit, "", {32, 332, 130, 23}, 3},
    {kCBackBtn, Kind::Button, "...", {166, 331, 30, 25}, 3},
    {kCFontGroup, Kind::Group, "Font", {216, 200, 200, 196}, 3},
    {kCFontText, Kind::Label, "Font Name:", {228, 218, 176, 16}, 3},
    {kCFont, Kind::Combo, "", {228, 236, 176, 200}, 3, CBS_SORT},
    {kCSizeText, Kind::Label, "Size:", {228, 268, 40, 16}, 3},
    {kCSize, Kind::Combo, "", {272, 265, 60, 200}, 3},
    {kCFontColorText, Kind::Label, "Color:", {228, 298, 40, 16}, 3},
    {kCFontColor, Kind::Edit, "FFFFFF", {272, 295, 70, 23}, 3},
    {kCFontSwatch, Kind::Label, "", {348, 295, 40, 23}, 3, kSwatch},
    {kCBold, Kind::Button, "B", {228, 328, 26, 24}, 3},
    {kCItalic, Kind::Button, "I", {256, 328, 26, 24}, 3},
    {kCUnderline, Kind::Button, "U", {284, 328, 26, 24}, 3},
    {kCLeft, Kind::Check, "L", {320, 328, 26, 24}, 3, kPush},
    {kCCenter, Kind::Check, "C", {348, 328, 26, 24}, 3, kPush},
    {kCRight, Kind::Check, "R", {376, 328, 26, 24}, 3, kPush},
    {kCPosGroup, Kind::Group, "Position && Size", {422, 200, 175, 196}, 3},
    {kCTopText, Kind::Label, "Top:", {434, 222, 50, 16}, 3},
    {kCTop, Kind::Edit, "", {490, 219, 70, 23}, 3, ES_NUMBER},
    {kCTopSpin, Kind::Spin, "", {560, 219, 18, 23}, 3},
    {kCLeftText, Kind::Label, "Left:", {434, 254, 50, 16}, 3},
    {kCLeftPos, Kind::Edit, "", {490, 251, 70, 23}, 3, ES_NUMBER},
    {kCLeftSpin, Kind::Spin, "", {560, 251, 18, 23}, 3},
    {kCHeightText, Kind::Label, "Height:", {434, 286, 50, 16}, 3},
    {kCHeight, Kind::Edit, "", {490, 283, 70, 23}, 3, ES_NUMBER},
    {kCHeightSpin, Kind::Spin, "", {560, 283, 18, 23}, 3},
    {kCWidthText, Kind::Label, "Width:", {434, 318, 50, 16}, 3},
    {kCWidth, Kind::Edit, "", {490, 315, 70, 23}, 3, ES_NUMBER},
    {kCWidthSpin, Kind::Spin, "", {560, 315, 18, 23}, 3},
    // Buttons
    {kSave, Kind::Button, "Save Theme", {440, 416, 86, 25}},
    {IDCANCEL, Kind::Button, "Cancel", {532, 416, 77, 25}},
};

constexpr const char* kNormalObjects[] = {"Form", "Edit Box", "List Box", "Frame", "Title Text", "Menu Button",
                                          "Hide Button"};
constexpr const char* kCoolObjects[] = {"Form", "Text 1", "Text 2", "Text 3", "Text 4"};
constexpr int kNormalSizes[] = {8, 10, 12, 14, 16, 18, 24, 28, 32};
constexpr int kCoolSizes[] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 18, 22, 24, 28, 32};
constexpr int kSwatches[] = {kNSwatch, kNFontSwatch, kCSwatch, kCSeeSwatch, kCFontSwatch};
constexpr const char* kSampleRows[] = {"Calculator", "Command Prompt", "Notepad", "Paint", "WordPad"};

// The hex field, its swatch, the rule it feeds and the groups it belongs to.
struct HexField {
    int hex, swatch;
    ColorField field;
};
constexpr HexField kHexFields[] = {{kNColor, kNSwatch, ColorField::NormalGeneral},
                                   {kNFontColor, kNFontSwatch, ColorField::NormalFont},
                                   {kCColor, kCSwatch, ColorField::CoolGeneral},
                                   {kCSee, kCSeeSwatch, ColorField::CoolTransparent},
                                   {kCFontColor, kCFontSwatch, ColorField::CoolFont}};

const HexField* HexOf(int id) {
    for (const HexField& h : kHexFields)
        if (h.hex == id || h.swatch == id) return &h;
    return nullptr;
}

// Controls of each group, enabled and disabled together.
constexpr int kNGeneral[] = {kNGeneralGroup, kNColorText, kNColor, kNSwatch, kNBorders};
constexpr int kNFontControls[] = {kNFontGroup, kNFontText, kNFont, kNSizeText, kNSize, kNFontColorText,
                                  kNFontColor, kNFontSwatch, kNBold, kNItalic, kNUnderline};
constexpr int kNImages[] = {kNImagesGroup, kNImageText, kNImage, kNImageBtn, kNHotText, kNHot, kNHotBtn};
constexpr int kCGeneral[] = {kCGeneralGroup, kCColorText, kCColor, kCSwatch, kCSeeText, kCSee, kCSeeSwatch,
                             kCBackText, kCBack, kCBackBtn};
constexpr int kCFontControls[] = {kCFontGroup, kCFontText, kCFont, kCSizeText, kCSize, kCFontColorText, kCFontColor,
                                  kCFontSwatch, kCBold, kCItalic, kCUnderline, kCLeft, kCCenter, kCRight};
constexpr int kCPosition[] = {kCPosGroup, kCTopText, kCTop, kCTopSpin, kCLeftText, kCLeftPos, kCLeftSpin,
                              kCHeightText, kCHeight, kCHeightSpin, kCWidthText, kCWidth, kCWidthSpin};

constexpr int kPositionFields[] = {kCTop, kCLeftPos, kCHeight, kCWidth};

int CALLBACK CollectFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM names) {
    // Vertical fonts ("@Name") are not for the launcher's horizontal text.
    if (font->lfFaceName[0] != '@') reinterpret_cast<std::set<std::string>*>(names)->insert(font->lfFaceName);
    return 1;
}

std::string ComboItem(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string ComboText(HWND combo) {
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? win32::WindowText(combo) : ComboItem(combo, static_cast<int>(index));
}

// Picks the entry with exactly this text, or shows the text when the list has none.
void ShowInCombo(HWND combo, const std::string& text) {
    const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(combo, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index), 0);
    if (index == CB_ERR) SetWindowTextA(combo, text.c_str());
}

}  // namespace

bool ThemeEditorDialog::Create(HINSTANCE instance, HWND owner) {
    if (!MakeDialog(instance, owner, {"TForm6", "Theme Editor", {617, 449}, false, kTabs}, kTable)) return false;
    for (const char* o : kNormalObjects) SendMessageA(Item(kNObjects), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(o));
    for (const char* o : kCoolObjects) SendMessageA(Item(kCObjects), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(o));
    auto sizes = [this](int id, std::span<const int> entries) {
        for (int s : entries) SendMessageA(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(s).c_str()));
        SetWindowTextA(Item(id), "8");
    };
    sizes(kNSize, kNormalSizes);
    sizes(kCSize, kCoolSizes);
    // Both font lists hold every installed font, the first one picked.
    std::set<std::string> fonts;
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &all, CollectFont, reinterpret_cast<LPARAM>(&fonts), 0);
    ReleaseDC(nullptr, screen);
    for (int id : {kNFont, kCFont}) {
        for (const std::string& f : fonts) SendMessageA(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
        SendMessageA(Item(id), CB_SETCURSEL, 0, 0);
    }
    for (int id : {kCTopSpin, kCLeftSpin, kCHeightSpin, kCWidthSpin})
        SendMessageA(Item(id), UDM_SETRANGE32, 0, kMaxEditorPosition);
    // The preview's title buttons show their mouse-over images under the pointer, as the
    // launcher's do.
    HWND preview = Item(kNPreview);
    ui::Subclass(preview, [this, preview](UINT msg, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (msg != WM_MOUSEMOVE && msg != WM_MOUSELEAVE) return std::nullopt;
        PreviewButton over = PreviewButton::None;
        if (msg == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, preview, 0};
            TrackMouseEvent(&track);
            const UINT dpi = controls_.dpi();
            const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            auto inside = [&](const RECT& b) {
                const RECT r{ui::Scale(b.left, dpi), ui::Scale(b.top, dpi), ui::Scale(b.right, dpi), ui::Scale(b.bottom, dpi)};
                return PtInRect(&r, pt) != FALSE;
            };
            if (inside(win32::kMenuButtonBox)) over = PreviewButton::Menu;
            if (inside(win32::kHideButtonBox)) over = PreviewButton::Hide;
        }
        if (over != preview_hot_) {
            preview_hot_ = over;
            InvalidateRect(preview, nullptr, FALSE);
        }
        return std::nullopt;
    });
    // Hints of the colour fields and their swatches.
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd(),
                               nullptr, instance, nullptr);
    for (const HexField& h : kHexFields) {
        for (auto [id, text] : {std::pair{h.hex, "Type a HEX value."}, std::pair{h.swatch, "Click to change color."}}) {
            TTTOOLINFOA info{};
            info.cbSize = sizeof info;
            info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            info.hwnd = hwnd();
            info.uId = reinterpret_cast<UINT_PTR>(Item(id));
            info.lpszText = const_cast<char*>(text);
            SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        }
    }
    SendMessageA(Item(kWarnIcon), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_WARNING)), 0);
    for (int id : {kWarnIcon, kWarnText, kNBorders, kCDescription}) controls_.SetShown(id, false);
    const HexField* white[] = {HexOf(kNColor), HexOf(kNFontColor), HexOf(kCColor), HexOf(kCFontColor)};
    for (const HexField* h : white) SetSwatch(h->swatch, kWhite);
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
    if (SendMessageA(Item(name_id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(f.name.c_str())) != CB_ERR)
        ShowInCombo(Item(name_id), f.name);
    ShowInCombo(Item(size_id), std::to_string(f.size));
    SetText(hex_id, hex);
    SetSwatch(HexOf(hex_id)->swatch, f.color);
}

void ThemeEditorDialog::ShowNormal(const NormalFields& f) {
    filling_ = true;
    auto enable = [this](std::span<const int> ids, bool on) {
        for (int id : ids) EnableWindow(Item(id), on ? TRUE : FALSE);
    };
    enable(kNGeneral, f.general);
    enable(kNFontControls, f.font);
    enable(kNImages, f.images);
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
    auto enable = [this](std::span<const int> ids, bool on) {
        for (int id : ids) EnableWindow(Item(id), on ? TRUE : FALSE);
    };
    enable(kCGeneral, f.general);
    enable(kCFontControls, f.font);
    enable(kCPosition, f.position);
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
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = hwnd();
    cc.rgbResult = win32::ThemeColour(HexToColor(Text(h->hex)).value_or(kWhite));
    cc.lpCustColors = custom;
    cc.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorA(&cc)) return;
    SetText(h->hex, ColorToHex(cc.rgbResult));
    HexEnter(h->hex);
}

void ThemeEditorDialog::PickImage(ImageSlot slot, int field_id) {
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd();
    ofn.lpstrFilter = "Bitmap (*.bmp)\0*.bmp\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) return;
    if (!rules_.ImagePicked(slot, path)) {
        (void)ui::ShowMessage(hwnd(), std::string(path) + "\r\nis not a bitmap that can be used.", "Theme Editor",
                              MB_OK | MB_ICONWARNING);
        return;
    }
    SetText(field_id, path);
    RefreshPreviews();
}

void ThemeEditorDialog::OnCommand(int id, int code, HWND) {
    const EditorPage normal = EditorPage::Normal, cool = EditorPage::Cool;
    if (code == BN_CLICKED && HexOf(id) && HexOf(id)->swatch == id) {  // STN_CLICKED, the same code
        PickColor(id);
        return;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case kSave: {
                GeneralFields& g = rules_.general();
                g.title = Text(kTitle), g.author = Text(kAuthor), g.notes = Text(kNotes);
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
            case kNImageBtn: PickImage(ImageSlot::Normal, kNImage); return;
            case kNHotBtn: PickImage(ImageSlot::MouseOver, kNHot); return;
            case kCBackBtn: PickImage(ImageSlot::Background, kCBack); return;
            default: return;
        }
        RefreshPreviews();
        return;
    }
    if (code == LBN_SELCHANGE && (id == kNObjects || id == kCObjects)) {
        const auto index = static_cast<int>(SendMessageA(Item(id), LB_GETCURSEL, 0, 0));
        if (id == kNObjects) ShowNormal(rules_.PickNormal(static_cast<NormalObject>(index)));
        else ShowCool(rules_.PickCool(static_cast<CoolObject>(index)));
        return;
    }
    if (code == CBN_SELCHANGE) {
        const std::string text = ComboText(Item(id));
        if (id == kNFont || id == kCFont) rules_.FontNamePicked(id == kNFont ? normal : cool, text);
        if (id == kNSize || id == kCSize) rules_.FontSizePicked(id == kNSize ? normal : cool, std::atoi(text.c_str()));
        RefreshPreviews();
        return;
    }
    if (filling_) return;
    if (code == CBN_EDITCHANGE) {
        // Typed rather than picked: a size applies once it is a usable number, a font name once
        // it names an installed font (in the list's own spelling).
        const EditorPage page = id == kNFont || id == kNSize ? normal : cool;
        const std::string text = Text(id);
        bool applied = false;
        if (id == kNSize || id == kCSize) applied = rules_.FontSizeTyped(page, text);
        if (id == kNFont || id == kCFont) {
            const LRESULT at = SendMessageA(Item(id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(text.c_str()));
            if (!text.empty() && at != CB_ERR) {
                rules_.FontNamePicked(page, ComboItem(Item(id), static_cast<int>(at)));
                applied = true;
            }
        }
        if (applied) RefreshPreviews();
        return;
    }
    const auto position = std::find(std::begin(kPositionFields), std::end(kPositionFields), id);
    if (position != std::end(kPositionFields)) {
        if (code == EN_CHANGE) {
            const std::string text = Text(id);
            if (text.empty()) return;
            const int value = rules_.PositionChanged(static_cast<PositionField>(position - kPositionFields),
                                                     std::atoi(text.substr(0, 6).c_str()));
            if (std::to_string(value) != text) SetText(id, std::to_string(value));
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
            if (static_cast<int>(item.CtlID) == kNPreview) DrawNormalPreview(item);
            else if (static_cast<int>(item.CtlID) == kCPreview) DrawCoolPreview(item);
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

// ---------------------------------------------------------------- previews

void ThemeEditorDialog::LoadImages() {
    // Reloaded only when a path changes; an image that does not load keeps the one shown.
    auto load = [](win32::UniqueBitmap& bmp, std::string& shown, const std::string& path, BuiltinImage builtin) {
        if (path == shown) return;
        shown = path;
        auto next = path.empty() ? win32::BitmapFromFile(BuiltinBitmapFile(builtin)) : win32::BitmapFromPath(path);
        if (next) bmp = std::move(next);
    };
    const ThemeLook& look = rules_.look();
    load(menu_bmp_, menu_path_, look.menu_button.image, BuiltinImage::Menu);
    load(menu_hot_bmp_, menu_hot_path_, look.menu_button.image_hot, BuiltinImage::MenuHot);
    load(hide_bmp_, hide_path_, look.hide_button.image, BuiltinImage::Close);
    load(hide_hot_bmp_, hide_hot_path_, look.hide_button.image_hot, BuiltinImage::CloseHot);
    load(back_bmp_, back_path_, look.cool_back_image, BuiltinImage::Back);
}

void ThemeEditorDialog::RefreshPreviews() {
    LoadImages();
    InvalidateRect(Item(kNPreview), nullptr, FALSE);
    InvalidateRect(Item(kCPreview), nullptr, FALSE);
}

void ThemeEditorDialog::DrawNormalPreview(const DRAWITEMSTRUCT& item) {
    const RECT c = item.rcItem;
    win32::BufferedDC buffer(item.hDC, c);
    HDC dc = buffer.get();
    const UINT dpi = controls_.dpi();
    auto S = [dpi](int px) { return ui::Scale(px, dpi); };
    const ThemeLook& look = rules_.look();
    const win32::UniqueFont title = win32::MakeFont(look.title.font, dpi);
    win32::LayoutPaint p;
    p.look = &look;
    p.window_color = look.form_color;
    p.frame = {17, 2, 2};
    const bool menu_hot = preview_hot_ == PreviewButton::Menu && menu_hot_bmp_;
    const bool hide_hot = preview_hot_ == PreviewButton::Hide && hide_hot_bmp_;
    p.menu_image = menu_hot ? menu_hot_bmp_.get() : menu_bmp_.get();
    p.hide_image = hide_hot ? hide_hot_bmp_.get() : hide_bmp_.get();
    p.title_font = title.get();
    p.dpi = dpi;
    win32::PaintLayout(dc, c, p);
    // The edit box and the list are controls of their own in the launcher; here they are
    // drawn in the same place with their theme colours, fonts and tiled borders.
    auto box = [&](const BoxStyle& style, RECT r, std::span<const char* const> rows, int row_height) {
        OffsetRect(&r, c.left, c.top);
        win32::FillSolid(dc, r, win32::ThemeColour(style.back));
        if (style.border) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
        const win32::UniqueFont font = win32::MakeFont(style.font, dpi);
        int y = r.top + S(3);
        for (const char* row : rows) {
            win32::DrawLabel(dc, row, font.get(), win32::ThemeColour(style.font.color), Align::Left,
                             RECT{r.left + S(4), y, r.right - S(2), std::min<LONG>(y + S(row_height), r.bottom - S(2))});
            y += S(row_height);
        }
    };
    const char* edit_text[] = {"Edit1"};
    box(look.edit, RECT{S(5), S(19), S(137), S(40)}, edit_text, 16);
    box(look.list, RECT{S(5), S(42), S(137), S(249)}, kSampleRows, 18);
}

void ThemeEditorDialog::DrawCoolPreview(const DRAWITEMSTRUCT& item) {
    const RECT c = item.rcItem;
    win32::BufferedDC buffer(item.hDC, c);
    const UINT dpi = controls_.dpi();
    const ThemeLook& look = rules_.look();
    std::array<win32::UniqueFont, 4> fonts;
    win32::LayoutPaint p;
    p.look = &look;
    p.frame_visible = false;
    p.back_image_visible = true;
    p.cool_texts_visible = true;
    p.window_color = rules_.cool_panel_color();
    p.back_image = back_bmp_.get();
    for (std::size_t i = 0; i < 4; ++i) {
        fonts[i] = win32::MakeFont(look.cool_texts[i].font, dpi);
        p.cool_fonts[i] = fonts[i].get();
        p.cool_texts[i] = "Text " + std::to_string(i + 1);
    }
    p.opaque_text = rules_.opaque_text();
    p.dpi = dpi;
    win32::PaintLayout(buffer.get(), c, p);
}

}  // namespace vtx
