#include "recording_view.h"

#include "launcher/launcher_rules.h"

namespace vtx::fake {
namespace {

std::string Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

int RecordingView::IndexOf(std::string_view prefix, int from) const {
    for (int i = from < 0 ? 0 : from; i < static_cast<int>(calls.size()); ++i) {
        if (std::string_view(calls[static_cast<std::size_t>(i)]).substr(0, prefix.size()) == prefix) return i;
    }
    return -1;
}

int RecordingView::Count(std::string_view prefix) const {
    int n = 0;
    for (int i = IndexOf(prefix); i >= 0; i = IndexOf(prefix, i + 1)) ++n;
    return n;
}

void RecordingView::HideTaskbarButton() { Note("HideTaskbarButton()"); }
void RecordingView::SetOpacity(int alpha) { Note("SetOpacity(" + std::to_string(alpha) + ")"); }
void RecordingView::SetItemHeight(int pixels) { Note("SetItemHeight(" + std::to_string(pixels) + ")"); }
void RecordingView::SetWindowFrame(bool frame) { Note("SetWindowFrame(" + Flag(frame) + ")"); }

void RecordingView::SetPosition(int left, int top) {
    Note("SetPosition(" + std::to_string(left) + "," + std::to_string(top) + ")");
    position = {left, top};
}

MainView::Position RecordingView::GetPosition() {
    Note("GetPosition()");
    return position;
}

void RecordingView::KeepOnScreen(bool position_saved) { Note("KeepOnScreen(" + Flag(position_saved) + ")"); }

void RecordingView::ApplyStayOnTop(bool on) { Note("ApplyStayOnTop(" + Flag(on) + ")"); }
void RecordingView::AcceptDroppedFiles() { Note("AcceptDroppedFiles()"); }
void RecordingView::CreateProgramMutex() { Note("CreateProgramMutex()"); }

void RecordingView::ShowBalloon(const std::string& title, const std::string& text, int seconds) {
    Note("ShowBalloon(" + title + "|" + text + "|" + std::to_string(seconds) + ")");
}

bool RecordingView::RegisterHotkey(int value) {
    Note("RegisterHotkey(" + std::to_string(value) + ")");
    return register_result;
}

bool RecordingView::ReplaceHotkey(int value) {
    Note("ReplaceHotkey(" + std::to_string(value) + ")");
    return register_result;
}

bool RecordingView::EnsureHotkey(int value) {
    Note("EnsureHotkey(" + std::to_string(value) + ")");
    return register_result;
}

void RecordingView::RefillResultList(int rows) {
    Note("RefillResultList(" + std::to_string(rows) + ")");
    selection = -1;  // a refilled list box has no selection
    if (rules_) rules_->ListRefilled();
}

void RecordingView::ShowSelection(int row) {
    Note("ShowSelection(" + std::to_string(row) + ")");
    selection = row;
}

void RecordingView::ShowLabels(const CoolLabels& shown) {
    Note("ShowLabels(" + shown.shname + "|" + shown.shinfo + "|" + shown.shinfoleft + "|" + shown.shinforight + ")");
    labels = shown;
}

void RecordingView::FocusEdit() { Note("FocusEdit()"); }

void RecordingView::Show(const MatchShown& shown) {
    ShowSelection(shown.selected);
    ShowLabels(shown.labels);
    if (shown.focus_edit) FocusEdit();
}

void RecordingView::SetEditText(const std::string& text) {
    Note("SetEditText(" + text + ")");
    edit_text = text;
    // The real edit box reports the change (EN_CHANGE), which runs the matching.
    if (rules_) Show(rules_->Edit2Change(text));
}

bool RecordingView::IsShowing() {
    Note("IsShowing()");
    return showing;
}

void RecordingView::Hide() {
    Note("Hide()");
    showing = false;
}

void RecordingView::ApplyLook(const ThemeLook& applied) {
    Note("ApplyLook()");
    look = applied;
}

void RecordingView::SetWindowSize(int width, int height) {
    Note("SetWindowSize(" + std::to_string(width) + "," + std::to_string(height) + ")");
}

void RecordingView::PlaceList(const ListPlacement& placement) {
    const Rect& r = placement.rect;
    Note("PlaceList(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
         std::to_string(r.height) + ")");
}

void RecordingView::ApplyGeometry(const LayoutGeometry& applied) {
    Note(applied.cool ? "ApplyGeometry(cool)" : "ApplyGeometry(normal)");
    geometry = applied;
}

void RecordingView::ShowError(const std::string& text) { Note("ShowError(" + text + ")"); }

}  // namespace vtx::fake
