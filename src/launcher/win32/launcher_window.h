#pragma once
// The launcher window (class "TForm1"): title strip, edit box, result list and frame
// strips in normal mode; background bitmap, shape and four texts in Cool mode. It owns
// its controls and its two popup menus, forwards every event to the portable rules in
// LauncherRules and shows what they return. The tray icon and the global hotkey belong to
// the program host, which tells this window when to show. Theme sizes are 96-DPI pixels,
// scaled to the monitor the window stands on.
//
// launcher_window.cpp: creation, the message dispatch, keys, commands and showing;
// launcher_paint.cpp: painting, the owner-drawn rows and the theme's fonts and bitmaps;
// launcher_frame.cpp: layout, region, DPI, moving, resizing and hit-testing.

#include "platform/win32/windows_api.h"
#include <shellapi.h>

#include <array>
#include <optional>
#include <vector>
#include <string>

#include "app/main_view.h"
#include "launcher/launcher_rules.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/keys.h"
#include "platform/win32/ui/window.h"
#include "themes/theme_apply.h"
#include "themes/win32/gdi_util.h"

namespace vtx {

class LauncherWindow final : public ui::Window, public MainView, public LayoutView {
public:
    LauncherWindow(HINSTANCE instance, LauncherRules& rules);
    ~LauncherWindow() override;
    LauncherWindow(const LauncherWindow&) = delete;
    LauncherWindow& operator=(const LauncherWindow&) = delete;

    // Creates the window hidden, owned by the application's hidden window.
    [[nodiscard]] bool Create(HWND app_window);
    void ShowAtStart();
    // Loads the images the theme named, ahead of the first paint (an idle moment after start-up).
    void LoadImages();
    // Shown and in front as it was left: a click on the tray icon, "S&how VTX".
    void ShowFromTray();
    // Shown, in front, the keyboard in the edit box with its text selected: the hotkey and a
    // second start of the program both do this.
    void BringUpForTyping();
    // A command of a menu, the tray menu's included.
    void RunCommand(int id);
    // Messages the message loop must see before they are dispatched (keys of the
    // window and its controls); true when the message was consumed.
    bool PreTranslate(MSG& msg);

    // MainView
    void SetOpacity(int alpha) override;
    void SetItemHeight(int pixels) override;
    void SetWindowFrame(bool frame) override;
    void SetPosition(int left, int top) override;
    Position GetPosition() override;
    void KeepOnScreen(bool position_saved) override;
    void ApplyStayOnTop(bool on) override;
    void AcceptDroppedFiles() override;
    void RefillResultList(int rows) override;
    void ShowSelection(int row) override;
    void ShowLabels(const CoolLabels& labels) override;
    void FocusEdit() override;
    void SetEditText(const std::string& text) override;
    bool IsShowing() override;
    void Hide() override;

    // LayoutView
    void ApplyLook(const ThemeLook& look) override;
    void SetWindowSize(int width, int height) override;
    void PlaceList(const ListPlacement& placement) override;
    void ApplyGeometry(const LayoutGeometry& geometry) override;
    void ShowError(const std::string& text) override;
    int ClientHeightOffset() override;

private:
    // Geometry of the normal layout, in pixels at 96 DPI.
    static constexpr int kTitleHeight = 18;
    static constexpr int kStripWidth = 4;
    static constexpr int kBottomStrip = 7;

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
    [[nodiscard]] std::optional<LRESULT> EditMessage(UINT msg, WPARAM wp, LPARAM lp);
    [[nodiscard]] std::optional<LRESULT> ListMessage(UINT msg, WPARAM wp, LPARAM lp);

    void OnCreate();
    void OnPaint();
    void OnSize(int width, int height);
    void OnCommand(int id, int code, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnMouseDown(POINT pt);
    void OnMouseUp(POINT pt);
    void OnRightUp(POINT pt);
    void OnMouseMove(POINT pt);
    bool OnSetCursor();
    void OnDropFiles(HDROP drop);
    void OnMouseLeave();
    [[nodiscard]] LRESULT OnControlColour(HDC dc, bool edit);

    // Keys: the window sees every key first.
    bool FormKeyDown(WPARAM vk);
    bool EditKeyDown(WPARAM vk);
    bool EditKeyUp(WPARAM vk);
    bool ListKeyUp(WPARAM vk);
    void ListRightUp(POINT client_pt);

    void Do(WindowAction action);
    // What typing answered: the selected row, Cool mode's texts, the keyboard.
    void ShowMatch(const MatchShown& shown);
    void TrackMenu(const std::vector<MenuEntry>& entries, POINT screen_pt);
    void LoadBuiltinImages();
    void StartMove();
    void LayoutControls();
    [[nodiscard]] COLORREF Colour(std::uint32_t theme_colour) const;
    void UpdateRegion();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    // A 96-DPI length at the window's DPI, and back.
    [[nodiscard]] int S(int px96) const noexcept;
    [[nodiscard]] int Unscaled(int px) const noexcept;
    void ApplyLayered();
    void Invalidate();

    enum class Part { None, Title, MenuButton, HideButton, BottomStrip, CoolSurface, Other };
    [[nodiscard]] Part HitTest(POINT client_pt) const;
    [[nodiscard]] RECT MenuButtonRect() const;
    [[nodiscard]] RECT HideButtonRect() const;

    HINSTANCE instance_;
    LauncherRules& rules_;
    UINT dpi_ = 96;
    HWND edit_ = nullptr;
    HWND list_ = nullptr;

    // What the theme put on the window.
    ThemeLook look_{};
    LayoutGeometry geometry_{};
    ListPlacement list_place_{};
    long right_margin_ = 5;
    long bottom_margin_ = 8;
    int alpha_ = 255;
    struct LayeredLook {
        COLORREF key;
        BYTE alpha;
        DWORD flags;
        bool operator==(const LayeredLook&) const = default;
    };
    std::optional<LayeredLook> layered_;     // as last given to the system
    std::optional<std::array<int, 6>> region_;  // the outline last set, in pixels
    win32::UniqueFont edit_font_, list_font_, title_font_;
    std::array<win32::UniqueFont, 4> cool_fonts_;
    win32::UniqueBrush edit_brush_, list_brush_;
    win32::LazyBitmap back_image_, menu_image_, menu_hot_image_, hide_image_, hide_hot_image_;
    CoolLabels labels_{};

    // Mouse state.
    bool sizing_ = false;
    bool menu_hot_ = false;
    bool hide_hot_ = false;
    bool tracking_mouse_ = false;
    ui::ChordKeys chords_;  // the modifiers held with each key pressed in the edit box
};

}  // namespace vtx
