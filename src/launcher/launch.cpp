#include "launcher/launch.h"

#include "catalogue/shortcut_record.h"
#include "platform/ascii.h"
#include "platform/trace.h"

namespace vtx {
namespace {

void TraceIndexed(std::string_view operation, int index, int tip) {
    Trace("Form1." + std::string(operation) + "(index:" + std::to_string(index) + "; tip:" + std::to_string(tip) +
          ")");
}

ShellRequest Request(std::optional<std::string> operation, std::string file, std::optional<std::string> parameters,
                     std::optional<std::string> directory, int show) {
    return ShellRequest{std::move(operation), std::move(file), std::move(parameters), std::move(directory), show};
}

const std::string kOpen = "open";

// A file's extension compared as Windows compares it: ".lnk" and ".LNK" are both links.
bool IsLink(std::string_view path) {
    return path.size() >= 4 && EqualsNoCaseAscii(path.substr(path.size() - 4), ".lnk");
}

// Restores the elevation flag when a Go ends, however it ends.
class ElevationScope {
public:
    ElevationScope(bool& flag, bool on) noexcept : flag_(flag) { flag_ = on; }
    ElevationScope(const ElevationScope&) = delete;
    ElevationScope& operator=(const ElevationScope&) = delete;
    ~ElevationScope() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

CommandLine SplitCommandLine(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    std::string_view t = trimmed;
    CommandLine cmd;
    std::string_view rest;
    if (StartsWith(t, "\"")) {
        const auto close = t.find('"', 1);
        if (close == std::string_view::npos) {
            cmd.file = std::string(t.substr(1));  // unclosed: the program runs to the end
            return cmd;
        }
        cmd.file = std::string(t.substr(1, close - 1));
        rest = t.substr(close + 1);
    } else {
        const auto blank = t.find(' ');
        cmd.file = std::string(t.substr(0, blank));
        if (blank != std::string_view::npos) rest = t.substr(blank + 1);
    }
    const std::string parameters = TrimBlanks(rest);
    if (!parameters.empty()) cmd.parameters = parameters;
    return cmd;
}

std::string Launcher::Expanded(std::string_view text) { return platform_.system.ExpandEnvironment(std::string(text)); }

void Launcher::Execute(ShellRequest request, bool may_elevate) {
    if (elevated_ && may_elevate) request.operation = std::string(kRunAsVerb);
    platform_.shell.Execute(request);
}

void Launcher::ControlPanel(const std::string& applet) {
    if (elevated_) {
        // WinExec knows no verbs: the same command goes through the shell.
        const std::string command(kControlPanelCommand);
        const auto blank = command.find(' ');
        Execute(Request(std::nullopt, command.substr(0, blank), command.substr(blank + 1) + applet, std::nullopt, 1),
                true);
        return;
    }
    platform_.shell.WinExec(std::string(kControlPanelCommand) + applet, 1);
}

const std::string& Launcher::LineOf(int index, int tip) const noexcept {
    static const std::string kNone;
    if (tip == kCatalogueLine) {
        if (index < 0 || index >= catalogue_.size()) return kNone;
        return catalogue_.lines()[static_cast<std::size_t>(index)];
    }
    return list_.Line(index);
}

bool Launcher::Go(int selected, const std::string& edit_text, bool hae, bool elevated) {
    const ElevationScope scope(elevated_, elevated);
    if (elevated) Trace("Form1.GoElevated", 0);
    if (selected < 0 || selected >= list_.size()) {
        ElseGo(edit_text);
        return hae;
    }
    const std::string_view ty1 = FieldOf(list_.Line(selected), kTy1);
    if (ty1 == type::Program) ProgGo(selected, kListRow);
    else if (ty1 == type::File) FileGo(selected, kListRow);
    else if (ty1 == type::Folder) FolderGo(selected, kListRow);
    else if (ty1 == type::URL) URLGo(selected, kListRow);
    else if (ty1 == type::ControlPanelApplet) CPAppletGo(selected);
    else if (ty1 == type::Widget) WidgetGo();
    else if (ty1 == type::Search) SearchGo();
    else if (ty1 == type::Command) CommandGo();
    else if (ty1 == type::MultiShortcut) MultiShortcutGo(selected);
    else if (ty1 == type::Other) OtherGo(selected, kListRow);
    // Any other type launches nothing; the window still hides.
    return hae;
}

void Launcher::ProgGo(int index, int tip) {
    TraceIndexed("ProgGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr = Expanded(FieldOf(line, kAddr));
    if (!platform_.files.FileExists(addr)) return;
    const int show = ShowStateCode(FieldOf(line, kSwst));
    // A shell link carries its own parameters and folder, whatever the case of ".lnk".
    if (IsLink(addr)) {
        Execute(Request(std::nullopt, addr, std::nullopt, std::nullopt, show), true);
    } else {
        Execute(Request(kOpen, addr, Expanded(FieldOf(line, kParam)), Expanded(FieldOf(line, kWdir)), show), true);
    }
}

void Launcher::FileGo(int index, int tip) {
    TraceIndexed("FileGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr = Expanded(FieldOf(line, kAddr));
    if (!platform_.files.FileExists(addr)) return;
    std::optional<std::string> operation;
    if (!IsLink(addr)) operation = kOpen;
    Execute(Request(std::move(operation), addr, std::nullopt, std::nullopt, ShowStateCode(FieldOf(line, kSwst))), true);
}

void Launcher::FolderGo(int index, int tip) {
    TraceIndexed("FolderGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr = Expanded(FieldOf(line, kAddr));
    if (!platform_.files.FolderExists(addr)) return;
    Execute(Request(kOpen, addr, std::nullopt, std::nullopt, ShowStateCode(FieldOf(line, kSwst))), false);
}

void Launcher::URLGo(int index, int tip) {
    TraceIndexed("URLGo", index, tip);
    const std::string& line = LineOf(index, tip);
    // Web addresses are not expanded: "%20" and its kind belong to them.
    const std::string addr(FieldOf(line, kAddr));
    const std::string_view osw = FieldOf(line, kOsw);
    const int show = ShowStateCode(FieldOf(line, kSwst));
    std::string_view browser;
    for (const auto& entry : browsers_)  // the last line of that name wins
        if (CutPiece(entry, '|', 0) == osw) browser = CutPiece(entry, '|', 1);
    if (!browser.empty())
        Execute(Request(kOpen, std::string(browser), addr, std::nullopt, show), false);
    else  // the shell's default handler for the address
        Execute(Request(kOpen, addr, std::nullopt, std::nullopt, show), false);
}

void Launcher::OtherGo(int index, int tip) {
    TraceIndexed("OtherGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr = TrimBlanks(Expanded(FieldOf(line, kAddr)));
    const int show = ShowStateCode(FieldOf(line, kSwst));
    if (addr.empty()) return;  // blanks alone name nothing to run
    // A program path with blanks, written without quotes, is still one program.
    if (platform_.files.FileExists(addr)) {
        Execute(Request(kOpen, addr, std::nullopt, std::nullopt, show), true);
        return;
    }
    // Otherwise the shell resolves names such as "calc"; a quoted program keeps its blanks.
    CommandLine cmd = SplitCommandLine(addr);
    Execute(Request(kOpen, std::move(cmd.file), std::move(cmd.parameters), std::nullopt, show), true);
}

void Launcher::CPAppletGo(int selected) {
    Trace("Form1.CPAppletGo");
    ControlPanel(Expanded(FieldOf(list_.Line(selected), kAddr)));
}

void Launcher::MultiShortcutGo(int selected) {
    Trace("Form1.MultiShortcutGo");
    // The same reading of the member list as the manager's, so a last name without its ";"
    // starts as the manager shows it.
    const std::vector<std::string> members = MemberNames(FieldOf(list_.Line(selected), kMs));
    const auto& lines = catalogue_.lines();
    for (const std::string& member : members) {
        // Every line of that exact name, invisible ones included.
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (FieldOf(lines[i], kName) != member) continue;
            const std::string_view ty1 = FieldOf(lines[i], kTy1);
            const int index = static_cast<int>(i);
            if (ty1 == type::Program) ProgGo(index, kCatalogueLine);
            else if (ty1 == type::File) FileGo(index, kCatalogueLine);
            else if (ty1 == type::Folder) FolderGo(index, kCatalogueLine);
            else if (ty1 == type::URL) URLGo(index, kCatalogueLine);
            else if (ty1 == type::Other) OtherGo(index, kCatalogueLine);
            // Applets, nested multi-shortcuts and the rest are skipped.
        }
    }
}

void Launcher::WidgetGo() { Trace("Form1.WidgetGo"); }
void Launcher::SearchGo() { Trace("Form1.SearchGo"); }
void Launcher::CommandGo() { Trace("Form1.CommandGo"); }

void Launcher::ElseGo(const std::string& edit_text) {
    Trace("Form1.ElseGo");
    const std::string t = TrimBlanks(platform_.text.ToLower(Expanded(edit_text)));
    // Enter on blanks alone: nothing to run. Handing the shell an empty file would open
    // a folder window the user never asked for.
    if (t.empty()) return;
    constexpr int kShow = 1;
    if (EndsWith(t, ".cpl")) {
        ControlPanel(t);
        return;
    }
    if (EndsWith(t, ".lnk")) {
        Execute(Request(std::nullopt, t, std::nullopt, std::nullopt, kShow), true);
        return;
    }
    // A quoted path is tried without its quotes.
    std::string_view u = t;
    if (StartsWith(u, "\"")) u.remove_prefix(1);
    if (EndsWith(u, "\"")) u.remove_suffix(1);
    const std::string path(u);
    if (platform_.files.FileExists(path) || platform_.files.FolderExists(path)) {
        Execute(Request(std::nullopt, path, std::nullopt, std::nullopt, kShow), true);
        return;
    }
    // A command line: a quoted program keeps its blanks, an unquoted one ends at the first.
    if (t.find(' ') != std::string::npos || StartsWith(t, "\"")) {
        CommandLine cmd = SplitCommandLine(t);
        Execute(Request(kOpen, std::move(cmd.file), std::move(cmd.parameters), std::string(), kShow), true);
        return;
    }
    Execute(Request(kOpen, t, std::nullopt, std::nullopt, kShow), true);
}

void Launcher::GoCopy(int selected) {
    Trace("Form1.GoCopy");
    if (selected < 0 || selected >= list_.size()) return;
    const std::string& line = list_.Line(selected);
    const std::string_view ty1 = FieldOf(line, kTy1);
    if (ty1 == type::Program || ty1 == type::File || ty1 == type::Folder || ty1 == type::URL ||
        ty1 == type::ControlPanelApplet || ty1 == type::Other)
        platform_.clipboard.SetText(std::string(FieldOf(line, kAddr)));
}

}  // namespace vtx
