#pragma once
// The theme editor's controls: their ids, the table they are made from (in tab order, every
// field after the text that labels it), and the groups and lists the window works over.

#include <commctrl.h>

#include "editors/theme_editor.h"
#include "platform/win32/ui/controls.h"

namespace vtx::theme_editor_controls {

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

inline constexpr DWORD kSwatch = SS_NOTIFY | SS_SUNKEN;
inline constexpr DWORD kPush = BS_PUSHLIKE;

// In tab order: every field follows the text that labels it.
inline constexpr ui::Control kTable[] = {
    {kTabs, ui::Kind::Tabs, "General|Normal Mode|Cool Mode", {8, 8, 601, 400}},
    // General
    {kGeneralText, ui::Kind::Label, "You can change general settings of this skin here.", {20, 40, 560, 16}, 1},
    {kInfoGroup, ui::Kind::Group, "Theme Info", {20, 64, 577, 196}, 1},
    {kTitleText, ui::Kind::Label, "Title:", {34, 90, 60, 16}, 1},
    {kTitle, ui::Kind::Edit, "", {100, 87, 200, 23}, 1},
    {kTitleNote, ui::Kind::Label, "Please type a name for this skin. It will \nbe used for filenames.", {310, 84, 280, 32}, 1},
    {kAuthorText, ui::Kind::Label, "Author:", {34, 126, 60, 16}, 1},
    {kAuthor, ui::Kind::Edit, "", {100, 123, 200, 23}, 1},
    {kNotesText, ui::Kind::Label, "Notes:", {34, 176, 60, 16}, 1},
    {kNotes, ui::Kind::Edit, "", {100, 173, 480, 23}, 1},
    {kWarnIcon, ui::Kind::Label, "", {100, 210, 32, 32}, 1, SS_ICON},
    {kWarnText, ui::Kind::Label, "", {140, 210, 450, 36}, 1},
    // Normal Mode
    {kNText, ui::Kind::Label, "You can change the appearance of the main window here.", {20, 40, 560, 16}, 2},
    {kNObjectText, ui::Kind::Label, "Object:", {20, 62, 100, 16}, 2},
    {kNObjects, ui::Kind::ListBox, "", {20, 80, 160, 112}, 2},
    {kNPreviewGroup, ui::Kind::Group, "Preview", {188, 62, 165, 285}, 2},
    {kNPreview, ui::Kind::Canvas, "", {200, 82, 141, 253}, 2, SS_NOTIFY},  // SS_NOTIFY: it sees the mouse
    {kNGeneralGroup, ui::Kind::Group, "General", {360, 62, 237, 74}, 2},
    {kNColorText, ui::Kind::Label, "Color:", {372, 84, 40, 16}, 2},
    {kNColor, ui::Kind::Edit, "FFFFFF", {416, 81, 70, 23}, 2},
    {kNSwatch, ui::Kind::Label, "", {492, 81, 40, 23}, 2, kSwatch},
    {kNBorders, ui::Kind::Check, "Show borders", {372, 108, 150, 20}, 2},
    {kNFontGroup, ui::Kind::Group, "Font", {360, 140, 237, 136}, 2},
    {kNFontText, ui::Kind::Label, "Font Name:", {372, 162, 70, 16}, 2},
    {kNFont, ui::Kind::Combo, "", {446, 159, 140, 200}, 2, CBS_SORT},
    {kNSizeText, ui::Kind::Label, "Size:", {372, 190, 70, 16}, 2},
    {kNSize, ui::Kind::Combo, "", {446, 187, 60, 200}, 2},
    {kNFontColorText, ui::Kind::Label, "Color:", {372, 218, 70, 16}, 2},
    {kNFontColor, ui::Kind::Edit, "FFFFFF", {446, 215, 70, 23}, 2},
    {kNFontSwatch, ui::Kind::Label, "", {522, 215, 40, 23}, 2, kSwatch},
    {kNBold, ui::Kind::Button, "B", {446, 244, 26, 24}, 2},
    {kNItalic, ui::Kind::Button, "I", {474, 244, 26, 24}, 2},
    {kNUnderline, ui::Kind::Button, "U", {502, 244, 26, 24}, 2},
    {kNImagesGroup, ui::Kind::Group, "Images", {360, 280, 237, 116}, 2},
    {kNImageText, ui::Kind::Label, "Normal State:", {372, 298, 200, 16}, 2},
    {kNImage, ui::Kind::Edit, "", {372, 316, 180, 23}, 2},
    {kNImageBtn, ui::Kind::Button, "...", {556, 315, 30, 25}, 2},
    {kNHotText, ui::Kind::Label, "Mouse Over State:", {372, 344, 200, 16}, 2},
    {kNHot, ui::Kind::Edit, "", {372, 362, 180, 23}, 2},
    {kNHotBtn, ui::Kind::Button, "...", {556, 361, 30, 25}, 2},
    // Cool Mode
    {kCText, ui::Kind::Label, "You can change the appearance of the cool mode here.", {20, 40, 560, 16}, 3},
    {kCObjectText, ui::Kind::Label, "Object:", {20, 62, 100, 16}, 3},
    {kCObjects, ui::Kind::ListBox, "", {20, 80, 150, 84}, 3},
    {kCDescription, ui::Kind::Label, "", {20, 168, 150, 30}, 3},
    {kCPreviewGroup, ui::Kind::Group, "Preview", {176, 56, 421, 136}, 3},
    {kCPreview, ui::Kind::Canvas, "", {184, 74, 405, 112}, 3},
    {kCGeneralGroup, ui::Kind::Group, "General", {20, 200, 190, 196}, 3},
    {kCColorText, ui::Kind::Label, "Color:", {32, 218, 160, 16}, 3},
    {kCColor, ui::Kind::Edit, "FFFFFF", {32, 236, 70, 23}, 3},
    {kCSwatch, ui::Kind::Label, "", {108, 236, 40, 23}, 3, kSwatch},
    {kCSeeText, ui::Kind::Label, "Transparent Color:", {32, 266, 160, 16}, 3},
    {kCSee, ui::Kind::Edit, "FF00FF", {32, 284, 70, 23}, 3},
    {kCSeeSwatch, ui::Kind::Label, "", {108, 284, 40, 23}, 3, kSwatch},
    {kCBackText, ui::Kind::Label, "Background Image:", {32, 314, 160, 16}, 3},
    {kCBack, ui::Kind::Edit, "", {32, 332, 130, 23}, 3},
    {kCBackBtn, ui::Kind::Button, "...", {166, 331, 30, 25}, 3},
    {kCFontGroup, ui::Kind::Group, "Font", {216, 200, 200, 196}, 3},
    {kCFontText, ui::Kind::Label, "Font Name:", {228, 218, 176, 16}, 3},
    {kCFont, ui::Kind::Combo, "", {228, 236, 176, 200}, 3, CBS_SORT},
    {kCSizeText, ui::Kind::Label, "Size:", {228, 268, 40, 16}, 3},
    {kCSize, ui::Kind::Combo, "", {272, 265, 60, 200}, 3},
    {kCFontColorText, ui::Kind::Label, "Color:", {228, 298, 40, 16}, 3},
    {kCFontColor, ui::Kind::Edit, "FFFFFF", {272, 295, 70, 23}, 3},
    {kCFontSwatch, ui::Kind::Label, "", {348, 295, 40, 23}, 3, kSwatch},
    {kCBold, ui::Kind::Button, "B", {228, 328, 26, 24}, 3},
    {kCItalic, ui::Kind::Button, "I", {256, 328, 26, 24}, 3},
    {kCUnderline, ui::Kind::Button, "U", {284, 328, 26, 24}, 3},
    {kCLeft, ui::Kind::Check, "L", {320, 328, 26, 24}, 3, kPush},
    {kCCenter, ui::Kind::Check, "C", {348, 328, 26, 24}, 3, kPush},
    {kCRight, ui::Kind::Check, "R", {376, 328, 26, 24}, 3, kPush},
    {kCPosGroup, ui::Kind::Group, "Position && Size", {422, 200, 175, 196}, 3},
    {kCTopText, ui::Kind::Label, "Top:", {434, 222, 50, 16}, 3},
    {kCTop, ui::Kind::Edit, "", {490, 219, 70, 23}, 3, ES_NUMBER},
    {kCTopSpin, ui::Kind::Spin, "", {560, 219, 18, 23}, 3},
    {kCLeftText, ui::Kind::Label, "Left:", {434, 254, 50, 16}, 3},
    {kCLeftPos, ui::Kind::Edit, "", {490, 251, 70, 23}, 3, ES_NUMBER},
    {kCLeftSpin, ui::Kind::Spin, "", {560, 251, 18, 23}, 3},
    {kCHeightText, ui::Kind::Label, "Height:", {434, 286, 50, 16}, 3},
    {kCHeight, ui::Kind::Edit, "", {490, 283, 70, 23}, 3, ES_NUMBER},
    {kCHeightSpin, ui::Kind::Spin, "", {560, 283, 18, 23}, 3},
    {kCWidthText, ui::Kind::Label, "Width:", {434, 318, 50, 16}, 3},
    {kCWidth, ui::Kind::Edit, "", {490, 315, 70, 23}, 3, ES_NUMBER},
    {kCWidthSpin, ui::Kind::Spin, "", {560, 315, 18, 23}, 3},
    // Buttons
    {kSave, ui::Kind::Button, "Save Theme", {440, 416, 86, 25}},
    {IDCANCEL, ui::Kind::Button, "Cancel", {532, 416, 77, 25}},
};

inline constexpr const char* kNormalObjects[] = {"Form", "Edit Box", "List Box", "Frame", "Title Text", "Menu Button",
                                          "Hide Button"};
inline constexpr const char* kCoolObjects[] = {"Form", "Text 1", "Text 2", "Text 3", "Text 4"};
inline constexpr int kNormalSizes[] = {8, 10, 12, 14, 16, 18, 24, 28, 32};
inline constexpr int kCoolSizes[] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 18, 22, 24, 28, 32};
inline constexpr int kSwatches[] = {kNSwatch, kNFontSwatch, kCSwatch, kCSeeSwatch, kCFontSwatch};

