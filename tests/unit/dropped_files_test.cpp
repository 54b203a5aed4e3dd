#include "launcher/dropped_files.h"

#include <gtest/gtest.h>

#include "catalogue/shortcut_record.h"
#include "fake_dialogs.h"
#include "fake_platform.h"
#include "launcher/quick_add_rules.h"
#include "recording_view.h"

namespace vtx {
namespace {

// The record a drop appends: name, addr, wdir, swst, ty1 and the fixed fields.
std::string Record(const std::string& name, const std::string& addr, const std::string& wdir, const std::string& ty1) {
    return name + "|" + addr + "|" + wdir + "||||||SW_SHOWNORMAL|" + ty1 + "|||None||1|||||||||0";
}

class DropTest : public ::testing::Test {
protected:
    DropTest() : app(fp.platform), rules(app, dialogs) {
        view.Attach(&rules);
        app.FormCreate(view, view, view);
        app.catalogue().Clear();
        app.FillMainListBox();
        fp.files.PutFolder("C:\\Tools");
        fp.files.Put("C:\\Tools\\Editor.EXE", "");
        fp.files.Put("C:\\Docs\\Plan.doc", "");
        fp.files.PutFolder("D:\\Music");
        fp.files.Put("C:\\Desk\\Game.lnk", "");
        fp.files.Put("C:\\Games\\game.exe", "");
        fp.shell.links[fake::PathKey("C:\\Desk\\Game.lnk")] = "c:\\games\\game.exe";
        fp.files.Put("C:\\Desk\\Office.lnk", "");
        fp.shell.links[fake::PathKey("C:\\Desk\\Office.lnk")] = "C:\\Windows\\Installer\\{9}\\office.exe";
        fp.files.Put("C:\\Desk\\Loud.LNK", "");
        fp.shell.links[fake::PathKey("C:\\Desk\\Loud.LNK")] = "c:\\games\\game.exe";
        fp.files.Put("C:\\Desk\\Broken.lnk", "");
    }
    bool Drop(const std::string& path) { return HandleDroppedFile(rules, dialogs, path); }

    fake::FakePlatform fp;
    fake::RecordingView view;
    fake::FakeDialogs dialogs;
    AppSession app;
    LauncherRules rules;
};

TEST_F(DropTest, QuickAddBuildsTheRecordOfEachKind) {
    struct Case {
        std::string dropped, record, typed;
    };
    const std::vector<Case> cases{
        {"C:\\Tools\\Editor.EXE", Record("editor", "c:\\tools\\editor.exe", "c:\\tools\\", "Program"), "Editor"},
        {"C:\\Docs\\Plan.doc", Record("plan", "c:\\docs\\plan.doc", "c:\\docs\\", "File"), "Plan"},
        {"D:\\Music", Record("music", "d:\\music", "d:\\", "Folder"), "Music"},
        {"C:\\Desk\\Game.lnk", Record("game", "c:\\games\\game.exe", "c:\\games\\", "Program"), "game"},
        // An installer's shortcut, an upper-case ".LNK" and an unreadable link keep their own path.
        {"C:\\Desk\\Office.lnk", Record("office", "c:\\desk\\office.lnk", "c:\\desk\\", "File"), "Office"},
        {"C:\\Desk\\Loud.LNK", Record("loud", "c:\\desk\\loud.lnk", "c:\\desk\\", "File"), "Loud"},
        {"C:\\Desk\\Broken.lnk", Record("broken", "c:\\desk\\broken.lnk", "c:\\desk\\", "File"), "Broken"},
        {"X:\\Gone\\Thing.dat", Record("thing", "x:\\gone\\thing.dat", "x:\\gone\\", ""), "Thing"},
    };
    app.settings().quickadd = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dropped);
        app.catalogue().Clear();
        view.Clear();
        dialogs.catalogue_grew = 0;
        EXPECT_TRUE(Drop(c.dropped));
        EXPECT_EQ(app.catalogue().lines(), Lines{c.record});
        EXPECT_EQ(view.edit_text, c.typed);
        EXPECT_EQ(view.selection, 0);
        EXPECT_TRUE(view.Has("ShowBalloon(Shortcut Created!|New shortcut created: " + c.typed + ".|10)"));
        EXPECT_EQ(dialogs.catalogue_grew, 1);
    }
    app.catalogue().Clear();
    Drop("C:\\Docs\\Plan.doc");
    Drop("C:\\Docs\\Plan.doc");
    EXPECT_EQ(app.catalogue().size(), 2);  // the same file twice: two identical lines
    EXPECT_EQ(app.catalogue().line(0), app.catalogue().line(1));
}

