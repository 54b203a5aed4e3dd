#include "launcher/launcher_rules.h"

#include "catalogue/web_addresses.h"
#include "catalogue/shortcut_record.h"

namespace vtx {

LauncherRules::LauncherRules(AppSession& app, Dialogs& dialogs)
    : app_(app),
      dialogs_(dialogs),
      matcher_(app.results(), app.platform().text),
      launcher_(app.platform(), app.catalogue(), app.results(), app.lists().browsers) {}

RowDrawing LauncherRules::PaintRow(int row) {
    RowDrawing d;
    const std::string& line = app_.results().Line(row);
    d.paint = DescribeRow(line, app_.settings().showicons);
    if (d.paint.icon) {
        Platform& p = app_.platform();
        d.icons = GetFileIconCandidates(std::string(FieldOf(line, kAddr)), p.files, p.registry, p.system.SystemFolder());
    }
    return d;
}

MatchShown LauncherRules::Edit2Change(const std::string& text) {
    edit_text_ = text;
    // Before start-up has a window there is nothing to match against yet.
    const bool found = app_.view() && matcher_.Edit2Change(text);
    return {matcher_.selected(), matcher_.labels(), found};
}

int LauncherRules::MoveUp() {
    matcher_.MoveUp();
    return matcher_.selected();
}

int LauncherRules::MoveDown() {
    matcher_.MoveDown();
    return matcher_.selected();
}

void LauncherRules::SelectRow(int row) { matcher_.Select(row); }

// ---------------------------------------------------------------- launching

void LauncherRules::Go(bool elevated) {
    if (launcher_.Go(matcher_.selected(), edit_text_, app_.settings().hae, elevated)) app_.view()->Hide();
}

void LauncherRules::EditEnter(const std::string& text, bool ctrl, bool shift) {
    const EnterDecision d = Edit2KeyUp(vk::kEnter, ctrl, text, shift);
    if (d.action == EnterAction::None) return;
    // Putting the trimmed text back runs the matching again through the edit box.
    if (d.text_changed) app_.view()->SetEditText(d.trimmed);
    edit_text_ = d.trimmed;
    if (d.action == EnterAction::Copy) {
        launcher_.GoCopy(matcher_.selected());
    } else {
        Go(d.action == EnterAction::GoElevated);
    }
}

void LauncherRules::ListEnter(bool elevated) {
    const int row = matcher_.selected();
    const auto name = ListActivationText(app_.results(), row);
    if (!name) return;
    if (*name != edit_text_) app_.view()->SetEditText(*name);
    // The name matches again, so of two rows of one name the first starts. A name that
    // typing cannot find (capitals) must still start the row the user chose, not run as text.
    if (matcher_.selected() < 0) {
        matcher_.Select(row);
        app_.view()->ShowSelection(row);
    }
    Go(elevated);
}

// ---------------------------------------------------------------- keys and menus

std::optional<WindowAction> LauncherRules::FormKeyDown(int vk, bool ctrl, bool shift, bool alt) {
    switch (vtx::FormKeyDown(vk, ctrl, shift, alt, app_.settings().hotkey, dialogs_.ManagerShowing())) {
        case KeyAction::Hide: return WindowAction::Hide;
        case KeyAction::Help: app_.OpenHelpPage("index.htm"); return WindowAction::None;
        case KeyAction::ShowManager: dialogs_.ShowManager(""); return WindowAction::None;
        case KeyAction::ShowOptions: dialogs_.ShowOptions(); return WindowAction::None;
        case KeyAction::ToggleCool: app_.ToggleCoolMode(); return WindowAction::None;
        case KeyAction::ResetAppearance: app_.ResetAppearance(); return WindowAction::None;
        case KeyAction::None: break;
    }
    return std::nullopt;
}

WindowAction LauncherRules::RunCommand(Command command) {
    Platform& p = app_.platform();
    const int selected = matcher_.selected();
    switch (command) {
        case Command::ShowVtx: return WindowAction::Show;
        case Command::HideVtx: return WindowAction::Hide;
        case Command::Exit: return WindowAction::Exit;
        case Command::Shortcuts: dialogs_.ShowManager(""); break;
        case Command::NewShortcut: dialogs_.ShowNewShortcut(); break;
        case Command::Settings: dialogs_.ShowOptions(); break;
        case Command::About: dialogs_.ShowAbout(); break;
        case Command::ToggleCool: app_.ToggleCoolMode(); break;
        case Command::Help:
        case Command::HelpDocs: app_.OpenHelpPage("index.htm"); break;
        case Command::HowDoI: app_.OpenHelpPage("howto.htm"); break;
        case Command::WebHome: app_.OpenWebPage(web::kHomePage); break;
        case Command::WebProduct: app_.OpenWebPage(web::kProductPage); break;
        case Command::WebSupport: app_.OpenWebPage(web::kSupportPage); break;
        case Command::OpenSelected:
            if (OpenSelectedAllowed(p.prompts, selected)) Go();
            break;
        case Command::CopyAddress:
            if (CopyAddressAllowed(p.prompts, selected)) launcher_.GoCopy(selected);
            break;
        case Command::OpenFolder: vtx::OpenContainingFolder(p, app_.results(), selected); break;
        case Command::AddEdit: {
            const bool has_row = selected >= 0 && selected < app_.results().size();
            dialogs_.ShowManager(has_row ? std::string(FieldOf(app_.results().Line(selected), kName)) : "");
            break;
        }
        case Command::None: break;
    }
    return WindowAction::None;
}

bool LauncherRules::OpenContainingFolderAvailable(int row) const {
    return row >= 0 && row < app_.results().size() && OpenContainingFolderVisible(FieldOf(app_.results().Line(row), kTy1));
}

std::vector<MenuEntry> LauncherRules::ListMenuFor(int row) const { return ListMenu(OpenContainingFolderAvailable(row)); }

int LauncherRules::DragHeight(int pointer_screen_y, int window_top) {
    const int height = DraggedHeight(pointer_screen_y, window_top);
    app_.SetNormalHeight(height);
    return height;
}

}  // namespace vtx
