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

// "file parameters" cut at the first blank.
struct CommandLine {
    std::string file, parameters;
};
CommandLine SplitAtBlank(std::string_view text, std::size_t blank) {
    return {std::string(text.substr(0, blank)), std::string(text.substr(blank + 1))};
}

}  // namespace

const std::string& Launcher::LineOf(int index, int tip) const noexcept {
    static const std::string kNone;
    if (tip == kCatalogueLine) {
        if (index < 0 || index >= catalogue_.size()) return kNone;
        return catalogue_.lines()[static_cast<std::size_t>(index)];
    }
    return list_.Line(index);
}

bool Launcher::Go(int selected, const std::string& edit_text, bool hae) {
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
    const std::string addr(FieldOf(line, kAddr));
    if (!platform_.files.FileExists(addr)) return;
    const int show = ShowStateCode(FieldOf(line, kSwst));
    // A shell link carries its own parameters and folder.
    if (EndsWith(addr, ".lnk")) {
        platform_.shell.Execute(Request(std::nullopt, addr, std::nullopt, std::nullopt, show));
    } else {
        platform_.shell.Execute(
            Request(kOpen, addr, std::string(FieldOf(line, kParam)), std::string(FieldOf(line, kWdir)), show));
    }
}

void Launcher::FileGo(int index, int tip) {
    TraceIndexed("FileGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr(FieldOf(line, kAddr));
    if (!platform_.files.FileExists(addr)) return;
    std::optional<std::string> operation;
    if (!EndsWith(addr, ".lnk")) operation = kOpen;
    platform_.shell.Execute(
        Request(std::move(operation), addr, std::nullopt, std::nullopt, ShowStateCode(FieldOf(line, kSwst))));
}

void Launcher::FolderGo(int index, int tip) {
    TraceIndexed("FolderGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr(FieldOf(line, kAddr));
    if (!platform_.files.FolderExists(addr)) return;
    platform_.shell.Execute(Request(kOpen, addr, std::nullopt, std::nullopt, ShowStateCode(FieldOf(line, kSwst))));
}

void Launcher::URLGo(int index, int tip) {
    TraceIndexed("URLGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string addr(FieldOf(line, kAddr));
    const std::string_view osw = FieldOf(line, kOsw);
    const int show = ShowStateCode(FieldOf(line, kSwst));
    std::string_view browser;
    for (const auto& entry : browsers_)  // the last line of that name wins
        if (CutPiece(entry, '|', 0) == osw) browser = CutPiece(entry, '|', 1);
    if (!browser.empty())
        platform_.shell.Execute(Request(kOpen, std::string(browser), addr, std::nullopt, show));
    else  // the shell's default handler for the address
        platform_.shell.Execute(Request(kOpen, addr, std::nullopt, std::nullopt, show));
}

void Launcher::OtherGo(int index, int tip) {
    TraceIndexed("OtherGo", index, tip);
    const std::string& line = LineOf(index, tip);
    const std::string_view addr = FieldOf(line, kAddr);
    const int show = ShowStateCode(FieldOf(line, kSwst));
    // Nothing is tested first: the shell resolves names such as "calc".
    if (const auto blank = addr.find(' '); blank != std::string_view::npos) {
        auto cmd = SplitAtBlank(addr, blank);
        platform_.shell.Execute(Request(kOpen, std::move(cmd.file), std::move(cmd.parameters), std::nullopt, show));
    } else {
        platform_.shell.Execute(Request(kOpen, std::string(addr), std::nullopt, std::nullopt, show));
    }
}

void Launcher::CPAppletGo(int selected) {
    Trace("Form1.CPAppletGo");
    platform_.shell.WinExec(std::string(kControlPanelCommand) + std::string(FieldOf(list_.Line(selected), kAddr)), 1);
}

void Launcher::MultiShortcutGo(int selected) {
    Trace("Form1.MultiShortcutGo");
    const std::string ms(FieldOf(list_.Line(selected), kMs));
    const int count = CountPos(";", ms);
    const auto& lines = catalogue_.lines();
    for (int k = 1; k <= count; ++k) {
        const std::string_view member = MemberOf(ms, k);
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
    const std::string t = platform_.text.ToLower(edit_text);
    // Enter on blanks alone: nothing to run. Handing the shell an empty file would open
    // a folder window the user never asked for.
    if (t.empty()) return;
    constexpr int kShow = 1;
    if (EndsWith(t, ".cpl")) {
        platform_.shell.WinExec(std::string(kControlPanelCommand) + t, kShow);
        return;
    }
    if (EndsWith(t, ".lnk")) {
        platform_.shell.Execute(Request(std::nullopt, t, std::nullopt, std::nullopt, kShow));
        return;
    }
    // A quoted path is tried without its quotes; the split below keeps them.
    std::string_view u = t;
    if (StartsWith(u, "\"")) u.remove_prefix(1);
    if (EndsWith(u, "\"")) u.remove_suffix(1);
    const std::string path(u);
    if (platform_.files.FileExists(path) || platform_.files.FolderExists(path)) {
        platform_.shell.Execute(Request(std::nullopt, path, std::nullopt, std::nullopt, kShow));
        return;
    }
    if (const auto blank = t.find(' '); blank != std::string::npos) {
        auto cmd = SplitAtBlank(t, blank);
        platform_.shell.Execute(Request(kOpen, std::move(cmd.file), std::move(cmd.parameters), std::string(), kShow));
        return;
    }
    platform_.shell.Execute(Request(kOpen, t, std::nullopt, std::nullopt, kShow));
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