// The hex field, its swatch, the rule it feeds and the groups it belongs to.
struct HexField {
    int hex, swatch;
    ColorField field;
};
inline constexpr HexField kHexFields[] = {{kNColor, kNSwatch, ColorField::NormalGeneral},
                                   {kNFontColor, kNFontSwatch, ColorField::NormalFont},
                                   {kCColor, kCSwatch, ColorField::CoolGeneral},
                                   {kCSee, kCSeeSwatch, ColorField::CoolTransparent},
                                   {kCFontColor, kCFontSwatch, ColorField::CoolFont}};


// Controls of each group, enabled and disabled together.
inline constexpr int kNGeneral[] = {kNGeneralGroup, kNColorText, kNColor, kNSwatch, kNBorders};
inline constexpr int kNFontControls[] = {kNFontGroup, kNFontText, kNFont, kNSizeText, kNSize, kNFontColorText,
                                  kNFontColor, kNFontSwatch, kNBold, kNItalic, kNUnderline};
inline constexpr int kNImages[] = {kNImagesGroup, kNImageText, kNImage, kNImageBtn, kNHotText, kNHot, kNHotBtn};
inline constexpr int kCGeneral[] = {kCGeneralGroup, kCColorText, kCColor, kCSwatch, kCSeeText, kCSee, kCSeeSwatch,
                             kCBackText, kCBack, kCBackBtn};
inline constexpr int kCFontControls[] = {kCFontGroup, kCFontText, kCFont, kCSizeText, kCSize, kCFontColorText, kCFontColor,
                                  kCFontSwatch, kCBold, kCItalic, kCUnderline, kCLeft, kCCenter, kCRight};
inline constexpr int kCPosition[] = {kCPosGroup, kCTopText, kCTop, kCTopSpin, kCLeftText, kCLeftPos, kCLeftSpin,
                              kCHeightText, kCHeight, kCHeightSpin, kCWidthText, kCWidth, kCWidthSpin};

inline constexpr int kPositionFields[] = {kCTop, kCLeftPos, kCHeight, kCWidth};

}  // namespace vtx::theme_editor_controls
