#pragma once
// How the manager's list draws an entry: the name in bold blue over its second line in grey,
// a thin line under every entry that is not on white.

#include "editors/manager_rules.h"
#include "platform/win32/handles.h"
#include "platform/win32/ui/controls.h"

namespace vtx {

class ManagerEntryPainter {
public:
    // `dpi` is the window's; the fonts are made again when it changes.
    void Draw(const DRAWITEMSTRUCT& item, const EntryPaint& paint, UINT dpi, const ui::ControlSet& controls);

private:
    win32::UniqueFont bold_font_, small_font_;
    UINT font_dpi_ = 0;
};

}  // namespace vtx
