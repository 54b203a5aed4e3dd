#include "launcher/dropped_files.h"

#include "catalogue/shortcut_record.h"
#include "platform/utf8.h"
#include "platform/trace.h"

namespace vtx {

bool HandleDroppedFile(LauncherRules& launcher, Dialogs& dialogs, const std::string& dropped) {
    Trace("Form1.HandleDroppedFiles");
    // A path the record cannot hold whole is not cut down to another path: nothing is added.
    if (dropped.empty() || Utf8Length(dropped) > kMaxDroppedPath || !FitsInField(dropped)) {
        Trace("Form1.HandleDroppedFiles: path refused", 0);
        return false;
    }
    if (dialogs.ManagerShowing()) return false;
    AppSession& app = launcher.app();
    Platform& p = app.platform();
    if (!app.settings().quickadd) {
        const std::string path = ResolveDroppedPath(p, dropped);
        dialogs.ShowQuickAdd(BaseNameOf(path), p.text.ToLower(path), DropType(p, path));
        return false;
    }
    dialogs.MarkCatalogueGrew();
    const std::string path = ResolveDroppedPath(p, dropped);
    const std::string base = BaseNameOf(path);
    app.catalogue().Append(QuickRecord(p, base, path, DropType(p, path)));
    app.FillMainListBox();
    launcher.ListRefilled();
    if (MainView* view = app.view()) view->SetEditText(base);  // the edit box's change runs the matching
    if (ProgramPort* program = app.program())
        program->ShowBalloon("Shortcut Created!", "New shortcut created: " + base + ".", 10);
    return true;
}

}  // namespace vtx
