#pragma once
// The theme editor (class "TForm6"): three pages over "Save Theme" and "Cancel", with a
// preview of each layout drawn by the launcher's own painter. Its rules are ThemeEditorRules.

#include <array>
#include <functional>
#include <span>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/ui/dialog.h"
#include "editors/theme_editor.h"
#include "editors/win32/theme_editor_previews.h"

namespace vtx {

class ThemeEditorDialog final : public ui::Dialog {
public:
    // `editor_open` is told when the editor shows (true) and when it closes (false), so the
    // window that opened it can step out of the top-most band and read its lists again.
    ThemeEditorDialog(AppSession& app, std::function<void(bool editor_open)> editor_open)
        : rules_(app), editor_open_(std::move(editor_open)) {}
    bool Create(HINSTANCE instance, HWND owner);
    // Fills the fields and previews from a theme; the options dialog calls it before showing.
    void LoadThemeIntoEditor(const std::string& theme_file);

private:
    void OnShowing() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override {}
    void OnCancel() override;
    bool KeyPreview(const MSG& msg) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    void OnClick(int id);
    // A field typed into, or its focus moved.
    void OnTyped(int id, int code);
    // The page of a font name or size box.
    [[nodiscard]] static EditorPage FontPage(int id);
    void CloseEditor();
    void FillGeneral();
    // A group's controls, enabled or disabled together.
    void Enable(std::span<const int> ids, bool on);
    void ShowNormal(const NormalFields& f);
    void ShowCool(const CoolFields& f);
    void ShowFont(int name_id, int size_id, int hex_id, const FontFields& f);
    void SetSwatch(int id, std::uint32_t color);
    void HexEnter(int hex_id);
    void PickColor(int hex_id);
    void PickImage(ImageSlot slot, int field_id);
    void SetAlign(Align a);
    void RefreshPreviews();

    ThemeEditorRules rules_;
    std::function<void(bool)> editor_open_;
    bool filling_ = false;  // controls being filled by the editor, not typed into
    bool title_warning_ = false;
    win32::UniqueBrush title_brush_;
    std::array<std::uint32_t, 5> swatch_colors_{};
    std::array<win32::UniqueBrush, 5> swatch_brushes_;
    ThemeEditorPreviews previews_;
};

}  // namespace vtx
