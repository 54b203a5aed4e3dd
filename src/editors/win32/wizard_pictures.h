#pragma once
// What the wizard paints itself: the first page's links, which colour themselves under the
// pointer, and the pictures beside them and on the Control Panel page, taken from the shell.

#include <array>

#include "editors/wizard_rules.h"
#include "platform/win32/handles.h"

namespace vtx {

class WizardPictures {
public:
    // Made at the first showing rather than at start-up, which the launcher keeps short.
    void Load();
    // A kind's picture, or null for a kind without one.
    [[nodiscard]] HICON OfKind(int kind) const;
    // The Control Panel page's picture of an applet row (-1: none).
    [[nodiscard]] HICON OfApplet(int row) const;

    // Makes an owner-drawn button a link of the dialog: Enter follows it as Space does, and
    // the pointer over it makes it the hot link.
    void MakeLink(HWND dialog, int id, HWND link);
    void DrawLink(const DRAWITEMSTRUCT& item, UINT dpi) const;
    static void DrawPicture(const DRAWITEMSTRUCT& item, HICON icon);

private:
    std::array<win32::UniqueIcon, 7> kinds_;  // in the order of the first page
    std::array<win32::UniqueIcon, kAppletDescriptions.size()> applets_;
    int hot_link_ = 0;
};

}  // namespace vtx