TEST_F(DropTest, WithoutQuickAddTheDialogAsksAndTheManagerBlocksDrops) {
    EXPECT_FALSE(Drop("C:\\Desk\\Game.lnk"));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"QuickAdd(game|c:\\games\\game.exe|Program)"});
    EXPECT_EQ(app.catalogue().size(), 0);
    dialogs.shown.clear();
    dialogs.manager_showing = true;
    app.settings().quickadd = true;
    EXPECT_FALSE(Drop("C:\\Tools\\Editor.EXE"));
    app.settings().quickadd = false;
    EXPECT_FALSE(Drop("C:\\Tools\\Editor.EXE"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(app.catalogue().size(), 0);
}

TEST_F(DropTest, PathsTheLineCannotHoldAddNothing) {
    app.settings().quickadd = true;
    view.Clear();
    // The bound counts characters, whatever their script: a path of it is taken whole, one
    // character more adds nothing.
    auto path_of = [](std::size_t chars, const std::string& c) {
        std::string p = "C:\\";
        for (std::size_t i = 3; i < chars; ++i) p += c;
        return p;
    };
    const struct {
        std::string path;
        bool taken;
    } bounds[] = {
        {path_of(kMaxDroppedPath, "a"), true},       {path_of(kMaxDroppedPath + 1, "a"), false},
        {path_of(kMaxDroppedPath, "ж"), true},  {path_of(kMaxDroppedPath + 1, "ж"), false},
        {path_of(kMaxDroppedPath, "日"), true},  {path_of(kMaxDroppedPath, "😀"), true},
        {path_of(kMaxDroppedPath + 1, "😀"), false},
    };
    for (const auto& b : bounds) {
        SCOPED_TRACE(b.path.size());
        app.catalogue().Clear();
        EXPECT_EQ(Drop(b.path), b.taken);
        EXPECT_EQ(app.catalogue().size(), b.taken ? 1 : 0);
        if (b.taken && app.catalogue().size() == 1) {
            EXPECT_EQ(FieldOf(app.catalogue().line(0), kName), fp.text.ToLower(b.path.substr(3)));
        }
    }
    app.catalogue().Clear();
    view.Clear();
    EXPECT_FALSE(Drop("C:\\odd|name.txt"));
    EXPECT_FALSE(Drop("C:\\two\r\nlines.txt"));
    EXPECT_FALSE(Drop(""));
    EXPECT_EQ(app.catalogue().size(), 0);
    EXPECT_FALSE(view.Has("ShowBalloon"));
    // A link whose target holds "|" keeps the link itself.
    fp.shell.links[fake::PathKey("C:\\Desk\\Game.lnk")] = "c:\\a|b.exe";
    EXPECT_TRUE(Drop("C:\\Desk\\Game.lnk"));
    EXPECT_EQ(FieldOf(app.catalogue().line(0), kAddr), "c:\\desk\\game.lnk");
}

TEST_F(DropTest, ResolveShortcutTargetByExtension) {
    EXPECT_EQ(ResolveShortcutTarget(fp.platform, "C:\\Desk\\Loud.LNK"), "c:\\games\\game.exe");
    EXPECT_EQ(ResolveShortcutTarget(fp.platform, "C:\\Desk\\Game.txt"), kNotAShortcut);
    EXPECT_EQ(ResolveShortcutTarget(fp.platform, "C:\\Desk\\Broken.lnk"), "");
    EXPECT_EQ(ResolveShortcutTarget(fp.platform, "C:\\" + std::string(300, 'x') + ".lnk"), "");
    // The limit counts characters, not UTF-8 bytes.
    std::string cyrillic = "C:\\";
    for (int i = 0; i < 200; ++i) cyrillic += "Ж";
    fp.shell.links[fake::PathKey(cyrillic + ".lnk")] = "c:\\ж.exe";
    EXPECT_EQ(ResolveShortcutTarget(fp.platform, cyrillic + ".lnk"), "c:\\ж.exe");
}

TEST_F(DropTest, QuickAddDialogWarnsAndAdds) {
    app.catalogue().Append(Record("editor", "c:\\e.exe", "c:\\", "Program"));
    QuickAddRules dialog(app, dialogs);
    QuickAddForm form = dialog.Open("Editor", "c:\\tools\\editor.exe", "Program");
    dialog.FormShow(form);
    EXPECT_TRUE(form.warning);  // the typed name is lower-cased before the check
    EXPECT_EQ(dialogs.catalogue_grew, 1);
    form.name = "Editor2";
    dialog.nameEDTChange(form);
    EXPECT_FALSE(form.warning);
    // A second drop while open replaces the type too.
    form = dialog.Open("Plan", "c:\\docs\\plan.doc", "File");
    form.name = "My|Plan";
    EXPECT_TRUE(dialog.OKBTNClick(form));
    EXPECT_EQ(app.catalogue().lines(), (Lines{Record("editor", "c:\\e.exe", "c:\\", "Program"),
                                              Record("my plan", "c:\\docs\\plan.doc", "c:\\docs\\", "File")}));
    EXPECT_FALSE(dialog.OKBTNClick(QuickAddForm{}));  // both empty: stays open
    form.name.clear();
    EXPECT_TRUE(dialog.OKBTNClick(form));             // an empty name is accepted
    EXPECT_EQ(app.catalogue().size(), 3);
    // A name the manager stored with capitals is taken in any case too, by the locale's rules.
    app.catalogue().Append(Record("Éditeur Plus", "c:\\p.exe", "c:\\", "Program"));
    form.name = "éDITEUR plus";
    dialog.nameEDTChange(form);
    EXPECT_TRUE(form.warning);
}

}  // namespace
}  // namespace vtx
