#pragma once
// A stand-in for the launcher window and the program around it in host tests: it
// implements both views of the window and the program's port, records every call in order as a short text ("SetOpacity(255)",
// "RefillResultList(4)", "ApplyGeometry(cool)") and answers from scriptable values.
// Like the real edit box, putting text into the edit box runs the rules' change handler.

#include <string>
#include <string_view>
#include <vector>

#include "app/main_view.h"
#include "app/program_port.h"
#include "launcher/matching.h"
#include "themes/theme_apply.h"

namespace vtx {
class LauncherRules;
struct MatchShown;
}

namespace vtx::fake {

class RecordingView : public MainView, public LayoutView, public ProgramPort {
public:
    // Scripted answers.
    bool register_result = true;  // RegisterHotkey
    bool showing = false;         // IsShowing; Hide clears it
    int client_height_offset = 0;
    Position position;  // GetPosition; SetPosition moves it

    // What the window holds now.
    std::string edit_text;
    int selection = -1;
    CoolLabels labels;
    ThemeLook look;
    LayoutGeometry geometry;

    // Every call, in order. Notes from elsewhere (trace labels) can be mixed in.
    std::vector<std::string> calls;
    void Note(std::string text) { calls.push_back(std::move(text)); }

    // The rules whose Edit2Change the edit box calls when its text is set (may be null).
    void Attach(LauncherRules* rules) noexcept { rules_ = rules; }

    // Position of the first call that starts with `prefix` at or after `from`; -1 when none.
    [[nodiscard]] int IndexOf(std::string_view prefix, int from = 0) const;
    [[nodiscard]] int Count(std::string_view prefix) const;
    [[nodiscard]] bool Has(std::string_view prefix) const { return IndexOf(prefix) >= 0; }
    void Clear() { calls.clear(); }

    // What the launcher window does with the rules' answer to typing.
    void Show(const MatchShown& shown);

    // ProgramPort.
    void HideTaskbarButton() override;
    void CreateProgramMutex() override;
    void ShowBalloon(const std::string& title, const std::string& text, int seconds) override;
    bool RegisterHotkey(int value) override;
    bool ReplaceHotkey(int value) override;
    bool EnsureHotkey(int value) override;

    // MainView.
    void SetOpacity(int alpha) override;  // also LayoutView::SetOpacity: one window
    void SetItemHeight(int pixels) override;
    void SetWindowFrame(bool frame) override;
    void SetPosition(int left, int top) override;
    Position GetPosition() override;
    void KeepOnScreen(bool position_saved) override;
    void ApplyStayOnTop(bool on) override;
    void AcceptDroppedFiles() override;
    void RefillResultList(int rows) override;
    void ShowSelection(int row) override;
    void ShowLabels(const CoolLabels& shown) override;
    void FocusEdit() override;  // also LayoutView::FocusEdit
    void SetEditText(const std::string& text) override;
    bool IsShowing() override;  // also LayoutView::IsShowing
    void Hide() override;

    // LayoutView.
    void ApplyLook(const ThemeLook& applied) override;
    void SetWindowSize(int width, int height) override;
    void PlaceList(const ListPlacement& placement) override;
    void ApplyGeometry(const LayoutGeometry& applied) override;
    void ShowError(const std::string& text) override;
    int ClientHeightOffset() override { return client_height_offset; }

private:
    LauncherRules* rules_ = nullptr;
};

}  // namespace vtx::fake
