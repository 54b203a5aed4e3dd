#pragma once
// Launching: the selected row, or the typed text when nothing is selected, becomes one
// request to the shell, built from the record's fields. Results are never examined.
//
// The window owns the Catalogue, the result list and the browser list and hands them in
// once; the selection, the typed text and the HAE setting are passed per call.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "app/result_list.h"
#include "platform/platform.h"
#include "platform/text_file.h"

namespace vtx {

// Prefix of the command line that opens a control-panel applet (40 characters).
inline constexpr std::string_view kControlPanelCommand = "rundll32.exe shell32.dll,Control_RunDLL ";

// The verb that asks the shell to start a program as administrator.
inline constexpr std::string_view kRunAsVerb = "runas";

// A command line cut into its program and the parameters after it. A program in double
// quotes runs to the closing quote, blanks included ("C:\Program Files\App\app.exe" -x);
// an unquoted one ends at the first blank; an unclosed quote runs to the end, as Windows
// reads a command line. Blanks around the whole and before the parameters are dropped;
// no parameters is nullopt.
struct CommandLine {
    std::string file;
    std::optional<std::string> parameters;
    bool operator==(const CommandLine&) const = default;
};
[[nodiscard]] CommandLine SplitCommandLine(std::string_view text);

// Where the index of a per-type launch points: a row of the result list, or a line of
// the Catalogue (the members of a multi-shortcut).
enum Tip : int { kListRow = 0, kCatalogueLine = 1 };

class Launcher {
public:
    // `browsers`: the browser list, "name|path" lines.
    Launcher(Platform& platform, const Catalogue& catalogue, const ResultList& list, const Lines& browsers) noexcept
        : platform_(platform), catalogue_(catalogue), list_(list), browsers_(browsers) {}

    // Launches the selected row (-1: none, then the typed text runs). Returns true when
    // the launcher window must hide now (the HAE setting), whatever was launched.
    // `elevated`: programs, documents, applets, "Other" command lines and typed text go to
    // the shell with the "runas" verb, so Windows starts them as administrator; folders and
    // web addresses open as usual. Addresses, start folders and parameters have their
    // environment variables (%USERPROFILE%) expanded here; the record keeps them.
    [[nodiscard]] bool Go(int selected, const std::string& edit_text, bool hae, bool elevated = false);

    void ProgGo(int index, int tip);
    void FileGo(int index, int tip);
    void FolderGo(int index, int tip);
    void URLGo(int index, int tip);
    void OtherGo(int index, int tip);
    void CPAppletGo(int selected);
    void MultiShortcutGo(int selected);
    void WidgetGo();
    void SearchGo();
    void CommandGo();
    void ElseGo(const std::string& edit_text);

    // Copies the selected row's address to the clipboard (not for every type). The
    // window stays shown.
    void GoCopy(int selected);

private:
    // The record line an index points at; empty text outside the list or Catalogue.
    [[nodiscard]] const std::string& LineOf(int index, int tip) const noexcept;
    // A field's text with its environment variables expanded.
    [[nodiscard]] std::string Expanded(std::string_view text);
    // Hands the request over, with "runas" when this Go is elevated and the request may be.
    void Execute(ShellRequest request, bool may_elevate);
    void ControlPanel(const std::string& applet);

    bool elevated_ = false;

    Platform& platform_;
    const Catalogue& catalogue_;
    const ResultList& list_;
    const Lines& browsers_;
};

}  // namespace vtx
