#pragma once
// The theme editor's two previews, drawn by the launcher's own painter from the look being
// edited: the Normal layout with its edit box, list and title buttons, and the Cool layout.

#include <string>

#include "editors/theme_editor.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/controls.h"

namespace vtx {

class ThemeEditorPreviews {
public:
    // The Normal preview's title buttons show their mouse-over images under the pointer, as
    // the launcher's do. `controls` gives the DPI and outlives the previews.
    void TrackPointer(HWND normal_preview, const ui::ControlSet& controls);
    // Loads the bitmaps whose paths changed and repaints both previews.
    void Refresh(const ThemeLook& look, HWND normal_preview, HWND cool_preview);
    void DrawNormal(const DRAWITEMSTRUCT& item, const ThemeLook& look, UINT dpi) const;
    void DrawCool(const DRAWITEMSTRUCT& item, const ThemeEditorRules& rules, UINT dpi) const;

private:
    // The bitmaps and the paths they were loaded from (empty: built in).
    win32::UniqueBitmap menu_bmp_, menu_hot_bmp_, hide_bmp_, hide_hot_bmp_, back_bmp_;
    std::string menu_path_ = "?", menu_hot_path_ = "?", hide_path_ = "?", hide_hot_path_ = "?", back_path_ = "?";
    enum class Button { None, Menu, Hide };
    Button hot_ = Button::None;  // the title button under the pointer
};

}  // namespace vtx
